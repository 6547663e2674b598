// LVL tables (kind 3): grades by E class and the
// horizontal-shear classes. The grade index `SelectGrade`[3] is
// 3 × class row + grade column.
// Rows are kept on one line each (clang-format off), wider than the usual 120
// columns on purpose, so that they can be held against the published rows.
#include "core/material/tables/GlulamTables.h"

namespace tarvo::material {

const std::array<std::string_view, kLvlGradesPerClass> kLvlGradeNames{"特級", "１級", "２級"};

// One row per E class: the three grade columns in published order, then
// E0 / Elow of the class (step 1 of the LVL branch).
// clang-format off
const std::array<LvlClassRow, 10> kLvlTable{{
//   class    "特級" Fc / Ft / Fb    "１級" Fc / Ft / Fb    "２級" Fc / Ft / Fb     E0    / Elow
    {"180E", {{ {46.8, 34.8, 58.2}, {45.0, 30.0, 49.8}, {42.0, 25.2, 42.0} }}, 18000, 15500},
    {"160E", {{ {41.4, 31.2, 51.6}, {40.2, 27.0, 44.4}, {37.2, 22.2, 37.2} }}, 16000, 14000}, // １級 Ft 27.0: the published 37.0 is a typo
    {"140E", {{ {36.0, 27.0, 45.0}, {34.8, 23.4, 39.0}, {32.4, 19.8, 32.4} }}, 14000, 12000},
    {"120E", {{ {31.2, 23.4, 39.0}, {30.0, 19.8, 33.0}, {27.6, 16.8, 27.6} }}, 12000, 10500},
    {"110E", {{ {28.2, 21.6, 35.4}, {27.0, 18.0, 30.0}, {25.8, 15.6, 25.8} }}, 11000,  9000},
    {"100E", {{ {25.8, 19.8, 32.4}, {25.2, 16.8, 27.6}, {23.4, 14.4, 23.4} }}, 10000,  8500},
    {"90E",  {{ {23.4, 17.4, 28.8}, {22.8, 15.0, 25.2}, {21.0, 12.6, 21.0} }},  9000,  7500},
    {"80E",  {{ {21.0, 15.6, 25.8}, {19.8, 13.2, 22.2}, {18.6, 11.4, 18.6} }},  8000,  7000},
    {"70E",  {{ {18.0, 13.8, 22.8}, {17.4, 12.0, 19.8}, {16.2,  9.6, 16.2} }},  7000,  6000},
    {"60E",  {{ {15.6, 12.0, 19.8}, {15.0, 10.2, 16.8}, {13.8,  8.4, 13.8} }},  6000,  5000},
}};

// Horizontal-shear classes by `LVL_Shear_Index`.
const std::array<LvlShearClass, 7> kLvlShearClasses{{
//   label         Fsx  Fsy
    {"(65V-55H)",  4.2, 3.6}, // 0
    {"(60V-51H)",  3.6, 3.3}, // 1
    {"(55V-47H)",  3.6, 3.0}, // 2
    {"(50V-43H)",  3.0, 2.7}, // 3
    {"(45V-38H)",  3.0, 2.4}, // 4
    {"(40V-34H)",  2.4, 2.1}, // 5
    {"(35V-30H)",  2.4, 1.8}, // 6
}};
// clang-format on

} // namespace tarvo::material
