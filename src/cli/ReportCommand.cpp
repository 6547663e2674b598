#include "cli/ReportCommand.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <span>
#include <string>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/LayoutProblem.h"
#include "core/print/PageSink.h"
#include "core/print/Paginator.h"
#include "core/print/PrintDefault.h"
#include "core/print/ReportTextSource.h"
#include "core/print/WholeSheetTarget.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "core/text/VisibleText.h"

namespace tarvo::cli {
namespace {

// The report text of the pages, a form feed line between two pages, handed
// to the stream in pieces of some tens of kilobytes.
class ReportTextOutput final : public PageSink {
public:
    explicit ReportTextOutput(std::ostream& out) : out_(out) { text_.reserve(kFlushBytes + kFlushBytes / 4); }

    void page(std::span<const ReportLine> lines) override {
        if (pages_++ > 0) text_ += "\f\n";
        for (const ReportLine& line : lines) {
            appendVisibleText(text_, line);
            text_ += '\n';
            if (text_.size() >= kFlushBytes) flush();
        }
    }
    bool finish() {
        flush();
        out_.flush();
        return static_cast<bool>(out_);
    }

private:
    static constexpr std::size_t kFlushBytes = std::size_t{64} * 1024;

    void flush() {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }

    std::ostream& out_;
    std::string text_;
    int pages_ = 0;
};

bool parseNumber(std::string_view text, int& value) {
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

} // namespace

bool parseItemList(const std::string& list, int count, std::vector<int>& indices) {
    indices.clear();
    std::vector<bool> seen(static_cast<std::size_t>(std::max(count, 0)), false);
    std::string_view rest = list;
    while (true) {
        const auto comma = rest.find(',');
        const std::string_view entry = rest.substr(0, comma);
        int first = 0;
        int last = 0;
        if (const auto dash = entry.find('-'); dash != std::string_view::npos) {
            if (!parseNumber(entry.substr(0, dash), first) || !parseNumber(entry.substr(dash + 1), last)) return false;
        } else {
            if (!parseNumber(entry, first)) return false;
            last = first;
        }
        if (first < 1 || last > count || first > last) return false;
        // An item named twice is printed once, where it was first named.
        for (int number = first; number <= last; ++number) {
            if (!seen[static_cast<std::size_t>(number - 1)]) indices.push_back(number - 1);
            seen[static_cast<std::size_t>(number - 1)] = true;
        }
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return !indices.empty();
}

bool parseReportOptions(const std::vector<std::string>& args, const char* command, bool allowOutput,
                        ReportOptions& options, std::ostream& err) {
    const std::string usage =
        allowOutput ? "Usage: tarvo-posts pdf FILE.tvp -o OUT.pdf [--items LIST] [--summary] [--materials]\n"
                    : "Usage: tarvo-posts report FILE.tvp [--items LIST] [--summary] [--materials]\n";
    bool haveItems = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--items" || (allowOutput && arg == "-o")) {
            if (i + 1 >= args.size()) {
                err << "tarvo-posts " << command << ": " << arg << " needs a value\n" << usage;
                return false;
            }
            (arg == "-o" ? options.outputPath : options.itemList) = args[++i];
            haveItems = haveItems || arg == "--items";
        } else if (arg == "--summary") {
            options.summary = true;
        } else if (arg == "--materials") {
            options.materials = true;
        } else if (!arg.empty() && arg[0] == '-') {
            err << "tarvo-posts " << command << ": unknown option \"" << arg << "\"\n" << usage;
            return false;
        } else if (options.path.empty()) {
            options.path = arg;
        } else {
            err << "tarvo-posts " << command << ": only one project file at a time\n" << usage;
            return false;
        }
    }
    if (options.path.empty() || (allowOutput && options.outputPath.empty()) ||
        (haveItems && options.itemList.empty())) {
        err << usage;
        return false;
    }
    return true;
}

bool loadReportJob(const ReportOptions& options, const SettingsLocation& settings, ReportJob& job, const char* command,
                   std::ostream& err) {
    RecordingMessageSink messages;
    if (LoadProject(options.path, job.common, job.columns, messages) != 0) {
        for (const auto& entry : messages.entries)
            err << entry.text << '\n';
        if (messages.entries.empty()) err << "データの読み込みに失敗しました。\n" << options.path << '\n';
        return false;
    }
    if (!options.itemList.empty() &&
        !parseItemList(options.itemList, job.columns.Count(), job.settings.printSelection)) {
        err << "tarvo-posts " << command << ": --items needs item numbers from 1 to " << job.columns.Count()
            << ", separated by commas (ranges as 2-5): \"" << options.itemList << "\"\n";
        return false;
    }
    const std::vector<int> selection = job.settings.printSelection;
    applyPrintDefault(loadPrintDefault(settings.settingsFile()), job.printer, job.settings, WholeSheetTarget::a4Pdf());
    if (const auto problem = findLayoutProblem(job.printer)) {
        // A stored layout without room for the text would give blank pages.
        err << refusedStoredLayoutMessage(*problem) << '\n';
        applyPrintDefault(builtInPrintDefault(), job.printer, job.settings, WholeSheetTarget::a4Pdf());
    }
    job.settings.printSelection = selection;
    // The options add the front pages to what the stored layout prints.
    job.settings.printSummary = job.settings.printSummary || options.summary;
    job.settings.printMaterials = job.settings.printMaterials || options.materials;
    return true;
}

int runReportCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                     std::ostream& err) {
    ReportOptions options;
    if (!parseReportOptions(args, "report", false, options, err)) return kReportExitFailed;
    ReportJob job(settings.settingsFile());
    if (!loadReportJob(options, settings, job, "report", err)) return kReportExitFailed;

    const MatDataBase catalogue;
    ColumnCheck check(catalogue, job.common);
    ReportTextSource source(job.common, job.columns, check);
    ReportTextOutput text(out);
    paginate(job.columns, job.settings, job.printer, source, text);
    if (!text.finish()) return kReportExitFailed;
    return kReportExitOk;
}

} // namespace tarvo::cli
