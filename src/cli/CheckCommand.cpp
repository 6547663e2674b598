#include "cli/CheckCommand.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/CheckReportJson.h"
#include "cli/CheckReportTable.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/report/ItemPresentation.h"
#include "core/text/MessageSink.h"

namespace tarvo::cli {
namespace {

struct CheckOptions {
    std::string path;
    bool json = false;
};

bool parseOptions(const std::vector<std::string>& args, CheckOptions& options, std::ostream& err) {
    for (const auto& arg : args) {
        if (arg == "--json") {
            options.json = true;
        } else if (!arg.empty() && arg[0] == '-') {
            err << "tarvo-posts check: unknown option \"" << arg << "\"\n";
            return false;
        } else if (options.path.empty()) {
            options.path = arg;
        } else {
            err << "tarvo-posts check: only one project file can be checked at a time\n";
            return false;
        }
    }
    if (options.path.empty()) {
        err << "Usage: tarvo-posts check FILE.tvp [--json]\n";
        return false;
    }
    return true;
}

} // namespace

int runCheckCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                    std::ostream& err) {
    CheckOptions options;
    if (!parseOptions(args, options, err)) return kCheckExitUnreadable;

    CommonData common(settings.settingsFile());
    ColumnsData columns;
    RecordingMessageSink messages;
    if (LoadProject(options.path, common, columns, messages) != 0) {
        for (const auto& entry : messages.entries)
            err << entry.text << '\n';
        if (messages.entries.empty()) err << "データの読み込みに失敗しました。\n" << options.path << '\n';
        return kCheckExitUnreadable;
    }

    const MatDataBase catalogue;
    ColumnCheck check(catalogue, common);
    // Only the output asked for is made: the JSON begins with the common
    // conditions as soon as it is made.
    std::optional<CheckReportTable> table;
    std::optional<CheckReportJson> json;
    if (options.json) {
        json.emplace(out, common);
    } else {
        table.emplace(out, common);
    }
    bool anyNg = false;
    bool anyChecked = false;
    for (int index = 0; index < columns.Count(); ++index) {
        const ColumnMember& item = columns.Item(index);
        const ColumnOutcome outcome = check.CheckColumn(item);
        const ItemVerdict verdict = judgeItem(outcome);
        anyNg = anyNg || verdict.anyNg;
        anyChecked = anyChecked || outcome.ResultCode == kCheckOk;
        if (json) {
            json->addItem(index, PresentItem(item, outcome, check));
        } else {
            table->addItem(index, item, outcome.ResultCode, verdict);
        }
    }
    if (json) {
        json->finish();
    } else {
        table->finish(anyNg);
    }
    // A project of which nothing could be checked has passed nothing.
    if (!anyChecked) return kCheckExitNothingChecked;
    return anyNg ? kCheckExitSomeNg : kCheckExitAllOk;
}

} // namespace tarvo::cli
