#include "cli/DesignCommand.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/DesignReportJson.h"
#include "cli/DesignReportTable.h"
#include "cli/FileCommandOptions.h"
#include "cli/ReportCommand.h"
#include "core/check/CheckConditions.h"
#include "core/design/SectionDesign.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/project/ProjectLock.h"

namespace tarvo::cli {
namespace {

constexpr const char* kUsage = "Usage: tarvo-posts design FILE.tvp [--items LIST] [--all-pairs] [--json] [-o OUT.tvp]";

struct DesignCommandOptions {
    std::string path;
    std::string output;
    std::string itemList;
    bool allPairs = false;
    bool json = false;
};

bool parseOptions(const std::vector<std::string>& args, DesignCommandOptions& options, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--items" || arg == "-o") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                err << "tarvo-posts design: " << arg << " needs a value\n" << kUsage << '\n';
                return false;
            }
            (arg == "-o" ? options.output : options.itemList) = args[++i];
        } else if (arg == "--all-pairs") {
            options.allPairs = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (!arg.empty() && arg[0] == '-') {
            err << "tarvo-posts design: unknown option \"" << arg << "\"\n" << kUsage << '\n';
            return false;
        } else if (options.path.empty()) {
            options.path = arg;
        } else {
            err << "tarvo-posts design: only one project file at a time\n" << kUsage << '\n';
            return false;
        }
    }
    if (options.path.empty()) {
        err << kUsage << '\n';
        return false;
    }
    return true;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec);
}

} // namespace

int runDesignCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                     std::ostream& err) {
    DesignCommandOptions options;
    if (!parseOptions(args, options, err)) return kDesignExitFailed;

    // Writing the designed project over its own file reads, changes and
    // writes it: another writer waits, as for `import --into`.
    ProjectLock lock;
    if (!options.output.empty() && sameFile(options.path, options.output) &&
        lock.acquire(options.path) == ProjectLockStatus::Busy) {
        err << lock.failureMessage(options.path) << '\n';
        return kDesignExitFailed;
    }
    CommonData common(settings.settingsFile());
    ColumnsData columns;
    RecordingMessageSink messages;
    if (LoadProject(options.path, common, columns, messages) != 0) {
        printMessages(messages, "データの読み込みに失敗しました。\n" + options.path, err);
        return kDesignExitFailed;
    }
    std::vector<int> indices;
    if (options.itemList.empty()) {
        for (int i = 0; i < columns.Count(); ++i)
            indices.push_back(i);
    } else if (!parseItemList(options.itemList, columns.Count(), indices)) {
        err << "tarvo-posts design: --items needs item numbers from 1 to " << columns.Count() << ", e.g. 3,1,5-7\n";
        return kDesignExitFailed;
    }

    const MatDataBase catalogue;
    const CheckConditions conditions = CheckConditions::of(common);
    const DesignOptions designOptions{options.allPairs};
    DesignReportTable table(out);
    DesignReportJson json;
    bool allPassed = true;
    std::vector<std::pair<int, SectionSize>> proposals;
    for (const int index : indices) {
        const ColumnMember& item = columns.Item(index);
        const SectionDesign design = DesignSection(item, conditions, catalogue, designOptions);
        allPassed = allPassed && design.passed();
        if (design.changes()) proposals.emplace_back(index, design.Proposed->Section);
        if (options.json) {
            json.addItem(index, item, design);
        } else {
            table.addItem(index, item, design);
        }
    }
    if (options.json) {
        out << json.finish();
    } else {
        table.finish();
    }

    if (!options.output.empty()) {
        for (const auto& [index, section] : proposals)
            ApplyDesignedSection(columns.Item(index), section, conditions, catalogue);
        if (SaveProject(options.output, common, columns, messages) != 0) {
            printMessages(messages, "データの保存に失敗しました。", err);
            err << options.output << '\n';
            return kDesignExitFailed;
        }
        // The table or JSON is on standard output; the note goes aside.
        err << proposals.size() << " items changed, written to " << options.output << '\n';
    }
    return allPassed ? kDesignExitAllPassed : kDesignExitSomeFailed;
}

} // namespace tarvo::cli
