// Size codes of the size list ("Size list").
#include "core/material/tables/SizeLists.h"

namespace tarvo::material {

// clang-format off
const std::array<int, 8>  kEndJointedSizeCodes{104, 204, 206, 208, 210, 212, 406, 408};
const std::array<int, 11> kDimensionSizeCodes {104, 106, 203, 204, 206, 208, 210, 212, 404, 406, 408};
const std::array<int, 9>  kGlulamSizeCodes    {404, 406, 408, 410, 412, 606, 610, 612, 614};
// clang-format on

} // namespace tarvo::material
