// The text the headless outputs are made of: report numbers in their printf
// formats, the shortest numbers of the JSON, the report lines and the LaTeX
// document of a large project with its code page 932 bytes.
#include <benchmark/benchmark.h>

#include "bench/MixedProject.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/report/ItemPresentation.h"
#include "core/report/LatexItemText.h"
#include "core/report/LatexText.h"
#include "core/report/LatexWriter.h"
#include "core/report/ReportText.h"
#include "core/text/NumberText.h"
#include "core/text/TextFormat.h"

namespace {

// Values as a report prints them: stresses, ratios and lengths with every
// digit a computation leaves.
std::vector<double> reportValues() {
    std::vector<double> values;
    values.reserve(1000);
    for (int i = 0; i < 1000; ++i)
        values.push_back(0.37 + i * 1.2345678901);
    return values;
}

void BM_ReportNumberLine(benchmark::State& state) {
    const std::vector<double> values = reportValues();
    std::string line;
    std::size_t i = 0;
    for (auto _ : state) {
        const double v = values[i++ % values.size()];
        line.clear();
        tarvo::appendReportFormat(line, "#4　σc/fk＋σb/%s＝%.2f/%.2f＋%.2f/%.2f＝%.2f　%s", "fbx", v, v * 2, v / 3,
                                  v * 5, v / 7, "OK");
        benchmark::DoNotOptimize(line.data());
    }
    state.SetItemsProcessed(state.iterations() * 5); // numbers
}
BENCHMARK(BM_ReportNumberLine);

// Short decimals (inputs: 105, 2800, 12.5) and full-precision computed values.
void BM_ShortestNumber(benchmark::State& state) {
    std::vector<double> values = reportValues();
    if (state.range(0) == 0) {
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = static_cast<double>(i % 400) * 0.5 + 90;
    }
    std::array<char, tarvo::kShortestNumberMaxChars> buffer{};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvo::writeShortestNumber(buffer.data(), values[i++ % values.size()]));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(0) == 0 ? "short decimals" : "computed values");
}
BENCHMARK(BM_ShortestNumber)->Arg(0)->Arg(1);

void BM_ReportItemText(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    auto& [common, columns, catalogue, check] = project;
    tarvo::ReportLines lines;
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (int i = 0; i < columns.Count(); ++i) {
            if (!tarvo::buildItemText(columns.Item(i), lines, i + 1, check)) continue;
            for (const tarvo::ReportLine& line : lines)
                bytes += line.size();
        }
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReportItemText)->Arg(20000)->Unit(benchmark::kMillisecond);

class CountingLatexSink final : public tarvo::LatexSink {
public:
    std::int64_t write(std::string_view text) override {
        bytes += text.size();
        return static_cast<std::int64_t>(text.size());
    }
    std::size_t bytes = 0;
};

// The whole document: item texts, their pLaTeX characters and code page 932.
void BM_LatexDocument(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    tarvo::LatexWriter writer(project.check, tarvo::LatexLayout{}, "\\documentclass[a4j]{jarticle}\n");
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingLatexSink sink;
        writer.writeLatexDocument(project.columns, sink);
        bytes = sink.bytes;
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LatexDocument)->Arg(20000)->Unit(benchmark::kMillisecond);

// The code page 932 bytes of one item's LaTeX text.
void BM_PlatexBytesOfAnItem(benchmark::State& state) {
    tarvo::bench::MixedProject project(1);
    std::string text;
    tarvo::buildLatexItemText(project.columns.Item(0), project.check, text);
    for (auto _ : state) {
        const std::string bytes = tarvo::toPlatexCp932(text);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_PlatexBytesOfAnItem);

} // namespace
