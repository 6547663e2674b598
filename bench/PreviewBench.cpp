// The print preview: drawing one page at the fit zoom the window opens with,
// and opening the preview (pagination of the whole project, background and
// first page) of a large project.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/MixedProject.h"
#include "core/print/ReportTextSource.h"
#include "core/text/MessageSink.h"
#include "gui/print/PreviewForm.h"
#include "gui/print/PrintSetup.h"
#include "gui/print/PrinterAccess.h"
#include "gui/print/ReportPrinter.h"

namespace {

// A preview over a project of `items` items with the built-in layout.
struct PreviewBench {
    explicit PreviewBench(int items) : project(items) {}

    tarvo::bench::MixedProject project;
    tarvo::ReportTextSource source{project.common, project.columns, project.check};
    tarvo::gui::PrinterAccess access;
    tarvo::NullMessageSink messages;
    tarvo::gui::PrintSetup setup{access, std::filesystem::path("/nonexistent/Tarvo.ini"), messages};
    tarvo::gui::ReportPrinter printer{access, setup.printer(), setup.settings(), messages};
    tarvo::gui::PreviewForm form{setup, printer, project.columns, source};
};

void BM_PreviewDrawPageAtFitZoom(benchmark::State& state) {
    PreviewBench bench(30);
    bench.form.show();
    QApplication::processEvents();
    for (auto _ : state)
        bench.form.drawCurrentPage();
    state.counters["zoom"] = bench.form.zoom();
    state.counters["width"] = bench.form.image().width();
    state.counters["height"] = bench.form.image().height();
}
BENCHMARK(BM_PreviewDrawPageAtFitZoom)->Unit(benchmark::kMillisecond);

void BM_PreviewOpen(benchmark::State& state) {
    PreviewBench bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bench.form.show();
        state.PauseTiming();
        bench.form.hide();
        state.ResumeTiming();
    }
    state.counters["pages"] = bench.form.pageCount();
}
BENCHMARK(BM_PreviewOpen)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
