// Candidate sizes of the section design, mm, each list ascending. The 2x4
// size codes are not listed here: they are those of the size list
// (material/tables/SizeLists.cpp) for the item's material.
#include "core/design/tables/SectionSizeTables.h"

namespace tarvo::design {

// clang-format off
// Sides of the usual market sizes: sawn lumber, glulam, LVL and the glulam
// column (which allows only the sides of its own range, 90 to 135).
const std::array<double, 10> kMarketSides{
     90, 105, 120, 135, 150, 180, 210, 240, 270, 300,
};

// Sides beyond 300 for glulam and LVL.
const std::array<double, 10> kLargeSides{
    330, 360, 390, 420, 450, 480, 510, 540, 570, 600,
};

// Diameters of round sections, 10 mm steps.
const std::array<double, 37> kRoundDiameters{
     90, 100, 110, 120, 130, 140, 150, 160, 170, 180,
    190, 200, 210, 220, 230, 240, 250, 260, 270, 280,
    290, 300, 310, 320, 330, 340, 350, 360, 370, 380,
    390, 400, 410, 420, 430, 440, 450,
};
// clang-format on

} // namespace tarvo::design
