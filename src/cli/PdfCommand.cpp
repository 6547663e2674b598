#include "cli/PdfCommand.h"

#include <ostream>

#include "cli/OutputFileGuard.h"
#include "cli/ReportCommand.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/ReportTextSource.h"
#include "gui/print/HeadlessGuiApplication.h"
#include "gui/print/PdfReportWriter.h"

namespace tarvo::cli {

int runPdfCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                  std::ostream& err) {
    ReportOptions options;
    if (!parseReportOptions(args, "pdf", true, options, err)) return kReportExitFailed;
    if (outputWouldReplaceProject(options.path, options.outputPath, err)) return kReportExitFailed;
    ReportJob job(settings.settingsFile());
    if (!loadReportJob(options, settings, job, "pdf", err)) return kReportExitFailed;

    const gui::HeadlessGuiApplication application;
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, job.common);
    ReportTextSource source(job.common, job.columns, check);
    const gui::PdfWriteResult result =
        gui::PdfReportWriter(job.printer, job.settings).write(options.outputPath, job.columns, source);
    if (!result.ok) {
        err << result.error << '\n';
        return kReportExitFailed;
    }
    out << options.outputPath << ": " << result.pageCount << (result.pageCount == 1 ? " page\n" : " pages\n");
    return kReportExitOk;
}

} // namespace tarvo::cli
