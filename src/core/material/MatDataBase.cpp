// The lookup dispatch of the material catalogue ("Lookup").
#include "core/material/MatDataBase.h"

#include "core/material/MaterialLookup.h"

namespace tarvo {
namespace {

// Step 3: class Ⅰ (0) multiplies the eight strengths by 0.7, class Ⅱ (1) by
// 0.8; class Ⅲ and above change nothing. E0 and Elow are never reduced and
// nothing is rounded.
void applyUseEnvironment(std::int32_t environIndex, MatData& out) {
    double factor = 1.0;
    if (environIndex == 0)
        factor = 0.7;
    else if (environIndex == 1)
        factor = 0.8;
    else
        return;
    for (double* value : {&out.Fc, &out.Ft, &out.Fbx, &out.FbxNeg, &out.Fby, &out.Fsx, &out.Fsy, &out.Fcv})
        *value *= factor;
}

} // namespace

MatData MatDataBase::lookupStrength(const MatInputData& selection, int sizeCode) const {
    MatData out; // zeroed values, empty texts: nothing of an earlier lookup survives
    switch (selection.SelectProduct) {
    case kSawnLumber: material::lookupSawnLumber(selection, out); break;
    case kDimensionLumber: material::lookupDimensionLumber(selection, sizeCode, out); break;
    case kGlulam: material::lookupGlulam(selection, out); break;
    case kLvl: material::lookupLvl(selection, out); break;
    case kGlulamColumn: material::lookupGlulamColumn(selection, out); break;
    default: break; // unrecognised product kind: nothing is filled
    }
    applyUseEnvironment(selection.UseEnvironIndex, out);
    return out;
}

} // namespace tarvo
