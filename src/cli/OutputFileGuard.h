#pragma once
// A subcommand that writes a file must never write it over the project it
// reads: a mistyped "-o" would otherwise replace the user's project with a
// report.
#include <filesystem>
#include <iosfwd>

namespace tarvo::cli {

// True (and a message on `err`) when `output` names the same file as
// `project`.
bool outputWouldReplaceProject(const std::filesystem::path& project, const std::filesystem::path& output,
                               std::ostream& err);

} // namespace tarvo::cli
