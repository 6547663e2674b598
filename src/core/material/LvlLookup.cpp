// Product kind 3 of the lookup: structural LVL.
#include <string>

#include "core/material/MaterialLookup.h"
#include "core/material/TableAccess.h"
#include "core/material/tables/GlulamTables.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo::material {

void lookupLvl(const MatInputData& selection, MatData& out) {
    out.productName = "構造用単板積層材 ";
    out.description = "構造用単板積層材";
    out.description += kFullWidthSpace;
    out.speciesName = std::string(nameAt(kLaminaSpecies, selection.KindOfWood[3]));

    // Steps 1-2: E class = grade index / 3 (rounded down), grade = remainder.
    const std::int32_t grade = selection.SelectGrade[3];
    if (grade >= 0) {
        const auto perClass = static_cast<std::int32_t>(kLvlGradesPerClass);
        if (const LvlClassRow* row = rowAt(kLvlTable, grade / perClass)) {
            const auto column = static_cast<std::size_t>(grade % perClass);
            const LvlGradeValues& values = row->grades[column];
            out.E0 = row->E0;
            out.Elow = row->Elow;
            out.description += row->label;
            out.description += ' ';
            out.description += kLvlGradeNames[column];
            out.Fc = values.Fc;
            out.Ft = values.Ft;
            out.Fbx = values.Fb;
        }
    }

    // Step 3: the horizontal-shear class.
    if (const LvlShearClass* shear = rowAt(kLvlShearClasses, selection.LVL_Shear_Index)) {
        out.shearClass = std::string(shear->label);
        out.Fsx = shear->Fsx;
        out.Fsy = shear->Fsy;
    }

    // Step 4.
    out.FbxNeg = out.Fbx;
    out.Fby = out.Fbx;

    // Steps 5-6: Fcv and end-position factor of the veneer species.
    applyLaminaSpecies(selection, selection.KindOfWood[3], /*withShear=*/false, out);
}

} // namespace tarvo::material
