// The item list and the file commands of the window on a 10,000-item
// project: filling the name list, opening the project until its first item
// is shown, and showing the arrange dialog with one line per item.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/MixedProjectWindow.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "gui/app/FileCommands.h"
#include "gui/app/ItemListCommands.h"
#include "gui/app/MainForm.h"

namespace {

const std::filesystem::path& benchFolder() {
    static const auto folder = tarvo::bench::benchFolder("tarvo-bench-item-list");
    return folder;
}

std::filesystem::path projectFile(int items) {
    return tarvo::bench::savedMixedProject(benchFolder(), items);
}

std::unique_ptr<tarvo::gui::MainForm> openWindow(int items) {
    return tarvo::bench::openMixedProjectWindow(benchFolder(), items);
}

void BM_FillNameList(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    for (auto _ : state)
        window->FillNameList();
    state.counters["items"] = static_cast<double>(window->columns().Count());
}
BENCHMARK(BM_FillNameList)->Arg(10000)->Unit(benchmark::kMillisecond);

// From reading the file to the first item drawn on the column page.
void BM_OpenProject(benchmark::State& state) {
    const auto window = openWindow(1);
    const auto file = projectFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (window->fileCommands().OpenProjectFile(file) != 0) state.SkipWithError("open failed");
        QApplication::processEvents();
    }
    state.counters["items"] = static_cast<double>(window->columns().Count());
}
BENCHMARK(BM_OpenProject)->Arg(10000)->Arg(190000)->Unit(benchmark::kMillisecond);

// From the arrange button to the dialog on the screen with every line,
// closed again at once with Cancel.
void BM_ArrangeDialogShown(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
        window->itemCommands().ArrangeButtonClick();
    }
    state.counters["items"] = static_cast<double>(window->columns().Count());
}
BENCHMARK(BM_ArrangeDialogShown)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
