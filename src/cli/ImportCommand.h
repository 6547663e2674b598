#pragma once
// `tarvo-posts import ITEMS.csv -o FILE.tvp [--into EXISTING.tvp]`: reads
// column items from a CSV file and writes a project: a new one with the
// default common conditions of Tarvo.ini, or EXISTING.tvp with the items
// appended to its list (-o may name EXISTING.tvp itself). The project file is
// written through the safe replacement; a refused CSV file writes nothing and
// its problems go to stderr.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvo::cli {

// `args` are the words after "import"; `settingsFile` is Tarvo.ini. Exit
// status as the export command's (kCsvExitDone, kCsvExitFailed). On success
// the number of items imported is printed on `out`.
int runImportCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile, std::ostream& out,
                     std::ostream& err);

} // namespace tarvo::cli
