// Cost of one column check over a mix of every product kind, wind on.
#include <benchmark/benchmark.h>

#include "bench/MixedProject.h"

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "samples/SampleProjects.h"

namespace {

void BM_CheckColumnPerItem(benchmark::State& state) {
    tarvo::bench::MixedProject project(64);
    auto& [common, columns, catalogue, check] = project;
    int index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(check.CheckColumn(columns.Item(index)));
        index = (index + 1) % columns.Count();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckColumnPerItem);

void BM_AnyComputable(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    auto& [common, columns, catalogue, check] = project;
    for (auto _ : state)
        benchmark::DoNotOptimize(columns.AnyComputable(check));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AnyComputable)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
