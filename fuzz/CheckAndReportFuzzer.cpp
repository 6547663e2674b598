// libFuzzer target for the check and the reports on untrusted projects: any
// project the reader accepts is checked item by item and its report lines and
// LaTeX text are built. An item that checks (code 0) must have only finite
// results, so that no inf or NaN can reach the sheet, a report or the JSON.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/report/LatexWriter.h"
#include "core/report/ReportText.h"

namespace {

void requireFinite(double value) {
    if (!std::isfinite(value)) std::abort();
}

void requireFiniteResults(const tarvo::ColumnMember& item) {
    for (const double v : {item.A, item.Acv, item.As, item.Ix, item.Iy, item.Lambda, item.Eta, item.SectionModulus,
                           item.Omega, item.M, item.Q, item.Fk, item.Fb, item.Fs, item.Kz, item.Cf}) {
        requireFinite(v);
    }
    for (const auto* values : {&item.SigmaC, &item.SigmaCv, &item.SigmaB, &item.Tau, &item.RatioC, &item.RatioCombined,
                               &item.RatioShear, &item.RatioCv}) {
        for (const double v : *values)
            requireFinite(v);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tarvo::ProjectContents parsed;
    if (tarvo::parseProject(bytes, parsed) != tarvo::ProjectParseStatus::Ok) return 0;

    tarvo::CommonData common;
    common.input() = parsed.common;
    common.UpdateVelocityPressure();
    common.UpdateMidHeights();
    requireFinite(common.VelocityPressure);
    tarvo::ColumnsData columns;
    std::vector<tarvo::ColumnMember> items(parsed.items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i].input() = parsed.items[i];
    if (!columns.Replace(std::move(items))) std::abort();

    const tarvo::MatDataBase catalogue;
    tarvo::ColumnCheck check(catalogue, common);
    tarvo::ReportLines lines;
    tarvo::buildHeaderText(lines, common, columns);
    tarvo::LatexWriter latex(check, tarvo::LatexLayout{}, "\\documentclass[a4j]{jarticle}");
    for (int i = 0; i < columns.Count(); ++i) {
        tarvo::ColumnMember& item = columns.Item(i);
        if (check.CheckColumn(item) == tarvo::kCheckOk) requireFiniteResults(item);
        tarvo::ReportLines itemLines;
        tarvo::buildItemText(item, itemLines, i + 1, check);
        tarvo::LatexBufferSink sink;
        latex.writeLatexItem(item, sink);
    }
    return 0;
}
