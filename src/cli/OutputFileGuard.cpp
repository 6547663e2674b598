#include "cli/OutputFileGuard.h"

#include <ostream>

namespace tarvo::cli {

bool outputWouldReplaceProject(const std::filesystem::path& project, const std::filesystem::path& output,
                               std::ostream& err) {
    std::error_code ec;
    const bool same = std::filesystem::exists(output, ec) && std::filesystem::equivalent(project, output, ec);
    if (same && !ec) {
        err << "tarvo-posts: the output file is the project file itself; nothing was written\n"
            << output.string() << '\n';
        return true;
    }
    return false;
}

} // namespace tarvo::cli
