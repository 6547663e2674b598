#pragma once
// A file written as it is made: the pieces collect in a buffer of some tens
// of kilobytes that goes to a SafeFileWriter whenever it is full, so that a
// long output never stands whole in memory. The replacement stays as safe
// as the writer under it: the target changes only with a successful commit.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/text/SafeFileWriter.h"

namespace tarvo {

class BufferedFileWriter {
public:
    explicit BufferedFileWriter(std::filesystem::path target, std::size_t bufferBytes = std::size_t{64} * 1024);

    // Inspects the target and makes the temporary file.
    SafeWriteResult open();
    // Appends `bytes`; false once a write has failed (later pieces are dropped).
    bool write(std::string_view bytes);
    // The rest of the buffer, then the writer's commit.
    SafeWriteResult commit();
    // The first failure, or Ok.
    [[nodiscard]] const SafeWriteResult& result() const { return result_; }

private:
    void flush();

    SafeFileWriter file_;
    std::string buffer_;
    std::size_t bufferBytes_;
    SafeWriteResult result_;
};

} // namespace tarvo
