#pragma once
// `tarvo-posts results FILE.tvp -o RESULTS.csv`: checks every item of a
// project once in list order and writes the results as CSV.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvo::cli {

// `args` are the words after "results"; `settingsFile` is Tarvo.ini. Exit
// status as the export command's (kCsvExitDone, kCsvExitFailed): the
// verdicts are in the file.
int runResultsCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile,
                      std::ostream& out, std::ostream& err);

} // namespace tarvo::cli
