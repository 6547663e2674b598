// Canadian 2x4 table (`ProductStandard2x4` 2). One row per
// grade, columns in the published order; each cell is Fc, Ft, Fb, E0.
// Rows are kept on one line each (clang-format off), wider than the usual 120
// columns on purpose, so that they can be held against the published rows.
#include "core/material/tables/DimensionLumberTables.h"

namespace tarvo::material {

// clang-format off
const std::array<CanadaDimensionRow, 7> kCanadaDimensionTable{{
//   grade            Dfir-L (0)                Hem-Tam (1)              Hem-Fir (2)               S-P-F (3)                 W Ceder (4)
    {"SS",           {{ {27.6, 20.4, 32.4, 12800}, {18.0, 13.8, 29.4, 8200}, {24.6, 18.6, 32.4, 12000}, {20.4, 16.8, 30.0, 10500}, {15.0, 14.4, 24.0, 7600} }}},
    {"No.1",         {{ {23.4, 13.8, 22.2, 11900}, {15.0,  8.4, 18.6, 7600}, {22.2, 13.8, 24.0, 11500}, {18.0, 12.0, 22.2, 10000}, {12.6, 10.2, 17.4, 6900} }}},
    {"No.2",         {{ {20.4, 12.6, 19.8, 11000}, {12.6,  6.6, 13.8, 7600}, {21.0, 13.8, 24.0, 11000}, {17.4, 11.4, 21.6,  9600}, {10.2, 10.2, 16.8, 6900} }}},
    {"No.3",         {{ {12.0,  7.2, 11.4,  9800}, { 7.2,  3.6,  8.4, 6200}, {12.6,  7.8, 14.4,  9900}, {10.2,  6.6, 12.6,  9300}, { 6.0,  6.0,  9.6, 6200} }}},
    {"Construction", {{ {22.2,  9.6, 15.0, 10300}, {14.4,  4.8, 10.2, 6900}, {22.2, 10.2, 18.6, 10400}, {18.6,  8.4, 16.2,  9800}, {11.4,  7.2, 12.0, 6200} }}},
    {"Standard",     {{ {18.0,  5.4,  8.4,  9400}, {11.4,  3.0,  5.4, 6200}, {18.6,  6.0, 10.2,  9500}, {15.6,  4.8,  9.0,  8900}, { 9.0,  4.2,  6.6, 5500} }}},
    {"Utility",      {{ {12.0,  2.4,  4.2,  8800}, { 7.2,  1.2,  3.0, 5500}, {12.6,  3.0,  4.8,  8800}, {10.2,  2.4,  4.2,  8300}, { 6.0,  1.8,  3.6, 5500} }}},
}};
// clang-format on

} // namespace tarvo::material
