#include "core/text/BufferedFileWriter.h"

#include <utility>

namespace tarvo {

BufferedFileWriter::BufferedFileWriter(std::filesystem::path target, std::size_t bufferBytes)
    : file_(std::move(target)), bufferBytes_(bufferBytes) {
    buffer_.reserve(bufferBytes_);
}

SafeWriteResult BufferedFileWriter::open() {
    if (result_.ok()) result_ = file_.open();
    return result_;
}

bool BufferedFileWriter::write(std::string_view bytes) {
    if (!result_.ok()) return false;
    if (buffer_.size() + bytes.size() > bufferBytes_) {
        flush();
        // A piece larger than the buffer goes straight on.
        if (result_.ok() && bytes.size() >= bufferBytes_) result_ = file_.write(bytes);
        if (bytes.size() >= bufferBytes_) return result_.ok();
    }
    if (result_.ok()) buffer_.append(bytes);
    return result_.ok();
}

void BufferedFileWriter::flush() {
    if (result_.ok() && !buffer_.empty()) result_ = file_.write(buffer_);
    buffer_.clear();
}

SafeWriteResult BufferedFileWriter::commit() {
    flush();
    if (result_.ok()) result_ = file_.commit();
    return result_;
}

} // namespace tarvo
