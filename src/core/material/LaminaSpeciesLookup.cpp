// The lamina-species step shared by glulam and LVL.
#include "core/material/MaterialLookup.h"
#include "core/material/TableAccess.h"
#include "core/material/tables/GlulamTables.h"
#include "core/text/Rounding.h"

namespace tarvo::material {

void applyLaminaSpecies(const MatInputData& selection, std::int32_t k, bool withShear, MatData& out) {
    double factor = kLaminaDefaultEndPosFactor;
    if (const LaminaSpeciesRow* row = rowForSpecies(kLaminaSpeciesTable, k)) {
        if (withShear) {
            out.Fsx = row->Fsx;
            out.Fsy = row->Fsy;
        }
        out.Fcv = row->Fcv;
        factor = row->endPosFactor;
    }
    if (selection.UseEndPosFcv) out.Fcv = round1(out.Fcv * factor);
}

} // namespace tarvo::material
