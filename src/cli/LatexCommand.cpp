#include "cli/LatexCommand.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "cli/OutputFileGuard.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/PrintDefault.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/report/LatexSettings.h"
#include "core/report/LatexTypesetRun.h"
#include "core/report/LatexWriter.h"
#include "core/text/BufferedFileWriter.h"
#include "core/text/MessageSink.h"
#include "core/text/SafeFileWriter.h"

namespace tarvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: tarvo-posts latex FILE.tvp [-o OUT.tex] [--compile] [--view] [--summary] [--materials]\n";
constexpr const char* kProposedName = "Tarvo.tex";

struct LatexOptions {
    std::string project;
    std::string output;
    bool compile = false;
    bool view = false;
    bool summary = false;
    bool materials = false;
};

bool parseOptions(const std::vector<std::string>& args, LatexOptions& options, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--compile") {
            options.compile = true;
        } else if (arg == "--view") {
            options.view = true;
        } else if (arg == "--summary") {
            options.summary = true;
        } else if (arg == "--materials") {
            options.materials = true;
        } else if (arg == "-o" || arg == "--output") {
            if (i + 1 >= args.size()) {
                err << "tarvo-posts latex: " << arg << " needs a file name\n" << kUsage;
                return false;
            }
            options.output = args[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            err << "tarvo-posts latex: unknown option \"" << arg << "\"\n" << kUsage;
            return false;
        } else if (options.project.empty()) {
            options.project = arg;
        } else {
            err << "tarvo-posts latex: only one project file can be written at a time\n";
            return false;
        }
    }
    if (options.project.empty()) {
        err << kUsage;
        return false;
    }
    // The viewer shows what the compiler made.
    if (options.view) options.compile = true;
    return true;
}

// Without -o the document goes beside the project, as the window proposes.
std::filesystem::path outputPath(const LatexOptions& options) {
    if (!options.output.empty()) return options.output;
    return std::filesystem::path(options.project).parent_path() / kProposedName;
}

// The document's pieces, on their way into the file.
class LatexFileSink final : public LatexSink {
public:
    explicit LatexFileSink(const std::filesystem::path& target) : file(target) { file.open(); }
    std::int64_t write(std::string_view bytes) override {
        return file.write(bytes) ? static_cast<std::int64_t>(bytes.size()) : -1;
    }
    BufferedFileWriter file;
};

int compileAndView(const LatexSettings& settings, const std::filesystem::path& texFile, bool view, std::ostream& out,
                   std::ostream& err) {
    const std::unique_ptr<LatexToolRunner> runner = makeLatexToolRunner();
    LatexTypesetRun run(*runner, settings.tools, texFile);
    switch (run.start()) {
    case LatexRunStatus::NoCompiler:
        err << "LaTeX compiler not found: set \"Compiler\" in section [LaTeX2e] of Tarvo.ini or put platex on PATH\n";
        return kLatexExitCompileFailed;
    case LatexRunStatus::NotStarted:
        err << "Compiler Start Error: \n" << settings.tools.compiler << '\n';
        return kLatexExitCompileFailed;
    default: break;
    }
    if (run.wait() != LatexRunStatus::Compiled) {
        err << "Compile Error: \n" << std::filesystem::absolute(texFile).string() << '\n';
        if (!run.firstErrorLine().empty()) {
            err << run.firstErrorLine() << '\n';
        } else {
            err << "(see " << run.logFile().string() << ")\n";
        }
        return kLatexExitCompileFailed;
    }
    out << run.dviFile().string() << '\n';
    if (view && !run.startViewer()) {
        err << "tarvo-posts latex: no viewer could be started for " << run.dviFile().string() << '\n';
    }
    return kLatexExitOk;
}

} // namespace

int runLatexCommand(const std::vector<std::string>& args, const SettingsLocation& location, std::ostream& out,
                    std::ostream& err) {
    LatexOptions options;
    if (!parseOptions(args, options, err)) return kLatexExitWriteFailed;

    const std::filesystem::path settingsFile = location.settingsFile();
    CommonData common(settingsFile);
    ColumnsData columns;
    RecordingMessageSink messages;
    if (LoadProject(options.project, common, columns, messages) != 0) {
        for (const auto& entry : messages.entries)
            err << entry.text << '\n';
        if (messages.entries.empty()) err << "データの読み込みに失敗しました。\n" << options.project << '\n';
        return kLatexExitWriteFailed;
    }

    const MatDataBase catalogue;
    ColumnCheck check(catalogue, common);
    if (!columns.AnyComputable(check)) {
        err << "出力するデータがありません\n";
        return kLatexExitNoData;
    }

    // The tools found on PATH, then the stored settings.
    LatexSettings settings;
    const char* path = std::getenv("PATH");
    settings.tools = findLatexTools(path != nullptr ? path : "");
    settings.readStored(settingsFile);
    const LatexHeaderText header = loadLatexHeader(location.latexHeaderFile());

    LatexLayout layout = latexLayoutFrom(loadPrintDefault(settingsFile));
    layout.IsSummaryPrint = layout.IsSummaryPrint || options.summary;
    layout.IsMaterialsPrint = layout.IsMaterialsPrint || options.materials;
    LatexWriter writer(check, layout, header.text);
    const std::filesystem::path texFile = outputPath(options);
    if (outputWouldReplaceProject(options.project, texFile, err)) return kLatexExitWriteFailed;
    // The document goes to the file item by item.
    LatexFileSink document(texFile);
    const SafeWriteResult result =
        writer.writeLatexDocument(columns, document) < 0 ? document.file.result() : document.file.commit();
    if (!result.ok()) {
        err << fileErrorMessage(result, texFile) << '\n';
        return kLatexExitWriteFailed;
    }
    out << texFile.string() << '\n';
    if (!options.compile) return kLatexExitOk;
    return compileAndView(settings, texFile, options.view, out, err);
}

} // namespace tarvo::cli
