// Platform adapter: the program's own path on Linux.
#include "cli/ProgramDirectory.h"

namespace tarvo::cli {

std::filesystem::path programDirectory(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty()) return self.parent_path();
    if (argv0 != nullptr) {
        const auto fromArgs = std::filesystem::absolute(argv0, ec);
        if (!ec) return fromArgs.parent_path();
    }
    return std::filesystem::current_path(ec);
}

} // namespace tarvo::cli
