// 2x4 nominal size codes ("Size codes"): code and actual
// thickness b × width D in mm. The published table is read row by row
// (three code pairs per row); code 408 is missing there although the lists
// offer it and the size factors name it, so it is added at the end.
#include "core/material/tables/DimensionLumberTables.h"

namespace tarvo::material {

// clang-format off
const std::array<SizeCode, 19> kSizeCodeTable{{
//   code   b     D        code   b     D        code   b     D
    {104,  19,   89},     {208,  38,  184},     {410,  89,  235},
    {106,  19,  140},     {210,  38,  235},     {412,  89,  286},
    {203,  38,   64},     {212,  38,  286},     {414,  89,  336},
    {204,  38,   89},     {404,  89,   89},     {416,  89,  387},
    {206,  38,  140},     {406,  89,  140},     {606, 140,  140},
    {610, 140,  235},     {612, 140,  286},     {614, 140,  336},
    {408,  89,  184}, // missing from the published size table; added (89 × 184)
}};
// clang-format on

} // namespace tarvo::material
