#include "cli/ExportCommand.h"

#include <ostream>

#include "cli/FileCommandOptions.h"
#include "cli/OutputFileGuard.h"
#include "core/project/ColumnsCsvFile.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"

namespace tarvo::cli {

int runProjectWriteCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile,
                           const char* command, const char* usage, std::ostream& err, const ProjectFileWriter& write) {
    FileCommandOptions options;
    if (!parseFileCommandOptions(args, command, usage, false, options, err)) return kCsvExitFailed;

    CommonData common(settingsFile);
    ColumnsData columns;
    RecordingMessageSink messages;
    if (LoadProject(options.input, common, columns, messages) != 0) {
        printMessages(messages, "データの読み込みに失敗しました。\n" + options.input, err);
        return kCsvExitFailed;
    }
    if (outputWouldReplaceProject(options.input, options.output, err)) return kCsvExitFailed;
    if (write(common, columns, options.output, messages) != 0) {
        printMessages(messages, options.output, err);
        return kCsvExitFailed;
    }
    return kCsvExitDone;
}

int runExportCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile,
                     std::ostream& /*out*/, std::ostream& err) {
    return runProjectWriteCommand(args, settingsFile, "export", "Usage: tarvo-posts export FILE.tvp -o ITEMS.csv", err,
                                  [](CommonData&, ColumnsData& columns, const std::filesystem::path& output,
                                     MessageSink& messages) { return ExportColumnsCsv(output, columns, messages); });
}

} // namespace tarvo::cli
