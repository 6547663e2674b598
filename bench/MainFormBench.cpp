// The edit-and-check loop of the main window on a large project: checking
// and redrawing the shown item (with the whole-list check that enables the
// print entries), showing another item, and starting the window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>

#include <filesystem>
#include <memory>

#include "bench/MixedProjectWindow.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "gui/app/MainForm.h"

namespace {

std::filesystem::path projectFile(int items) {
    static const auto folder = tarvo::bench::benchFolder("tarvo-bench-window");
    return tarvo::bench::savedMixedProject(folder, items);
}

std::unique_ptr<tarvo::gui::MainForm> openWindow(int items) {
    auto window = std::make_unique<tarvo::gui::MainForm>(std::filesystem::temp_directory_path());
    window->show();
    window->openProjectOnStart(QString::fromStdString(projectFile(items).string()));
    QApplication::processEvents();
    return window;
}

void BM_RecomputeItem(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    for (auto _ : state)
        window->recomputeItem();
    state.counters["items"] = static_cast<double>(window->columns().Count());
}
BENCHMARK(BM_RecomputeItem)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ShowItem(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    const int count = window->columns().Count();
    int index = 0;
    for (auto _ : state) {
        window->ShowItem(index, true);
        index = (index + 7) % count; // every product kind in turn
    }
    state.counters["items"] = count;
}
BENCHMARK(BM_ShowItem)->Arg(1000)->Arg(10000)->Arg(190000)->Unit(benchmark::kMillisecond);

// From constructing the window to its first frame on the screen.
void BM_WindowStart(benchmark::State& state) {
    for (auto _ : state) {
        tarvo::gui::MainForm window(std::filesystem::temp_directory_path());
        window.show();
        while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
            QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_WindowStart)->Unit(benchmark::kMillisecond);

} // namespace
