// Product kind 2 of the lookup: structural glulam.
#include <string>

#include "core/material/MaterialLookup.h"
#include "core/material/TableAccess.h"
#include "core/material/tables/GlulamTables.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo::material {
namespace {

constexpr double kUnevaluatedLaminaFactor = 0.6;

// Tables S and T: FbxNeg = Fbx afterwards.
void lookupSymmetric(const SymmetricGlulamGrade* row, MatData& out) {
    if (row == nullptr) return;
    out.description += row->name;
    out.Fc = row->Fc;
    out.Ft = row->Ft;
    out.Fbx = row->Fbx;
    out.Fby = row->Fby;
    out.E0 = row->E0;
    out.Elow = row->Elow;
    out.FbxNeg = out.Fbx;
}

// Table A sets Fbx, FbxNeg and Fby itself.
void lookupAsymmetric(std::int32_t grade, MatData& out) {
    const AsymmetricGlulamGrade* row = rowAt(kGlulamTableA, grade);
    if (row == nullptr) return;
    out.description += row->name;
    out.Fc = row->Fc;
    out.Ft = row->Ft;
    out.Fbx = row->Fbx;
    out.FbxNeg = row->FbxNeg;
    out.Fby = row->Fby;
    out.E0 = row->E0;
    out.Elow = row->Elow;
}

// Tables U4, U3, U2 by the lamina count; another count sets nothing.
// FbxNeg = Fby = Fbx afterwards.
void lookupSameGrade(std::int32_t countIndex, std::int32_t grade, MatData& out) {
    const SameGradeRow* row = rowAt(kGlulamTableU, grade);
    const SameGradeCell* cell = row ? rowAt(row->counts, countIndex) : nullptr;
    if (cell == nullptr) return;
    out.description += cell->name;
    out.Fc = cell->Fc;
    out.Ft = cell->Ft;
    out.Fbx = cell->Fb;
    out.E0 = row->E0;
    out.Elow = row->Elow;
    out.FbxNeg = out.Fbx;
    out.Fby = out.Fbx;
}

} // namespace

void lookupGlulam(const MatInputData& selection, MatData& out) {
    out.productName = "構造用集成材 ";
    out.description = "構造用集成材";
    out.description += kFullWidthSpace;
    out.speciesName = std::string(nameAt(kLaminaSpecies, selection.KindOfWood[2]));

    // Step 1: the lay-up name goes in front, the grade table appends the grade.
    const std::int32_t grade = selection.SelectGrade[2];
    switch (selection.LaminaCompositionIndex) {
    case 1:
        out.description.insert(0, "対称異等級構成");
        lookupSymmetric(rowAt(kGlulamTableS, grade), out);
        break;
    case 2:
        out.description.insert(0, "特定対称異等級構成");
        lookupSymmetric(rowAt(kGlulamTableT, grade), out);
        break;
    case 3:
        out.description.insert(0, "非対称異等級構成");
        lookupAsymmetric(grade, out);
        break;
    default:
        out.description.insert(0, "同一等級構成");
        lookupSameGrade(selection.LaminaCountIndex, grade, out);
        break;
    }

    // Step 3 needs the shear of step 2; step 4 (end position) is inside
    // applyLaminaSpecies and only touches Fcv, so the order is kept.
    applyLaminaSpecies(selection, selection.KindOfWood[2], /*withShear=*/true, out);
    if (selection.LaminaCompositionIndex == 1 && selection.UnValuationLamina) {
        out.Fsx *= kUnevaluatedLaminaFactor;
        out.Fsy *= kUnevaluatedLaminaFactor;
    }
}

} // namespace tarvo::material
