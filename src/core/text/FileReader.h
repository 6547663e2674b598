#pragma once
// Reads a whole file into memory, with a size limit, so that parsers work on
// a byte buffer and never on a half-open stream.
#include <cstdint>
#include <filesystem>
#include <string>

namespace tarvo {

enum class FileReadStatus {
    Ok,
    Missing,    // no such file
    CannotOpen, // not a regular file, or it cannot be opened
    TooLarge,   // larger than the caller's limit; nothing was read
    ReadFailed, // the read stopped before the end
};

class FileReader {
public:
    // Reads `path` into `bytes` (replaced). Refuses files above `maxBytes`.
    static FileReadStatus readAll(const std::filesystem::path& path, std::uintmax_t maxBytes, std::string& bytes);
};

} // namespace tarvo
