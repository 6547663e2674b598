#pragma once
// Where the user guide is found: the working folder first, then beside the
// program (a build puts it there), then the documentation folder of the
// installation the program belongs to, then that of the configured prefix.
#include <filesystem>

namespace tarvo::gui {

inline constexpr const char* kHelpDocumentName = "Tarvo_Help.pdf";

// The first existing Tarvo_Help.pdf, or an empty path when there is none.
std::filesystem::path findHelpDocument(const std::filesystem::path& programDir);

} // namespace tarvo::gui
