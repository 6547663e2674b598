// Edits of the project document through the window on a 10,000-item
// project: a typed field (command, check, redrawn sheet), undoing a field
// edit and a delete, the memory held by field steps, and writing the
// recovery copy.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QToolButton>
#include <QUndoStack>

#include <malloc.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/MixedProjectWindow.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "gui/app/FileCommands.h"
#include "gui/app/MainForm.h"
#include "gui/app/RecoveryKeeper.h"
#include "gui/ui/NumberEdit.h"

namespace {

const std::filesystem::path& benchFolder() {
    static const auto folder = tarvo::bench::benchFolder("tarvo-bench-edit-history");
    return folder;
}

std::unique_ptr<tarvo::gui::MainForm> openWindow(int items) {
    return tarvo::bench::openMixedProjectWindow(benchFolder(), items);
}

// An edit of the shown item's Lkx as a field makes it, committed at once.
void editField(tarvo::gui::MainForm& window) {
    window.currentItem().Lkx += 10;
    window.markChanged();
    // The user action ends with the event that made it.
    QApplication::processEvents();
}

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// Times undoing the last step; redoing it between runs is not timed.
void timeUndoSteps(benchmark::State& state, tarvo::gui::MainForm& window) {
    for (auto _ : state) {
        window.undo();
        state.PauseTiming();
        window.redo();
        state.ResumeTiming();
    }
    state.counters["items"] = window.columns().Count();
}

// A value typed into Lkx and committed as leaving the field does: the
// command, the check of the item and the redrawn page.
void BM_TypedFieldEdit(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    window->ShowItem(window->columns().Count() / 2, true);
    auto* lkx = window->findChild<tarvo::gui::NumberEdit*>(QStringLiteral("LkxEdit"));
    int value = 2000;
    for (auto _ : state) {
        lkx->setText(QString::number(++value));
        lkx->commit();
        state.PauseTiming();
        QApplication::processEvents(); // the user action ends
        state.ResumeTiming();
    }
    state.counters["steps"] = window->undoStack().count();
}
BENCHMARK(BM_TypedFieldEdit)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_UndoFieldEdit(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    window->ShowItem(window->columns().Count() / 2, true);
    editField(*window);
    timeUndoSteps(state, *window);
}
BENCHMARK(BM_UndoFieldEdit)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_UndoDelete(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    window->ShowItem(window->columns().Count() / 2, true);
    window->findChild<QToolButton*>(QStringLiteral("DeleteButton"))->click();
    timeUndoSteps(state, *window);
}
BENCHMARK(BM_UndoDelete)->Arg(10000)->Unit(benchmark::kMillisecond);

// Heap held by 1,000 recorded field edits (the history is cleared between
// runs, so every run measures the same growth).
void BM_FieldStepsMemory(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    double megabytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window->undoStack().clear();
        const std::size_t before = heapInUse();
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i)
            editField(*window);
        state.PauseTiming();
        megabytes = (static_cast<double>(heapInUse()) - static_cast<double>(before)) / (1024.0 * 1024.0);
        state.ResumeTiming();
    }
    state.counters["steps"] = window->undoStack().count();
    state.counters["MB"] = megabytes;
}
BENCHMARK(BM_FieldStepsMemory)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The recovery copy of a project with unsaved edits: what the window does
// (the snapshot of the inputs, handed to the worker) and the whole write
// with the flush to disk.
void BM_RecoveryCopySnapshot(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    editField(*window);
    for (auto _ : state) {
        window->recovery().changed();
        window->recovery().writeNow();
        state.PauseTiming();
        window->recovery().waitForWrite();
        state.ResumeTiming();
    }
    state.counters["items"] = window->columns().Count();
}
BENCHMARK(BM_RecoveryCopySnapshot)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteRecoveryCopy(benchmark::State& state) {
    const auto window = openWindow(static_cast<int>(state.range(0)));
    editField(*window);
    for (auto _ : state) {
        window->recovery().changed();
        window->writeRecoveryCopy();
    }
    state.counters["items"] = window->columns().Count();
}
BENCHMARK(BM_WriteRecoveryCopy)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
