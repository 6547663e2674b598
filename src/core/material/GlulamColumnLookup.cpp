// Product kind 4 of the lookup: decorative-faced glulam column.
// The species is stored in `SelectGrade`[4].
#include <string>

#include "core/material/MaterialLookup.h"
#include "core/material/TableAccess.h"
#include "core/material/tables/GlulamTables.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo::material {

void lookupGlulamColumn(const MatInputData& selection, MatData& out) {
    const std::int32_t k = selection.SelectGrade[4];
    out.description = "化粧梁構造用集成柱";
    out.description += kFullWidthSpace;
    out.description += nameAt(kColumnSpecies, k);
    // speciesName stays empty for the glulam column.

    if (const GlulamColumnRow* row = rowForSpecies(kGlulamColumnTable, k)) {
        out.Fc = row->Fc;
        out.Ft = row->Ft;
        out.Fbx = row->Fb;
        out.Fsx = row->Fsx;
        out.Fsy = row->Fsy;
    }
    out.FbxNeg = out.Fbx;
    out.Fby = out.Fbx;
    // The glulam column is never a horizontal member: Fcv, E0 and Elow are 0,
    // and UseEndPosFcv has no effect.
    out.Fcv = 0;
    out.E0 = 0;
    out.Elow = 0;
}

} // namespace tarvo::material
