#pragma once
// The names of project files: the extension every project is saved with, and
// the rule that turns the name chosen in a save dialog into the file written.
#include <filesystem>
#include <string_view>

namespace tarvo {

inline constexpr std::string_view kProjectExtension = ".tvp";

// `chosen` with its extension replaced by `extension` (".tvp", ".tex"), or
// with `extension` added when the name has none. A name without a file part
// (a folder) is returned unchanged.
std::filesystem::path WithExtension(const std::filesystem::path& chosen, std::string_view extension);

// The file a project chosen as `chosen` is saved to: "plan" and "plan.txt"
// both become "plan.tvp".
std::filesystem::path ProjectSaveName(const std::filesystem::path& chosen);

// True when the file name ends in ".tvp" in any letter case, as a project
// file dropped on the window or named on the command line does.
bool IsProjectFileName(const std::filesystem::path& path);

} // namespace tarvo
