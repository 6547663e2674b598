#pragma once
// Common conditions the form tests share.
#include "core/project/CommonData.h"

namespace tarvo::test {

// Wind on; storeys 1 and 2 of 3 m above a 0.5 m floor level, all wooden.
inline CommonData windy() {
    CommonData common;
    common.BuildingHeight = 6.5;
    common.FirstFloorLevel = 0.5;
    common.FloorHeight = {3, 3, 0, 0};
    common.WoodenStorey = {true, true, true, true};
    common.UpdateVelocityPressure();
    common.UpdateMidHeights();
    return common;
}

} // namespace tarvo::test
