// Cost of the section design of a whole project: every item of a mix of
// every product kind, wind on, designed one after another on one thread.
#include <benchmark/benchmark.h>

#include "bench/MixedProject.h"

#include "core/check/CheckConditions.h"
#include "core/design/SectionDesign.h"

namespace {

void BM_DesignEveryItem(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    auto& [common, columns, catalogue, check] = project;
    const tarvo::CheckConditions conditions = check.conditions();
    const tarvo::DesignOptions options{state.range(1) != 0};
    // Heavier columns try more candidates before one passes.
    for (int i = 0; i < columns.Count(); ++i)
        for (double& force : columns.Item(i).AxialForce)
            force *= static_cast<double>(state.range(2));
    long long trials = 0;
    for (auto _ : state) {
        for (int i = 0; i < columns.Count(); ++i) {
            const tarvo::SectionDesign design = tarvo::DesignSection(columns.Item(i), conditions, catalogue, options);
            trials += design.Trials;
            benchmark::DoNotOptimize(design);
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["trials/item"] =
        benchmark::Counter(static_cast<double>(trials) / static_cast<double>(state.iterations() * state.range(0)));
}
// 20,000 items: the square sections, every pair, and every pair with four
// times the forces.
BENCHMARK(BM_DesignEveryItem)
    ->ArgNames({"items", "pairs", "force"})
    ->Args({20000, 0, 1})
    ->Args({20000, 1, 1})
    ->Args({20000, 1, 4})
    ->Unit(benchmark::kMillisecond);

} // namespace
