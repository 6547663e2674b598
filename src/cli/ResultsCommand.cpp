#include "cli/ResultsCommand.h"

#include <ostream>

#include "cli/ExportCommand.h"
#include "cli/FileCommandOptions.h"
#include "cli/OutputFileGuard.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsCsvFile.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"

namespace tarvo::cli {

int runResultsCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile,
                      std::ostream& /*out*/, std::ostream& err) {
    FileCommandOptions options;
    if (!parseFileCommandOptions(args, "results", "Usage: tarvo-posts results FILE.tvp -o RESULTS.csv", false, options,
                                 err))
        return kCsvExitFailed;

    CommonData common(settingsFile);
    ColumnsData columns;
    RecordingMessageSink messages;
    if (LoadProject(options.input, common, columns, messages) != 0) {
        printMessages(messages, "データの読み込みに失敗しました。\n" + options.input, err);
        return kCsvExitFailed;
    }
    if (outputWouldReplaceProject(options.input, options.output, err)) return kCsvExitFailed;
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, common);
    if (ExportResultsCsv(options.output, columns, check, messages) != 0) {
        printMessages(messages, options.output, err);
        return kCsvExitFailed;
    }
    return kCsvExitDone;
}

} // namespace tarvo::cli
