// Glulam table S, "対称異等級構成", one row per grade; the
// position is the grade index `SelectGrade`[2].
#include "core/material/tables/GlulamTables.h"

namespace tarvo::material {

// clang-format off
const std::array<SymmetricGlulamGrade, 11> kGlulamTableS{{
//   grade         Fc    / Ft   / Fbx    Fby    E0    / Elow
    {"E170-F495", 38.4, 33.5, 49.5,   35.4,  17000, 14000}, //  0
    {"E150-F435", 33.4, 29.2, 43.5,   30.6,  15000, 12500}, //  1
    {"E135-F375", 29.7, 25.9, 37.5,   27.6,  13500, 11500}, //  2
    {"E120-F330", 25.2, 22.4, 33.0,   24.0,  12000, 10000}, //  3
    {"E105-F300", 23.2, 20.2, 30.0,   21.6,  10500,  9000}, //  4
    {"E95-F270",  21.7, 18.9, 27.0,   20.4,   9500,  8000}, //  5
    {"E85-F255",  19.5, 17.0, 25.5,   18.0,   8500,  7000}, //  6
    {"E75-F240",  17.6, 15.3, 24.0,   15.6,   7500,  6500}, //  7
    {"E65-F225",  16.7, 14.6, 22.5,   15.0,   6500,  5500}, //  8
    {"E65-F220",  15.3, 13.4, 22.0,   12.6,   6500,  5500}, //  9
    {"E55-F200",  13.3, 11.6, 20.0,   10.2,   5500,  4500}, // 10
}};
// clang-format on

} // namespace tarvo::material
