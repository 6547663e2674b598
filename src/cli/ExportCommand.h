#pragma once
// `tarvo-posts export FILE.tvp -o ITEMS.csv`: writes the column items of a
// project as CSV (every input value of every item), for a spreadsheet.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvo::cli {

// Exit status of the CSV commands: 0 done, 2 nothing written (a file that
// could not be read or was refused, a failed write, bad usage).
enum CsvCommandExit : int {
    kCsvExitDone = 0,
    kCsvExitFailed = 2,
};

// `args` are the words after "export"; `settingsFile` is Tarvo.ini.
int runExportCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile, std::ostream& out,
                     std::ostream& err);

} // namespace tarvo::cli
