#include "core/check/CheckConditions.h"

#include "core/project/CommonData.h"

namespace tarvo {

CheckConditions CheckConditions::of(const CommonData& common) {
    CheckConditions c;
    c.VelocityPressure = common.VelocityPressure;
    c.Alpha = common.Alpha;
    c.Zb = common.Zb;
    c.BuildingHeight = common.BuildingHeight;
    c.WindCalcStandard = common.WindCalcStandard;
    c.RoughIndex = common.RoughIndex;
    c.MidHeight = common.MidHeight;
    for (int storey = 1; storey <= kStoreyCount; ++storey) {
        if (common.WoodenStorey[static_cast<std::size_t>(storey - 1)]) {
            c.LowestWoodenStorey = storey;
            break;
        }
    }
    return c;
}

} // namespace tarvo
