// Glulam table T, "特定対称異等級構成", one row per grade in
// the published order; the position is the grade index `SelectGrade`[2].
#include "core/material/tables/GlulamTables.h"

namespace tarvo::material {

// clang-format off
const std::array<SymmetricGlulamGrade, 4> kGlulamTableT{{
//   grade          Fc    / Ft   / Fbx    Fby    E0    / Elow
    {"ME120-F330", 20.2, 17.6, 33.0,   12.7,  12000, 10000}, // 0
    {"ME105-F300", 17.9, 15.6, 30.0,   11.7,  10500,  9000}, // 1
    {"ME95-F270",  16.6, 14.5, 27.0,   11.1,   9500,  8000}, // 2
    {"ME85-F255",  15.9, 13.9, 25.5,   11.0,   8500,  7000}, // 3
}};
// clang-format on

} // namespace tarvo::material
