// A whole PDF report of a large project: pagination, drawing every page with
// the font stand-ins and writing the file with its embedded fonts.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/MixedProject.h"

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/PrintDefault.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportTextSource.h"
#include "core/print/WholeSheetTarget.h"
#include "gui/print/HeadlessGuiApplication.h"
#include "gui/print/PdfReportWriter.h"
#include "samples/SampleProjects.h"

namespace {

void BM_PdfReport(benchmark::State& state) {
    const tarvo::gui::HeadlessGuiApplication application;
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    auto& [common, columns, catalogue, check] = project;
    tarvo::PrinterInfomation printer;
    tarvo::PrintSettings settings;
    auto defaults = tarvo::builtInPrintDefault();
    defaults.FirstPageNo = 1;
    tarvo::applyPrintDefault(defaults, printer, settings, tarvo::WholeSheetTarget::a4Pdf());
    tarvo::ReportTextSource source(common, columns, check);
    const auto path = std::filesystem::temp_directory_path() / "tarvo-bench-report.pdf";
    int pages = 0;
    for (auto _ : state) {
        const auto result = tarvo::gui::PdfReportWriter(printer, settings).write(path, columns, source);
        if (!result.ok) state.SkipWithError("PDF not written");
        pages = result.pageCount;
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_PdfReport)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
