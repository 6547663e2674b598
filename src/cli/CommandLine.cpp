#include "cli/CommandLine.h"

#include <filesystem>
#include <ostream>

#include "cli/CheckCommand.h"
#include "cli/DesignCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/LatexCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ResultsCommand.h"
#if defined(TARVO_WITH_PDF)
#include "cli/PdfCommand.h"
#endif

namespace tarvo::cli {

void printUsage(std::ostream& out) {
    out << "Usage: tarvo-posts [FILE.tvp]\n"
           "       tarvo-posts --version\n"
           "       tarvo-posts check FILE.tvp [--json]\n"
           "       tarvo-posts latex FILE.tvp [-o OUT.tex] [--compile] [--view] [--summary] [--materials]\n"
           "       tarvo-posts report FILE.tvp [--items LIST] [--summary] [--materials]\n"
           "       tarvo-posts pdf FILE.tvp -o OUT.pdf [--items LIST] [--summary] [--materials]\n"
           "       tarvo-posts export FILE.tvp -o ITEMS.csv\n"
           "       tarvo-posts results FILE.tvp -o RESULTS.csv\n"
           "       tarvo-posts import ITEMS.csv -o FILE.tvp [--into EXISTING.tvp]\n"
           "       tarvo-posts design FILE.tvp [--items LIST] [--all-pairs] [--json] [-o OUT.tvp]\n"
           "\n"
           "Checks wooden columns (posts) of timber buildings by the allowable-stress rules.\n"
           "  check FILE.tvp    check every column item of a project and print a table of verdicts\n"
           "    --json          print every input, result and derived value as UTF-8 JSON\n"
           "  latex FILE.tvp    write the report as a pLaTeX document (Shift-JIS), Tarvo.tex beside the project\n"
           "    -o OUT.tex      write it to OUT.tex instead\n"
           "    --compile       run the LaTeX compiler on it (exit 3 when it leaves no .dvi)\n"
           "    --view          compile, then open the viewer\n"
           "  report FILE.tvp   print the composed report lines with their markup, pages separated by a form feed\n"
           "  pdf FILE.tvp      write the printed report as a PDF (A4, layout of Tarvo.ini)\n"
           "    -o OUT.pdf      the PDF file to write\n"
           "    --items LIST    print only these items, 1-based numbers in print order (e.g. 3,1,5-7)\n"
           "    --summary       report, pdf, latex: the summary of the columns' check ratios before the columns\n"
           "    --materials     report, pdf, latex: the list of materials with their allowable stresses\n"
           "  export FILE.tvp   write every input of every column item as CSV (UTF-8), one row per item\n"
           "    -o ITEMS.csv    the CSV file to write\n"
           "  results FILE.tvp  check every item and write its results as CSV: ratios and OK/NG per load case\n"
           "    -o RESULTS.csv  the CSV file to write\n"
           "  import ITEMS.csv  read column items from CSV (UTF-8 or Shift-JIS, comma or tab separated)\n"
           "    -o FILE.tvp     the project to write, a new one with the default common conditions\n"
           "    --into OLD.tvp  append the items to the list of OLD.tvp instead (-o may name OLD.tvp)\n"
           "  design FILE.tvp   find the smallest section with which every verdict is OK, per item\n"
           "    --items LIST    design only these items (e.g. 3,1,5-7)\n"
           "    --all-pairs     try every b x D pair up to D = 3b, not the square sections alone\n"
           "    --json          print the present, proposed and next smaller sections as UTF-8 JSON\n"
           "    -o OUT.tvp      write the project with the proposed sections (exit 1: some item has none)\n"
           "  help, --help      print this text\n"
           "  --version         print the version\n"
           "\n"
           "Settings (Tarvo.ini, Tarvo_File.history, LatexHeader.txt) are kept beside the program when a\n"
           "Tarvo.ini is there, otherwise in $XDG_CONFIG_HOME/tarvo-posts (by default ~/.config/tarvo-posts).\n";
}

void printVersion(std::ostream& out) {
    out << "tarvo-posts " << TARVO_VERSION_TEXT << '\n';
}

bool opensWindow(const std::vector<std::string>& args) {
    if (args.empty()) return true;
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') return false;
    for (const char* command : {"check", "latex", "report", "pdf", "export", "results", "import", "design", "help"})
        if (args[0] == command) return false;
    return true;
}

int runCommandLine(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                   std::ostream& err) {
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        printUsage(out);
        return 0;
    }
    if (args[0] == "--version" && args.size() == 1) {
        printVersion(out);
        return 0;
    }
    if (args[0] == "check") {
        return runCheckCommand(std::vector<std::string>(args.begin() + 1, args.end()), settings, out, err);
    }
    if (args[0] == "design") {
        return runDesignCommand(std::vector<std::string>(args.begin() + 1, args.end()), settings, out, err);
    }
    if (args[0] == "latex") {
        return runLatexCommand(std::vector<std::string>(args.begin() + 1, args.end()), settings, out, err);
    }
    if (args[0] == "report") {
        return runReportCommand(std::vector<std::string>(args.begin() + 1, args.end()), settings, out, err);
    }
    if (args[0] == "export" || args[0] == "results" || args[0] == "import") {
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        const std::filesystem::path settingsFile = settings.settingsFile();
        if (args[0] == "export") return runExportCommand(rest, settingsFile, out, err);
        if (args[0] == "results") return runResultsCommand(rest, settingsFile, out, err);
        return runImportCommand(rest, settingsFile, out, err);
    }
    if (args[0] == "pdf") {
#if defined(TARVO_WITH_PDF)
        return runPdfCommand(std::vector<std::string>(args.begin() + 1, args.end()), settings, out, err);
#else
        err << "tarvo-posts pdf: PDF output needs the GUI build (configure with TARVO_BUILD_GUI=ON)\n";
        return 2;
#endif
    }
    if (args.size() == 1 && args[0].size() > 4 && args[0].compare(args[0].size() - 4, 4, ".tvp") == 0) {
        // Opening a project in the window: this build was made without it.
        err << "tarvo-posts: this build has no window; check the project with\n"
               "  tarvo-posts check \""
            << args[0] << "\"\n";
        return 2;
    }
    err << "tarvo-posts: unknown command \"" << args[0] << "\"\n";
    printUsage(err);
    return 2;
}

} // namespace tarvo::cli
