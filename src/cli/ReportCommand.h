#pragma once
// `tarvo-posts report FILE.tvp [--items LIST] [--summary] [--materials]`: composes the printed report
// with the layout of the settings file (on the PDF page,
// A4 at 600 dpi) and prints its lines with their markup, UTF-8, one page
// after another with a form-feed line between pages.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/text/SettingsLocation.h"

namespace tarvo::cli {

inline constexpr int kReportExitOk = 0;
inline constexpr int kReportExitFailed = 2; // unreadable file, bad usage or failed output

// The words of the report and pdf commands.
struct ReportOptions {
    std::string path;
    std::string outputPath;     // pdf only: -o OUT.pdf
    std::vector<int> selection; // 0-based item indices in print order; empty: all
    std::string itemList;       // the LIST as given
    bool summary = false;       // --summary: the summary pages before the columns
    bool materials = false;     // --materials: the list of materials before the columns
};

// Parses `args`; `allowOutput` accepts "-o PATH". On a usage error prints
// it to `err` and returns false.
bool parseReportOptions(const std::vector<std::string>& args, const char* command, bool allowOutput,
                        ReportOptions& options, std::ostream& err);
// Parses a LIST of 1-based item numbers ("3,1,5-7") into 0-based indices.
// False for an empty list, a malformed entry or a number outside 1 … count.
bool parseItemList(const std::string& list, int count, std::vector<int>& indices);

// A loaded project with the print layout of the settings file.
struct ReportJob {
    explicit ReportJob(const std::filesystem::path& settingsFile) : common(settingsFile) {}
    CommonData common;
    ColumnsData columns;
    PrinterInfomation printer;
    PrintSettings settings;
};

// Loads the project and the layout; prints the failure to `err` and returns
// false when the file cannot be read or the item list does not fit it.
bool loadReportJob(const ReportOptions& options, const SettingsLocation& settings, ReportJob& job, const char* command,
                   std::ostream& err);

int runReportCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                     std::ostream& err);

} // namespace tarvo::cli
