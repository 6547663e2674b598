// Ungraded table of sawn lumber (standard 2, and the sawn
// horizontal member), one initializer row per table row.
#include "core/material/tables/SawnLumberTables.h"

namespace tarvo::material {

// clang-format off
const std::array<UngradedRow, 8> kUngradedTable{{
//  species    Fc    Ft    Fb    Fs   Fcv    E0     Elow
    { 0,  1,  22.2, 17.7, 28.2, 2.4,  9.0,  8000, 5500}, // あかまつ, くろまつ (0, 1)
    { 2,  2,  22.2, 17.7, 28.2, 2.4,  9.0, 10000, 6500}, // べいまつ (2)
    { 3,  3,  20.7, 16.2, 26.7, 2.1,  7.8,  8000, 5500}, // からまつ (3)
    { 4,  6,  20.7, 16.2, 26.7, 2.1,  7.8,  9000, 6000}, // ひば, ひのき, べいひ (4-6)
    { 7,  8,  19.2, 14.7, 25.2, 2.1,  6.0,  8000, 5500}, // つが, べいつが (7, 8)
    { 9, 15,  17.7, 13.5, 22.2, 1.8,  6.0,  7000, 4500}, // もみ, えぞまつ, とどまつ, べにまつ, すぎ, べいすぎ, スプルース (9-15)
    {16, 16,  27.0, 24.0, 38.4, 4.2, 12.0, 10000, 6500}, // かし (16)
    {17, 20,  21.0, 18.0, 29.4, 3.0, 10.8,  8000, 5500}, // くり, なら, ぶな, けやき (17-20)
}};
// clang-format on

} // namespace tarvo::material
