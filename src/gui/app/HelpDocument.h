#pragma once
// Where the user guide is found: the working folder first, then beside the
// program, then the installed documentation folder.
#include <filesystem>

namespace tarvo::gui {

inline constexpr const char* kHelpDocumentName = "Tarvo_Help.pdf";

// The first existing Tarvo_Help.pdf, or an empty path when there is none.
std::filesystem::path findHelpDocument(const std::filesystem::path& programDir);

} // namespace tarvo::gui
