// Machine-grade table of sawn lumber (standard 1). The
// published table gives one row per species group with its grades in sequence; here
// each group is one block with one line per grade, in the published order.
#include "core/material/tables/SawnLumberTables.h"

namespace tarvo::material {

// clang-format off
const std::array<MachineGradeGroup, 3> kMachineGradeTable{{
    // あかまつ, べいまつ, ダフリカからまつ, べいつが, えぞまつ, とどまつ (0-5): five grades
    {0, 5, 5, {{
    //   grade    Fc    Ft    Fb     E0     Elow
        {"E70",   9.6,  7.2, 12.0,  6900,  5900},
        {"E90",  16.8, 12.6, 21.0,  8800,  7800},
        {"E110", 24.6, 18.6, 30.6, 10800,  9800},
        {"E130", 31.8, 24.0, 39.6, 12700, 11800},
        {"E150", 39.0, 29.4, 48.6, 14700, 13700},
        {"",      0.0,  0.0,  0.0,     0,     0}, // (unused)
    }}},
    // からまつ, ひのき, ひば (6-8): six grades
    {6, 8, 6, {{
    //   grade    Fc    Ft    Fb     E0     Elow
        {"E50",  11.4,  8.4, 13.8,  4900,  3900},
        {"E70",  18.0, 13.2, 22.2,  6900,  5900},
        {"E90",  24.6, 18.6, 30.6,  8800,  7800},
        {"E110", 31.2, 23.4, 38.4, 10800,  9800},
        {"E130", 37.8, 28.2, 46.8, 12700, 11800},
        {"E150", 44.4, 33.0, 55.2, 14700, 13700},
    }}},
    // すぎ (9): six grades
    {9, 9, 6, {{
    //   grade    Fc    Ft    Fb     E0     Elow
        {"E50",  19.2, 14.4, 24.0,  4900,  3900},
        {"E70",  23.4, 17.4, 29.4,  6900,  5900},
        {"E90",  28.2, 21.0, 34.8,  8800,  7800},
        {"E110", 32.4, 24.6, 40.8, 10800,  9800},
        {"E130", 37.2, 27.6, 46.2, 12700, 11800},
        {"E150", 41.4, 31.2, 51.6, 14700, 13700},
    }}},
}};

// Fs and Fcv by species, as published.
const std::array<MachineGradeShearBearing, 5> kMachineGradeShearBearing{{
//    species                                   Fs   Fcv
    {{"あかまつ", "べいまつ", ""},               2.4, 9.0},
    {{"ダフリカからまつ", "", ""},               2.1, 9.0},
    {{"べいつが", "", ""},                       2.1, 6.0},
    {{"えぞまつ", "とどまつ", "すぎ"},           1.8, 6.0},
    {{"からまつ", "ひのき", "ひば"},             2.1, 7.8},
}};
// clang-format on

} // namespace tarvo::material
