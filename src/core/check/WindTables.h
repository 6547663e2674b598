#pragma once
// Fixed wind data: the terrain roughness categories (Zb, ZG, α and the gust
// factor Gf at the two ends of its height range) and the gust factor Gpe of
// cladding pressures at the two ends of its height range.
#include <array>

namespace tarvo {

// clang-format off
struct RoughnessCategory {
    double Zb;     // m
    double ZG;     // m
    double Alpha;  // α
    double Gf10;   // Gf for H ≦ 10 m
    double Gf40;   // Gf for H ≧ 40 m
};

inline constexpr int kRoughnessCategoryCount = 4;

// Rows 0..3 are the categories Ⅰ..Ⅳ.
inline constexpr std::array<RoughnessCategory, kRoughnessCategoryCount> kRoughnessCategories{{
    //  Zb    ZG     α     Gf≦10  Gf≧40
    {   5.0, 250.0, 0.10,  2.0,   1.8 }, // Ⅰ
    {   5.0, 350.0, 0.15,  2.2,   2.0 }, // Ⅱ
    {   5.0, 450.0, 0.20,  2.5,   2.1 }, // Ⅲ
    {  10.0, 550.0, 0.27,  3.1,   2.3 }, // Ⅳ
}};

struct CladdingGustFactor {
    double Gpe5;   // Gpe at z ≦ 5 m
    double Gpe40;  // Gpe at z = 40 m
};

// By RoughIndex 0..3; the categories Ⅲ and Ⅳ share one row of values.
inline constexpr std::array<CladdingGustFactor, kRoughnessCategoryCount> kCladdingGustFactors{{
    //  z≦5   z=40
    {   2.2,  1.9 }, // Ⅰ
    {   2.6,  2.1 }, // Ⅱ
    {   3.1,  2.3 }, // Ⅲ
    {   3.1,  2.3 }, // Ⅳ
}};
// clang-format on

} // namespace tarvo
