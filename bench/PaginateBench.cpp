// Pagination of a large project: the report text of every item (each checked
// afresh) laid out in A4 pages with the default layout.
#include <benchmark/benchmark.h>

#include "bench/MixedProject.h"

#include <vector>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/Paginator.h"
#include "core/print/PrintDefault.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportTextSource.h"
#include "core/print/WholeSheetTarget.h"
#include "samples/SampleProjects.h"

namespace {

void BM_Paginate(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    auto& [common, columns, catalogue, check] = project;
    tarvo::PrinterInfomation printer;
    tarvo::PrintSettings settings;
    tarvo::applyPrintDefault(tarvo::builtInPrintDefault(), printer, settings, tarvo::WholeSheetTarget::a4Pdf());
    tarvo::ReportTextSource source(common, columns, check);
    int pages = 0;
    for (auto _ : state) {
        pages = tarvo::paginate(columns, settings, printer, source);
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Paginate)->Arg(1000)->Unit(benchmark::kMillisecond);

// The layout alone: the same items' lines, built once and handed out again,
// so that the cost of the report text is left out.
class CachedSource final : public tarvo::ReportSource {
public:
    CachedSource(tarvo::ReportSource& source, tarvo::ColumnsData& columns) {
        source.appendHeader(header_);
        for (int i = 0; i < columns.Count(); ++i) {
            tarvo::ReportLines lines;
            source.buildItem(columns.Item(i), lines, i + 1);
            items_.push_back(lines);
        }
    }
    void appendHeader(tarvo::ReportLines& lines) override { lines.insert(lines.end(), header_.begin(), header_.end()); }
    bool buildItem(const tarvo::ColumnMember&, tarvo::ReportLines& list, int number) override {
        list = items_[static_cast<std::size_t>(number - 1) % items_.size()];
        return true;
    }

private:
    tarvo::ReportLines header_;
    std::vector<tarvo::ReportLines> items_;
};

void BM_PaginateLayoutOnly(benchmark::State& state) {
    tarvo::bench::MixedProject project(static_cast<int>(state.range(0)));
    auto& [common, columns, catalogue, check] = project;
    tarvo::PrinterInfomation printer;
    tarvo::PrintSettings settings;
    tarvo::applyPrintDefault(tarvo::builtInPrintDefault(), printer, settings, tarvo::WholeSheetTarget::a4Pdf());
    tarvo::ReportTextSource text(common, columns, check);
    CachedSource source(text, columns);
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvo::paginate(columns, settings, printer, source));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PaginateLayoutOnly)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
