// Cost of one column check over a mix of every product kind, wind on.
#include <benchmark/benchmark.h>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "samples/SampleProjects.h"

namespace {

void BM_CheckColumnPerItem(benchmark::State& state) {
    tarvo::CommonData common;
    tarvo::ColumnsData columns;
    tarvo::samples::buildMixedProject(64, common, columns);
    const tarvo::MatDataBase catalogue;
    tarvo::ColumnCheck check(catalogue, common);
    int index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(check.CheckColumn(columns.Item(index)));
        index = (index + 1) % columns.Count();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckColumnPerItem);

void BM_AnyComputable(benchmark::State& state) {
    tarvo::CommonData common;
    tarvo::ColumnsData columns;
    tarvo::samples::buildMixedProject(static_cast<int>(state.range(0)), common, columns);
    const tarvo::MatDataBase catalogue;
    tarvo::ColumnCheck check(catalogue, common);
    for (auto _ : state)
        benchmark::DoNotOptimize(columns.AnyComputable(check));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AnyComputable)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
