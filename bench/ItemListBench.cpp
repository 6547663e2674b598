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

#include "bench/MixedProject.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "gui/app/FileCommands.h"
#include "gui/app/ItemListCommands.h"
#include "gui/app/MainForm.h"

namespace {

std::filesystem::path benchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "tarvo-bench-item-list";
    std::filesystem::create_directories(folder);
    return folder;
}

// A saved mixed project of `items` items, written once per run.
std::filesystem::path projectFile(int items) {
    const auto path = benchFolder() / ("mixed-" + std::to_string(items) + ".tvp");
    if (!std::filesystem::exists(path)) {
        tarvo::bench::MixedProject project(items);
        tarvo::NullMessageSink messages;
        tarvo::SaveProject(path, project.common, project.columns, messages);
    }
    return path;
}

std::unique_ptr<tarvo::gui::MainForm> openWindow(int items) {
    auto window = std::make_unique<tarvo::gui::MainForm>(benchFolder());
    window->show();
    window->fileCommands().OpenProjectFile(projectFile(items));
    QApplication::processEvents();
    return window;
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
BENCHMARK(BM_OpenProject)->Arg(10000)->Unit(benchmark::kMillisecond);

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
