#pragma once
// What every item's check takes from the common conditions of the project:
// the velocity pressure with the roughness values it was computed with, the
// basis and height the automatic Cf needs, the mid-storey heights and the
// lowest wooden storey. Made once from the common conditions and passed to
// each check, which reads nothing else of the project.
#include <array>
#include <cstdint>

#include "core/project/CommonInputData.h"

namespace tarvo {

class CommonData;

struct CheckConditions {
    double VelocityPressure = 0; // q, whole N/m²; 0 without wind
    double Alpha = 0;            // α of the roughness category in use
    double Zb = 0;               // Zb of the roughness category in use, m
    double BuildingHeight = 0;   // H, m
    std::int32_t WindCalcStandard = 0;
    std::int32_t RoughIndex = 2;
    std::array<double, kStoreyCount> MidHeight{}; // mid-heights of storeys 1..4, m
    // The lowest storey (1..4) of timber, kStoreyCount + 1 when none is:
    // the columns of that storey stand on the sill.
    int LowestWoodenStorey = kStoreyCount + 1;

    // Wind is considered: the velocity pressure is above 0.
    [[nodiscard]] bool windActive() const { return VelocityPressure > 0; }

    // The values `common` holds: its input block and the velocity pressure
    // and mid-heights its last updates computed.
    static CheckConditions of(const CommonData& common);
};

} // namespace tarvo
