#include "core/text/FileReader.h"

#include <fstream>
#include <system_error>

namespace tarvo {

FileReadStatus FileReader::readAll(const std::filesystem::path& path, std::uintmax_t maxBytes, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return FileReadStatus::Missing;
    // A folder, a pipe or a device is not a file to load (a pipe could block forever).
    if (ec || status.type() != std::filesystem::file_type::regular) return FileReadStatus::CannotOpen;

    std::ifstream in(path, std::ios::binary);
    if (!in) return FileReadStatus::CannotOpen;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return FileReadStatus::CannotOpen;
    if (size > maxBytes) return FileReadStatus::TooLarge;

    bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        bytes.clear();
        return FileReadStatus::ReadFailed;
    }
    // The file may have grown since its size was taken; the bytes read are a
    // complete snapshot of its first `size` bytes, which is what a parser gets.
    return FileReadStatus::Ok;
}

} // namespace tarvo
