#pragma once
// Reads a whole file into memory, with a size limit, so that parsers work on
// a byte buffer and never on a half-open stream; or opens it, with the same
// checks, for a parser that reads it in pieces.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace tarvo {

enum class FileReadStatus {
    Ok,
    Missing,    // no such file
    CannotOpen, // not a regular file, or it cannot be opened
    TooLarge,   // larger than the caller's limit; nothing was read
    ReadFailed, // the read stopped before the end
};

struct FileReadFailure {
    FileReadStatus status = FileReadStatus::Ok;
    int systemError = 0; // errno of the call that failed; 0 for the reader's own refusals
};

class FileReader {
public:
    // Reads `path` into `bytes` (replaced). Refuses files above `maxBytes`.
    // `failure`, when given, receives the status and the system's error.
    static FileReadStatus readAll(const std::filesystem::path& path, std::uintmax_t maxBytes, std::string& bytes,
                                  FileReadFailure* failure = nullptr);
    // Opens `path` as `readAll` would read it; `size` is its size then.
    static FileReadStatus open(const std::filesystem::path& path, std::uintmax_t maxBytes, std::ifstream& in,
                               std::uintmax_t& size, FileReadFailure* failure = nullptr);
};

// Why a read failed, for the end of a message: the system's reason, or the
// reader's own ("not a regular file", "larger than the limit of 64 MiB").
std::string describeReadFailure(const FileReadFailure& failure, std::uintmax_t maxBytes);

// A size limit as a message gives it: "64 MiB" for whole mebibytes, else bytes.
std::string sizeLimitText(std::uintmax_t bytes);

} // namespace tarvo
