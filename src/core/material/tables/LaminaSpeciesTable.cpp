// Lamina-species table, one initializer row per table row;
// indices of the lamina species list (tables/SpeciesLists.cpp).
#include "core/material/tables/GlulamTables.h"

namespace tarvo::material {

// clang-format off
const std::array<LaminaSpeciesRow, 10> kLaminaSpeciesTable{{
//  indices    Fsx  Fsy  Fcv   end-position factor
    { 0,  5,   4.8, 4.2, 10.8, 0.75}, // いたやかえで, かば, ぶな, みずなら, けやき, アピトン
    { 6,  8,   4.2, 3.6, 10.8, 0.75}, // たも, しおじ, にれ
    { 9, 11,   3.6, 3.0,  7.8, 0.8 }, // ひのき, ひば, からまつ
    {12, 13,   3.6, 3.0,  9.0, 0.8 }, // あかまつ, くろまつ
    {14, 14,   3.6, 3.0,  7.8, 0.8 }, // べいひ
    {15, 18,   3.6, 3.0,  9.0, 0.8 }, // ダフリカからまつ, サザンパイン, べいまつ, ホワイトサイプレスパイン
    {19, 23,   3.3, 2.7,  6.0, 0.8 }, // つが, アラスカイエローシダー, べにまつ, ラジアタパイン, べいつが
    {24, 32,   3.0, 2.4,  6.0, 0.8 }, // もみ, とどまつ, えぞまつ, べいもみ, スプルース, ロッジポールパイン, ポンデローサパイン, おうしゅうあかまつ, ジャックパイン
    {33, 33,   3.0, 2.4,  9.0, 0.8 }, // ラワン
    {34, 35,   2.7, 2.1,  6.0, 0.8 }, // すぎ, べいすぎ
}};
// clang-format on

} // namespace tarvo::material
