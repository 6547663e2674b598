#pragma once
// `tarvo-posts export FILE.tvp -o ITEMS.csv`: writes the column items of a
// project as CSV (every input value of every item), for a spreadsheet.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvo {
class CommonData;
class ColumnsData;
class MessageSink;
} // namespace tarvo

namespace tarvo::cli {

// Exit status of the CSV commands: 0 done, 2 nothing written (a file that
// could not be read or was refused, a failed write, bad usage).
enum CsvCommandExit : int {
    kCsvExitDone = 0,
    kCsvExitFailed = 2,
};

// Writes a file of the loaded project; 0 on success, else its message was
// given to the sink.
using ProjectFileWriter = std::function<int(CommonData& common, ColumnsData& columns,
                                            const std::filesystem::path& output, MessageSink& messages)>;

// The steps every command that writes a file from a project shares: the
// options FILE.tvp -o OUTPUT, the project loaded, an output that would
// replace the project refused, then `write`. Messages go to `err`.
int runProjectWriteCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile,
                           const char* command, const char* usage, std::ostream& err, const ProjectFileWriter& write);

// `args` are the words after "export"; `settingsFile` is Tarvo.ini.
int runExportCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile, std::ostream& out,
                     std::ostream& err);

} // namespace tarvo::cli
