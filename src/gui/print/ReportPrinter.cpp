#include "gui/print/ReportPrinter.h"

#include <QFileInfo>
#include <QPainter>
#include <QString>

#include "core/print/DeviceGeometry.h"
#include "core/print/PageComposer.h"
#include "core/print/Paginator.h"
#include "core/print/PrintJobPlan.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/project/ColumnsData.h"
#include "core/text/MessageSink.h"
#include "core/text/SafeFileWriter.h"
#include "gui/print/PrinterAccess.h"
#include "gui/print/QtPainterCanvas.h"
#include "gui/print/QtText.h"

namespace tarvo::gui {
namespace {

const QString kJobTitle = QStringLiteral("Tarvo Posts");

// A PDF file must be named, and not by a folder.
bool fileNamed(const PrinterAccess& access) {
    const QString file = access.outputFileName();
    return !file.isEmpty() && !QFileInfo(file).isDir();
}

} // namespace

PrintOutcome ReportPrinter::print(QWidget* parent, ColumnsData& columns, ReportSource& source) {
    refreshPrinterGeometry(printer_, access_);
    const int pages = paginate(columns, settings_, printer_, source);
    PrintRequest request;
    if (!access_.printDialog(parent, pages, request)) return PrintOutcome::Cancelled;
    if (access_.printsToFile() && !fileNamed(access_)) return PrintOutcome::Cancelled;

    // The printer or its paper may have changed in the dialog.
    refreshPrinterGeometry(printer_, access_);
    const int pageCount = paginate(columns, settings_, printer_, source);
    const PrintJobPlan plan = planPrintJob(pageCount, request, access_.makesCopies());
    access_.setCopies(plan.deviceCopies);
    const PrintOutcome outcome = printJobs(columns, plan);
    // A report printed into a file says where it is.
    if (outcome == PrintOutcome::Printed && access_.printsToFile())
        messages_.showMessage(MessageKind::Information,
                              "PDF ファイルに印刷しました。\n" + toPath(access_.outputFileName()).string());
    return outcome;
}

PrintOutcome ReportPrinter::printJobs(const ColumnsData& columns, const PrintJobPlan& plan) {
    const PageComposer composer(printer_, settings_, columns.reportLines, columns.pageStarts);
    const std::vector<int> pages = plan.pagesOfJob();
    for (int job = 0; job < plan.jobs; ++job) {
        if (!access_.beginJob(kJobTitle)) {
            if (access_.printsToFile()) {
                SafeWriteResult failure = access_.fileResult();
                if (failure.ok()) failure.status = SafeWriteStatus::CannotCreateTemp;
                messages_.showMessage(MessageKind::Error, fileErrorMessage(failure, toPath(access_.outputFileName())));
            } else {
                messages_.showMessage(MessageKind::Error, "Print Error: \n" + access_.printerName().toStdString());
            }
            return PrintOutcome::Failed;
        }
        QtPainterCanvas canvas(*access_.canvas());
        bool first = true;
        for (const int page : pages) {
            if (!first) access_.newPage();
            first = false;
            composer.drawPage(canvas, printer_, page, printedPageNumber(settings_.firstPageNo, page), false);
        }
        if (!access_.endJob()) {
            messages_.showMessage(MessageKind::Error,
                                  access_.printsToFile()
                                      ? fileErrorMessage(access_.fileResult(), toPath(access_.outputFileName()))
                                      : "Print Error: \n" + access_.printerName().toStdString());
            return PrintOutcome::Failed;
        }
    }
    return PrintOutcome::Printed;
}

} // namespace tarvo::gui
