// libFuzzer target for the check and the reports on untrusted projects: any
// project the reader accepts is checked item by item and its report lines and
// LaTeX text are built. Every outcome must hold only finite values, so that
// no inf or NaN can reach the sheet, a report or the JSON, and must be the
// same when the items are checked again in the other order.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
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

void requireFinite(const std::optional<double>& value) {
    if (value) requireFinite(*value);
}

void requireFiniteResults(const tarvo::ColumnOutcome& o) {
    for (const double v : {o.A, o.Used.Cf, o.Used.TenonB, o.Used.TenonD, o.Used.Lky, o.Used.Lb})
        requireFinite(v);
    requireFinite(o.Lambda);
    if (o.Section) {
        for (const double v : {o.Section->Acv, o.Section->As, o.Section->Ix, o.Section->Iy, o.Section->SectionModulus})
            requireFinite(v);
    }
    if (o.Strengths) {
        for (const double v : {o.Strengths->Fb, o.Strengths->Fs, o.Strengths->Kz})
            requireFinite(v);
    }
    if (o.Buckling) {
        requireFinite(o.Buckling->Eta);
        requireFinite(o.Buckling->Fk);
    }
    if (o.Wind) {
        for (const double v : {o.Wind->Omega, o.Wind->M, o.Wind->Q, o.Wind->SigmaB, o.Wind->Tau, o.Wind->RatioCombined,
                               o.Wind->RatioShear})
            requireFinite(v);
    }
    for (const auto* values : {&o.SigmaC, &o.SigmaCv, &o.RatioC, &o.RatioCv}) {
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
    std::vector<tarvo::ColumnOutcome> outcomes;
    for (int i = 0; i < columns.Count(); ++i) {
        const tarvo::ColumnMember& item = columns.Item(i);
        outcomes.push_back(check.CheckColumn(item));
        requireFiniteResults(outcomes.back());
        tarvo::ReportLines itemLines;
        tarvo::buildItemText(item, itemLines, i + 1, check);
        tarvo::LatexBufferSink sink;
        latex.writeLatexItem(item, sink);
    }
    // An item's outcome does not depend on what was checked before it.
    for (int i = columns.Count() - 1; i >= 0; --i) {
        if (!(check.CheckColumn(columns.Item(i)) == outcomes[static_cast<std::size_t>(i)])) std::abort();
    }
    return 0;
}
