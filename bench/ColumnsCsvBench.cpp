// Export and import of the item CSV of a 10,000-item project, with the file
// written to and read from the disk.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "MixedProject.h"
#include "core/project/ColumnsCsvFile.h"
#include "core/text/MessageSink.h"

namespace {

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() / "tarvo-bench-10000.csv";
}

void BM_ExportColumnsCsv10000(benchmark::State& state) {
    const tarvo::bench::MixedProject project(10000);
    tarvo::NullMessageSink messages;
    const auto path = benchFile();
    for (auto _ : state) {
        if (tarvo::ExportColumnsCsv(path, project.columns, messages) != 0) state.SkipWithError("export failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportColumnsCsv10000)->Unit(benchmark::kMillisecond);

void BM_ImportColumnsCsv10000(benchmark::State& state) {
    tarvo::bench::MixedProject project(10000);
    tarvo::NullMessageSink messages;
    const auto path = benchFile();
    if (tarvo::ExportColumnsCsv(path, project.columns, messages) != 0) {
        state.SkipWithError("export failed");
        return;
    }
    for (auto _ : state) {
        const auto outcome =
            tarvo::ImportColumnsCsv(path, project.common, project.columns, tarvo::CsvImportMode::Replace, messages);
        if (!outcome.imported || outcome.count != 10000) state.SkipWithError("import failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ImportColumnsCsv10000)->Unit(benchmark::kMillisecond);

} // namespace
