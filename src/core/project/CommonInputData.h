#pragma once
// The common conditions of a project that the project file stores: the basis
// and data of the wind pressure, floor level and storey heights with the
// wooden-storey flags, and the snow area.
#include <array>
#include <cstdint>

namespace tarvo {

inline constexpr int kStoreyCount = 4;

struct CommonInputData {
    std::int32_t WindCalcStandard = 0;              // 0 Art. 87, 1 Notification 1458
    std::int32_t V0Index = 0;                       // V0 = 30 + 2 × V0Index m/s
    std::int32_t RoughIndex = 2;                    // terrain roughness Ⅰ..Ⅳ as 0..3
    double BuildingHeight = 0;                      // H in m; 0 switches wind off
    double Up_q = 1.0;                              // increase factor on the velocity pressure
    double FirstFloorLevel = 0;                     // floor level above ground, m
    std::array<double, kStoreyCount> FloorHeight{}; // storeys 1..4, m
    std::array<bool, kStoreyCount> WoodenStorey{};  // storey is of timber
    std::int32_t SnowEria = 0;                      // 0 general, 1 heavy snow

    friend bool operator==(const CommonInputData&, const CommonInputData&) = default;
};

} // namespace tarvo
