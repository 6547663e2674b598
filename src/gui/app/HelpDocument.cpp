#include "gui/app/HelpDocument.h"

#include <system_error>

namespace tarvo::gui {

std::filesystem::path findHelpDocument(const std::filesystem::path& programDir) {
    std::error_code error;
    const std::filesystem::path candidates[] = {
        std::filesystem::current_path(error) / kHelpDocumentName,
        programDir / kHelpDocumentName,
        // An installed program: <prefix>/bin beside <prefix>/share/doc, for
        // whatever prefix it was installed or packaged under.
        programDir.parent_path() / "share" / "doc" / "tarvo-posts" / kHelpDocumentName,
        std::filesystem::path(TARVO_INSTALL_DOC_DIR) / kHelpDocumentName,
    };
    for (const auto& candidate : candidates) {
        std::error_code statError;
        if (std::filesystem::is_regular_file(candidate, statError)) return candidate;
    }
    return {};
}

} // namespace tarvo::gui
