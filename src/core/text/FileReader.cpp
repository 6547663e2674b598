#include "core/text/FileReader.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace tarvo {
namespace {

FileReadStatus failed(FileReadFailure* failure, FileReadStatus status, int systemError) {
    if (failure != nullptr) *failure = {status, systemError};
    return status;
}

} // namespace

FileReadStatus FileReader::open(const std::filesystem::path& path, std::uintmax_t maxBytes, std::ifstream& in,
                                std::uintmax_t& size, FileReadFailure* failure) {
    size = 0;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return failed(failure, FileReadStatus::Missing, ec ? ec.value() : ENOENT);
    }
    if (ec) return failed(failure, FileReadStatus::CannotOpen, ec.value());
    // A folder, a pipe or a device is not a file to load (a pipe could block forever).
    if (status.type() == std::filesystem::file_type::directory)
        return failed(failure, FileReadStatus::CannotOpen, EISDIR);
    if (status.type() != std::filesystem::file_type::regular) return failed(failure, FileReadStatus::CannotOpen, 0);

    errno = 0;
    in.open(path, std::ios::binary);
    if (!in) return failed(failure, FileReadStatus::CannotOpen, errno != 0 ? errno : EACCES);
    size = std::filesystem::file_size(path, ec);
    if (ec) return failed(failure, FileReadStatus::CannotOpen, ec.value());
    if (size > maxBytes) return failed(failure, FileReadStatus::TooLarge, 0);
    return failed(failure, FileReadStatus::Ok, 0);
}

FileReadStatus FileReader::readAll(const std::filesystem::path& path, std::uintmax_t maxBytes, std::string& bytes,
                                   FileReadFailure* failure) {
    bytes.clear();
    std::ifstream in;
    std::uintmax_t size = 0;
    if (const FileReadStatus opened = open(path, maxBytes, in, size, failure); opened != FileReadStatus::Ok)
        return opened;

    bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        bytes.clear();
        return failed(failure, FileReadStatus::ReadFailed, errno != 0 ? errno : EIO);
    }
    // The file may have grown since its size was taken; the bytes read are a
    // complete snapshot of its first `size` bytes, which is what a parser gets.
    return failed(failure, FileReadStatus::Ok, 0);
}

std::string describeReadFailure(const FileReadFailure& failure, std::uintmax_t maxBytes) {
    if (failure.status == FileReadStatus::TooLarge) return "larger than the limit of " + sizeLimitText(maxBytes);
    if (failure.systemError != 0) return std::generic_category().message(failure.systemError);
    if (failure.status == FileReadStatus::CannotOpen) return "not a regular file (a device, a FIFO or a socket)";
    return {};
}

std::string sizeLimitText(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMebibyte = std::uintmax_t{1} << 20;
    if (bytes >= kMebibyte && bytes % kMebibyte == 0) return std::to_string(bytes / kMebibyte) + " MiB";
    return std::to_string(bytes) + " bytes";
}

} // namespace tarvo
