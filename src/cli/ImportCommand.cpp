#include "cli/ImportCommand.h"

#include <ostream>
#include <system_error>

#include "cli/ExportCommand.h"
#include "cli/FileCommandOptions.h"
#include "core/project/ColumnsCsvFile.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/project/ProjectLock.h"

namespace tarvo::cli {
namespace {

constexpr const char* kUsage = "Usage: tarvo-posts import ITEMS.csv -o FILE.tvp [--into EXISTING.tvp]";

} // namespace

int runImportCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile, std::ostream& out,
                     std::ostream& err) {
    FileCommandOptions options;
    if (!parseFileCommandOptions(args, "import", kUsage, true, options, err)) return kCsvExitFailed;
    // A mistyped "-o" must not turn the spreadsheet's file into a project.
    std::error_code ec;
    if (std::filesystem::exists(options.output, ec) && std::filesystem::equivalent(options.input, options.output, ec)) {
        err << "tarvo-posts import: the output file is the CSV file itself; nothing was written\n"
            << options.output << '\n';
        return kCsvExitFailed;
    }

    CommonData common(settingsFile);
    ColumnsData columns;
    RecordingMessageSink messages;
    CsvImportMode mode = CsvImportMode::Replace;
    // Appending reads, changes and writes the project: another writer of it
    // waits until this one has written, and then reads what this one wrote.
    ProjectLock lock;
    if (!options.into.empty()) {
        // A file that cannot even be opened to lock is told by the load below.
        if (lock.acquire(options.into) == ProjectLockStatus::Busy) {
            err << lock.failureMessage(options.into) << '\n';
            return kCsvExitFailed;
        }
        if (LoadProject(options.into, common, columns, messages) != 0) {
            printMessages(messages, "データの読み込みに失敗しました。\n" + options.into, err);
            return kCsvExitFailed;
        }
        mode = CsvImportMode::Append;
    } else {
        common.ResetToDefaults();
    }

    const CsvImportOutcome outcome = ImportColumnsCsv(options.input, common, columns, mode, messages);
    if (!outcome.imported) {
        printMessages(messages, "CSV ファイルを読み込めませんでした。\n" + options.input, err);
        return kCsvExitFailed;
    }
    if (SaveProject(options.output, common, columns, messages) != 0) {
        printMessages(messages, "データの保存に失敗しました。", err);
        err << options.output << '\n';
        return kCsvExitFailed;
    }
    out << outcome.count << " items imported, " << columns.Count() << " in " << options.output << '\n';
    return kCsvExitDone;
}

} // namespace tarvo::cli
