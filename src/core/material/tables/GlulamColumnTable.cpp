// Glulam column table (kind 4), one initializer row per table
// row; indices of the column species list (tables/SpeciesLists.cpp).
#include "core/material/tables/GlulamTables.h"

namespace tarvo::material {

// clang-format off
const std::array<GlulamColumnRow, 12> kGlulamColumnTable{{
//  indices    Fc   / Ft   / Fb      Fsx / Fsy
    { 0,  0,   36.6, 32.4, 45.6,    4.8, 4.2}, // アピトン
    { 1,  5,   31.8, 28.2, 40.2,    4.8, 4.2}, // いたやかえで, かば, ぶな, みずなら, けやき
    { 6,  8,   31.8, 28.2, 40.2,    3.6, 3.0}, // ダフリカからまつ, サザンパイン, べいまつ
    { 9, 14,   29.4, 25.8, 37.2,    3.6, 3.0}, // ひのき, ひば, からまつ, あかまつ, くろまつ, べいひ
    {15, 15,   27.6, 24.0, 34.2,    3.3, 2.7}, // つが
    {16, 18,   27.6, 24.0, 34.2,    4.2, 3.6}, // たも, しおじ, にれ
    {19, 21,   27.6, 24.0, 34.2,    3.3, 2.7}, // アラスカイエローシダー, ラジアタパイン, べいつが
    {22, 27,   25.2, 22.2, 31.2,    3.0, 2.4}, // もみ, とどまつ, えぞまつ, べいもみ, スプルース, ロッジポールパイン
    {28, 28,   25.2, 22.2, 31.2,    3.3, 2.7}, // べにまつ
    {29, 32,   25.2, 22.2, 31.2,    3.0, 2.4}, // ポンデローサパイン, おうしゅうあかまつ, ジャックパイン, ラワン
    {33, 34,   24.0, 21.0, 29.4,    2.7, 2.1}, // すぎ, べいすぎ
    {35, 35,   24.0, 21.0, 29.4,    3.6, 3.0}, // ホワイトサイプレスパイン
}};
// clang-format on

} // namespace tarvo::material
