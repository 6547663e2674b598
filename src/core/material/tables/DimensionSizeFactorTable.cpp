// 2x4 size factors (step 5 of the 2x4 branch), one row per
// group of size codes. Every other code leaves the values unchanged.
#include "core/material/tables/DimensionLumberTables.h"

namespace tarvo::material {

// clang-format off
const std::array<SizeFactorRow, 4> kSizeFactorTable{{
//   size codes          Fc    Ft    Fb
    {{106, 206, 406},   0.96, 0.84, 0.84},
    {{208, 408,   0},   0.93, 0.75, 0.75},
    {{210,   0,   0},   0.91, 0.68, 0.68},
    {{212,   0,   0},   0.89, 0.63, 0.63},
}};
// clang-format on

} // namespace tarvo::material
