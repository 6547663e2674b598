// Glulam table A, "非対称異等級構成", one row per grade; the
// position is the grade index `SelectGrade`[2].
#include "core/material/tables/GlulamTables.h"

namespace tarvo::material {

// clang-format off
const std::array<AsymmetricGlulamGrade, 11> kGlulamTableA{{
//   grade         Fc    / Ft   / Fbx  / FbxNeg / Fby    E0    / Elow
    {"E160-F480", 36.5, 31.8, 48.0, 34.5,    31.8,  16000, 13500}, //  0
    {"E140-F420", 31.7, 27.7, 42.0, 28.5,    27.0,  14000, 11500}, //  1
    {"E125-F360", 28.2, 24.6, 36.0, 25.5,    24.0,  12500, 10500}, //  2
    {"E110-F315", 24.5, 21.3, 31.5, 24.0,    21.6,  11000,  9000}, //  3
    {"E100-F285", 22.1, 19.3, 28.5, 22.5,    19.2,  10000,  8500}, //  4
    {"E90-F255",  20.7, 18.1, 25.5, 21.0,    18.0,   9000,  7500}, //  5
    {"E80-F240",  18.5, 16.2, 24.0, 19.5,    15.0,   8000,  6500}, //  6
    {"E70-F225",  16.6, 14.5, 22.5, 18.0,    13.8,   7000,  6000}, //  7
    {"E60-F210",  15.7, 13.7, 21.0, 16.5,    13.2,   6000,  5000}, //  8
    {"E60-F205",  14.3, 12.5, 20.5, 16.0,    10.8,   6000,  5000}, //  9
    {"E50-F170",  12.2, 10.6, 17.0, 14.0,     8.4,   5000,  4500}, // 10
}};
// clang-format on

} // namespace tarvo::material
