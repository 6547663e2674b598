// Product kind 1 of the lookup: 2x4 dimension lumber.
#include <string>

#include "core/material/MaterialLookup.h"
#include "core/material/TableAccess.h"
#include "core/material/tables/DimensionLumberTables.h"
#include "core/text/Rounding.h"

namespace tarvo::material {
namespace {

constexpr double kEndPosFactor = 0.8;

// The species group whose name and Fcv the index takes: its own for 0, 1, 2
// and 4, "S-P-F" for any other value.
const SpeciesGroup& groupForTexts(std::int32_t g) {
    if (g == 0 || g == 1 || g == 2 || g == 4) return kSpeciesGroups[static_cast<std::size_t>(g)];
    return kSpeciesGroups[kFallbackSpeciesGroup];
}

void setBearing(const MatInputData& selection, const SpeciesGroup& group, MatData& out) {
    out.Fcv = group.Fcv;
    if (selection.UseEndPosFcv) out.Fcv = round1(out.Fcv * kEndPosFactor);
}

void setValues(const FcFtFbE& cell, double Fs, MatData& out) {
    out.Fc = cell.Fc;
    out.Ft = cell.Ft;
    out.Fbx = cell.Fb;
    out.Fsx = Fs;
    out.E0 = cell.E0;
}

// Step 6: the copies common to every 2x4 table.
void finish(MatData& out) {
    copyIsotropicBendingShear(out);
    out.Elow = out.E0;
}

// JAS and Canadian tables: rows = grades, columns = the five species groups,
// Fs from the species group.
template <class Table> void lookupGroupTable(const Table& table, std::int32_t grade, std::int32_t g, MatData& out) {
    const auto* row = rowAt(table, grade);
    if (row == nullptr) return;
    out.description += row->grade;
    const FcFtFbE* cell = rowAt(row->groups, g);
    if (cell == nullptr) return;
    setValues(*cell, kSpeciesGroups[static_cast<std::size_t>(g)].Fs, out);
}

// US table: rows = grades, columns = blocks 0..3 chosen by the group index in
// order; Fs from the block. Group 4 (and any other) has no block.
void lookupUsTable(std::int32_t grade, std::int32_t g, MatData& out) {
    const UsDimensionRow* row = rowAt(kUsDimensionTable, grade);
    if (row == nullptr) return;
    out.description += row->grade;
    const FcFtFbE* cell = rowAt(row->blocks, g);
    if (cell == nullptr) return;
    setValues(*cell, kUsBlockFs[static_cast<std::size_t>(g)], out);
}

void applySizeFactors(int sizeCode, MatData& out) {
    for (const SizeFactorRow& row : kSizeFactorTable)
        for (const int code : row.codes)
            if (code != 0 && code == sizeCode) {
                out.Fc *= row.Fc;
                out.Ft *= row.Ft;
                out.Fbx *= row.Fb;
                return;
            }
}

// MSR lumber: description "MSR製材　" + mark + grade; no species name and
// no size factors. Shear and bearing come from the species group as in the
// non-MSR branch: Fcv from the group (S-P-F for an unknown index) with the
// end-position factor, Fs only from one of the five groups.
void lookupMsr(const MatInputData& selection, MatData& out) {
    out.description = "MSR製材";
    out.description += kFullWidthSpace;
    const std::int32_t grade = selection.SelectGrade[1];
    const MsrGrade* row = nullptr;
    switch (selection.ProductStandard2x4) {
    case 1:
        out.description += "(USA)";
        row = rowAt(kMsrUsTable, grade);
        break;
    case 2:
        out.description += "(Canada)";
        row = rowAt(kMsrCanadaTable, grade);
        break;
    default: row = rowAt(kMsrJasTable, grade); break;
    }
    const std::int32_t g = selection.KindOfWood[1];
    setBearing(selection, groupForTexts(g), out);
    if (row != nullptr) {
        out.description += row->name;
        const SpeciesGroup* group = rowAt(kSpeciesGroups, g);
        if (group != nullptr) {
            out.Fc = row->Fc;
            out.Ft = row->Ft;
            out.Fbx = row->Fb;
            out.Fsx = group->Fs;
            out.E0 = row->E0;
        }
    }
    finish(out);
}

} // namespace

void lookupDimensionLumber(const MatInputData& selection, int sizeCode, MatData& out) {
    if (selection.UseMSR) {
        lookupMsr(selection, out);
        return;
    }
    const std::int32_t g = selection.KindOfWood[1];
    const SpeciesGroup& group = groupForTexts(g);
    out.description = std::string(group.name);
    setBearing(selection, group, out);
    out.speciesName = std::string(group.name);
    out.description += kFullWidthSpace;

    const std::int32_t grade = selection.SelectGrade[1];
    switch (selection.ProductStandard2x4) {
    case 1:
        out.description.insert(0, "アメリカ格付規格 ");
        lookupUsTable(grade, g, out);
        break;
    case 2:
        out.description.insert(0, "カナダ格付規格 ");
        lookupGroupTable(kCanadaDimensionTable, grade, g, out);
        break;
    default: lookupGroupTable(kJasDimensionTable, grade, g, out); break;
    }
    applySizeFactors(sizeCode, out);
    finish(out);
}

} // namespace tarvo::material
