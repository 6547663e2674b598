// 2x4 species groups ("Species groups"), one row per table row.
#include "core/material/tables/DimensionLumberTables.h"

namespace tarvo::material {

// clang-format off
const std::array<SpeciesGroup, kSpeciesGroupCount> kSpeciesGroups{{
//   name written into the texts   Fcv  Fs
    {"Dfir-L",                     9.0, 2.4}, // 0 (selector "D Fir-L")
    {"Hem-Tam",                    7.8, 2.1}, // 1
    {"Hem-Fir",                    6.0, 2.1}, // 2
    {"S-P-F",                      6.0, 1.8}, // 3
    {"W Ceder",                    6.0, 1.8}, // 4 (selector "W Cedar")
}};
// clang-format on

} // namespace tarvo::material
