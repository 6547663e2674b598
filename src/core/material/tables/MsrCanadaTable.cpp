// MSR 2x4 table, Canada ("MSR tables", standard 2): 14 grades,
// the US grades "1200f-1.2E" to "3000f-2.4E" without "1650f-1.4E", with the
// values published for them; the position is `SelectGrade`[1].
#include "core/material/tables/DimensionLumberTables.h"

namespace tarvo::material {

// clang-format off
const std::array<MsrGrade, 14> kMsrCanadaTable{{
//   grade          Fc    Ft    Fb     E0
    {"1200f-1.2E", 18.6,  9.0, 17.4,  8300}, //  0
    {"1350f-1.3E", 21.0, 11.4, 19.8,  9000}, //  1
    {"1450f-1.3E", 21.6, 12.0, 21.0,  9000}, //  2
    {"1500f-1.4E", 21.6, 13.2, 22.2,  9700}, //  3
    {"1650f-1.5E", 22.8, 15.0, 24.0, 10300}, //  4
    {"1800f-1.6E", 23.4, 17.4, 26.4, 11000}, //  5
    {"1950f-1.7E", 24.0, 20.4, 28.8, 11700}, //  6
    {"2100f-1.8E", 24.6, 23.4, 30.6, 12400}, //  7
    {"2250f-1.9E", 25.2, 25.8, 33.0, 13100}, //  8
    {"2400f-2.0E", 26.4, 28.2, 34.8, 13800}, //  9
    {"2550f-2.1E", 27.0, 30.0, 37.2, 14500}, // 10
    {"2700f-2.2E", 27.6, 31.2, 39.6, 15200}, // 11
    {"2850f-2.3E", 28.2, 33.6, 41.4, 15900}, // 12
    {"3000f-2.4E", 29.4, 34.8, 43.8, 16500}, // 13
}};
// clang-format on

} // namespace tarvo::material
