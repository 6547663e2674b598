// Product kind 0 of the lookup: structural sawn lumber.
#include <string>

#include "core/material/MaterialLookup.h"
#include "core/material/TableAccess.h"
#include "core/material/tables/SawnLumberTables.h"
#include "core/material/tables/SpeciesLists.h"
#include "core/text/Rounding.h"

namespace tarvo::material {
namespace {

void applyEndPosition(MatData& out, double factor) {
    out.Fcv = round1(out.Fcv * factor);
}

// Standard 0: species text, grade name, values of the grade.
void lookupVisualGrade(const MatInputData& selection, MatData& out) {
    const std::int32_t k = selection.KindOfWood[0];
    const std::int32_t grade = selection.SelectGrade[0];
    const std::string_view name = nameAt(kVisualGradeSpecies, k);
    out.speciesName = std::string(name);
    out.description = std::string(name) + std::string(kFullWidthSpace);

    if (const auto* gradeName = rowAt(kVisualGradeNames, grade)) out.description += *gradeName;

    const VisualGradeRow* row = rowForSpecies(kVisualGradeTable, k);
    const FcFtFb* values = row ? rowAt(row->grades, grade) : nullptr;
    if (values == nullptr) return;
    out.Fc = values->Fc;
    out.Ft = values->Ft;
    out.Fbx = values->Fb;
    out.Fsx = row->Fs;
    out.Fcv = row->Fcv;
    out.E0 = row->E0;
    out.Elow = row->Elow;
    copyIsotropicBendingShear(out);
    if (selection.UseEndPosFcv) applyEndPosition(out, kSoftwoodEndPosFactor);
}

// Standard 1: the grade list depends on the species group.
void lookupMachineGrade(const MatInputData& selection, MatData& out) {
    const std::int32_t k = selection.KindOfWood[0];
    const std::string_view name = nameAt(kMachineGradeSpecies, k);
    out.speciesName = std::string(name);
    out.description = std::string(name) + std::string(kFullWidthSpace);

    const MachineGradeGroup* group = rowForSpecies(kMachineGradeTable, k);
    if (group == nullptr) return;
    const std::int32_t grade = selection.SelectGrade[0];
    if (grade < 0 || static_cast<std::size_t>(grade) >= group->gradeCount) return;
    const MachineGrade& values = group->grades[static_cast<std::size_t>(grade)];
    out.description += values.name;

    const MachineGradeShearBearing* shear = nullptr;
    for (const auto& entry : kMachineGradeShearBearing)
        for (const auto species : entry.species)
            if (!species.empty() && species == name) shear = &entry;
    if (shear == nullptr) return; // cannot happen for a species of the table

    out.Fc = values.Fc;
    out.Ft = values.Ft;
    out.Fbx = values.Fb;
    out.Fsx = shear->Fs;
    out.Fcv = shear->Fcv;
    out.E0 = values.E0;
    out.Elow = values.Elow;
    copyIsotropicBendingShear(out);
    if (selection.UseEndPosFcv) applyEndPosition(out, kSoftwoodEndPosFactor);
}

// Standard 2 (any value other than 0 and 1): no grade; the table applies its
// own end-position factor, 0.75 for hardwoods and 0.8 for softwoods.
void lookupUngraded(const MatInputData& selection, MatData& out) {
    const std::int32_t k = selection.KindOfWood[0];
    const std::string_view name = nameAt(kUngradedSpecies, k);
    out.speciesName = std::string(name);
    out.description = std::string(name) + std::string(kFullWidthSpace) + "無等級材";

    const UngradedRow* row = rowForSpecies(kUngradedTable, k);
    if (row == nullptr) return;
    out.Fc = row->Fc;
    out.Ft = row->Ft;
    out.Fbx = row->Fb;
    out.Fsx = row->Fs;
    out.Fcv = row->Fcv;
    out.E0 = row->E0;
    out.Elow = row->Elow;
    copyIsotropicBendingShear(out);
    if (selection.UseEndPosFcv)
        applyEndPosition(out, k >= kUngradedFirstHardwood ? kHardwoodEndPosFactor : kSoftwoodEndPosFactor);
}

} // namespace

void lookupSawnLumber(const MatInputData& selection, MatData& out) {
    switch (selection.ProductStandardNormal) {
    case 0: lookupVisualGrade(selection, out); break;
    case 1: lookupMachineGrade(selection, out); break;
    default: lookupUngraded(selection, out); break;
    }
}

} // namespace tarvo::material
