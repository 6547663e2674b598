// A print job of about 100 pages handed to a PDF printer: the CUPS PDF queue
// "TarvoPDF" when the machine has one (tools/start-print-queue.sh), and a PDF
// file through the printer layer of a machine without printers. The time runs
// from the start of the job until the job is handed over.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QThread>

#include <filesystem>

#include "bench/MixedProject.h"
#include "core/print/Paginator.h"
#include "core/print/PrintDefault.h"
#include "core/print/PrintJobPlan.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportTextSource.h"
#include "core/text/MessageSink.h"
#include "gui/print/PrinterAccess.h"
#include "gui/print/ReportPrinter.h"

namespace {

// 235 items of the mixed project make 100 pages with the built-in layout.
constexpr int kItemsFor100Pages = 235;

void printHundredPages(benchmark::State& state, tarvo::gui::PrinterAccess& access) {
    tarvo::bench::MixedProject project(kItemsFor100Pages);
    tarvo::ReportTextSource source(project.common, project.columns, project.check);
    tarvo::PrinterInfomation printer;
    tarvo::PrintSettings settings;
    tarvo::applyPrintDefault(tarvo::builtInPrintDefault(), printer, settings, access);
    const int pages = tarvo::paginate(project.columns, settings, printer, source);
    tarvo::NullMessageSink messages;
    tarvo::gui::ReportPrinter reportPrinter(access, printer, settings, messages);
    const tarvo::PrintJobPlan plan = tarvo::planPrintJob(pages, {}, access.makesCopies());
    for (auto _ : state) {
        if (reportPrinter.printJobs(project.columns, plan) != tarvo::gui::PrintOutcome::Printed)
            state.SkipWithError("the job could not be printed");
    }
    state.counters["pages"] = pages;
}

// The queue writes each job into the user's PDF folder: once the jobs have
// gone through, the files of this run are removed.
void removeQueueOutput(const QDateTime& started) {
    for (int attempt = 0; attempt < 120; ++attempt) {
        QProcess pending;
        pending.start(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("not-completed"),
                                                 QStringLiteral("-o"), QStringLiteral("TarvoPDF")});
        if (!pending.waitForFinished(10000) || pending.readAllStandardOutput().trimmed().isEmpty()) break;
        QThread::msleep(500);
    }
    const QDir out(QDir::home().filePath(QStringLiteral("PDF")));
    for (const QFileInfo& info : out.entryInfoList({QStringLiteral("Tarvo_Posts*.pdf")}, QDir::Files)) {
        if (info.lastModified() >= started) QFile::remove(info.absoluteFilePath());
    }
}

void BM_PrintJobToCupsPdfQueue(benchmark::State& state) {
    tarvo::gui::PrinterAccess access;
    const int queue = static_cast<int>(access.printerNames().indexOf(QStringLiteral("TarvoPDF")));
    if (queue < 0) {
        state.SkipWithError("no CUPS PDF queue TarvoPDF (tools/start-print-queue.sh adds it)");
        for (auto _ : state) {
        }
        return;
    }
    access.setCurrentIndex(queue);
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    printHundredPages(state, access);
    removeQueueOutput(started);
}
BENCHMARK(BM_PrintJobToCupsPdfQueue)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PrintJobToPdfFile(benchmark::State& state) {
    tarvo::gui::PrinterAccess access;
    const QString file = QDir::temp().filePath(QStringLiteral("tarvo-bench-print.pdf"));
    access.printer().setOutputFileName(file);
    printHundredPages(state, access);
    state.counters["bytes"] = static_cast<double>(QFileInfo(file).size());
    QFile::remove(file);
}
BENCHMARK(BM_PrintJobToPdfFile)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
