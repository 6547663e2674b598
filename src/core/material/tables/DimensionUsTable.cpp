// US 2x4 table (`ProductStandard2x4` 1). One row per grade,
// blocks in the published order (chosen by `KindOfWood`[1] = 0..3; group 4
// has no block); each cell is Fc, Ft, Fb, E0.
// Rows are kept on one line each (clang-format off), wider than the usual 120
// columns on purpose, so that they can be held against the published rows.
#include "core/material/tables/DimensionLumberTables.h"

namespace tarvo::material {

// clang-format off
// Fs of each block, from the block headings.
//                                               block 0  block 1  block 2  block 3
const std::array<double, kUsBlockCount> kUsBlockFs{2.4,     2.1,     1.8,     1.8};

const std::array<UsDimensionRow, 7> kUsDimensionTable{{
//   grade            block 0 (Fs 2.4)          block 1 (Fs 2.1)          block 2 (Fs 1.8)         block 3 (Fs 1.8)
    {"SS",           {{ {25.2, 24.0, 35.4, 13100}, {22.2, 22.2, 33.0, 11000}, {18.0, 13.8, 30.6, 9000}, {15.0, 14.4, 24.0, 7600} }}},
    {"No.1",         {{ {22.2, 16.2, 24.0, 11700}, {20.4, 15.0, 23.4, 10300}, {15.6,  9.6, 21.0, 8300}, {12.6, 10.2, 17.4, 6900} }}},
    {"No.2",         {{ {20.4, 13.8, 21.6, 11000}, {19.2, 12.6, 20.4,  9000}, {15.0,  8.4, 18.6, 7600}, {10.2, 10.2, 16.8, 6900} }}},
    {"No.3",         {{ {12.0,  7.8, 12.6,  9700}, {10.8,  7.2, 12.0,  8300}, { 9.0,  4.8, 10.2, 6900}, { 6.0,  6.0,  9.6, 6200} }}},
    {"Construction", {{ {21.6,  9.6, 15.0, 10300}, {20.4,  8.4, 14.4,  9000}, {15.6,  6.0, 13.2, 6900}, {11.4,  7.2, 12.0, 6200} }}},
    {"Standard",     {{ {18.6,  5.4,  8.4,  9700}, {17.4,  4.8,  8.4,  8300}, {13.8,  3.6,  7.8, 6200}, { 9.0,  4.2,  6.6, 5500} }}},
    {"Utility",      {{ {12.0,  3.0,  4.2,  9000}, {11.4,  2.4,  3.6,  7600}, { 9.0,  2.4,  3.6, 6200}, { 6.0,  1.8,  3.6, 5500} }}},
}};
// clang-format on

} // namespace tarvo::material
