#pragma once
// The sizes the section design tries, ascending (tables/SectionSizeTable.cpp).
#include <array>

namespace tarvo::design {

// Market sides of rectangular sawn lumber, glulam, LVL and the glulam column, mm.
extern const std::array<double, 10> kMarketSides;
// The larger sides glulam and LVL are also made in, mm.
extern const std::array<double, 10> kLargeSides;
// Diameters of round sections, mm.
extern const std::array<double, 37> kRoundDiameters;

// Rectangular pairs b × D (b ≦ D) are tried up to D = kMaxAspect × b.
inline constexpr double kMaxAspect = 3.0;

} // namespace tarvo::design
