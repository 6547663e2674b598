// The outputs of the headless subcommands made item by item or page by page
// for a large project, each handed to a sink that only counts the bytes: the
// JSON of `check --json`, the results CSV and the streamed pagination of
// `report` and `pdf`.
#include <benchmark/benchmark.h>

#include "bench/MixedProject.h"

#include <cstddef>
#include <span>
#include <streambuf>
#include <string_view>

#include "cli/CheckReportJson.h"
#include "core/print/PageSink.h"
#include "core/print/Paginator.h"
#include "core/print/PrintDefault.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportTextSource.h"
#include "core/print/WholeSheetTarget.h"
#include "core/project/ResultsCsvWriter.h"
#include "core/report/ItemPresentation.h"

namespace {

// A stream buffer that keeps nothing and counts what it was given.
class CountingBuffer final : public std::streambuf {
public:
    std::size_t bytes = 0;

protected:
    std::streamsize xsputn(const char* /*text*/, std::streamsize count) override {
        bytes += static_cast<std::size_t>(count);
        return count;
    }
    int_type overflow(int_type c) override {
        ++bytes;
        return c;
    }
};

void BM_CheckJson(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    auto& [common, columns, catalogue, check] = project;
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        tarvo::cli::CheckReportJson json(out, common);
        for (int i = 0; i < columns.Count(); ++i) {
            const tarvo::ColumnOutcome outcome = check.CheckColumn(columns.Item(i));
            json.addItem(i, tarvo::PresentItem(columns.Item(i), outcome, check));
        }
        json.finish();
        bytes = buffer.bytes;
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckJson)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_ResultsCsvPieces(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        tarvo::writeResultsCsv(project.columns, project.check, [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ResultsCsvPieces)->Arg(20000)->Unit(benchmark::kMillisecond);

class CountingPageSink final : public tarvo::PageSink {
public:
    void page(std::span<const tarvo::ReportLine> lines) override {
        for (const tarvo::ReportLine& line : lines)
            bytes += line.size();
    }
    std::size_t bytes = 0;
};

void BM_PaginateStreamed(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    auto& [common, columns, catalogue, check] = project;
    tarvo::PrinterInfomation printer;
    tarvo::PrintSettings settings;
    tarvo::applyPrintDefault(tarvo::builtInPrintDefault(), printer, settings, tarvo::WholeSheetTarget::a4Pdf());
    tarvo::ReportTextSource source(common, columns, check);
    int pages = 0;
    for (auto _ : state) {
        CountingPageSink sink;
        pages = tarvo::paginate(columns, settings, printer, source, sink);
        benchmark::DoNotOptimize(sink.bytes);
    }
    state.counters["pages"] = pages;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PaginateStreamed)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
