// Load and save of a 10,000-item project.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "samples/SampleProjects.h"

namespace {

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() / "tarvo-bench-10000.tvp";
}

void BM_SaveProject10000(benchmark::State& state) {
    tarvo::CommonData common;
    tarvo::ColumnsData columns;
    tarvo::samples::buildMixedProject(10000, common, columns);
    tarvo::NullMessageSink messages;
    const auto path = benchFile().string();
    for (auto _ : state) {
        if (tarvo::SaveProject(path, common, columns, messages) != 0) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveProject10000)->Unit(benchmark::kMillisecond);

void BM_LoadProject10000(benchmark::State& state) {
    tarvo::CommonData common;
    tarvo::ColumnsData columns;
    tarvo::samples::buildMixedProject(10000, common, columns);
    tarvo::NullMessageSink messages;
    const auto path = benchFile().string();
    if (tarvo::SaveProject(path, common, columns, messages) != 0) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        if (tarvo::LoadProject(path, common, columns, messages) != 0) state.SkipWithError("load failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadProject10000)->Unit(benchmark::kMillisecond);

} // namespace
