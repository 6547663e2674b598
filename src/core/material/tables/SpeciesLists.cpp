// Species lists, transcribed from the printed species lists, one entry per
// line in the published order; the comment gives the 0-based index.
#include "core/material/tables/SpeciesLists.h"

namespace tarvo::material {

// clang-format off

// visual-grade species (10) — sawn, standard 0
const std::array<std::string_view, kVisualGradeSpeciesCount> kVisualGradeSpecies{
    "あかまつ",         // 0
    "べいまつ",         // 1
    "からまつ",         // 2
    "ダフリカからまつ", // 3
    "ひば",             // 4
    "ひのき",           // 5
    "べいつが",         // 6
    "えぞまつ",         // 7
    "とどまつ",         // 8
    "すぎ",             // 9
};

// machine-grade species (10) — sawn, standard 1
const std::array<std::string_view, kMachineGradeSpeciesCount> kMachineGradeSpecies{
    "あかまつ",         // 0
    "べいまつ",         // 1
    "ダフリカからまつ", // 2
    "べいつが",         // 3
    "えぞまつ",         // 4
    "とどまつ",         // 5
    "からまつ",         // 6
    "ひのき",           // 7
    "ひば",             // 8
    "すぎ",             // 9
};

// ungraded species (21) — sawn, standard 2; horizontal member sawn lumber.
// "べいすぎ" has NO trailing space in this list.
const std::array<std::string_view, kUngradedSpeciesCount> kUngradedSpecies{
    "あかまつ",   // 0
    "くろまつ",   // 1
    "べいまつ",   // 2
    "からまつ",   // 3
    "ひば",       // 4
    "ひのき",     // 5
    "べいひ",     // 6
    "つが",       // 7
    "べいつが",   // 8
    "もみ",       // 9
    "えぞまつ",   // 10
    "とどまつ",   // 11
    "べにまつ",   // 12
    "すぎ",       // 13
    "べいすぎ",   // 14
    "スプルース", // 15
    "かし",       // 16
    "くり",       // 17
    "なら",       // 18
    "ぶな",       // 19
    "けやき",     // 20
};

// lamina species (36) — glulam and LVL. Entry 35 "べいすぎ " carries one
// trailing half-width space.
const std::array<std::string_view, kLaminaSpeciesCount> kLaminaSpecies{
    "いたやかえで",             // 0
    "かば",                     // 1
    "ぶな",                     // 2
    "みずなら",                 // 3
    "けやき",                   // 4
    "アピトン",                 // 5
    "たも",                     // 6
    "しおじ",                   // 7
    "にれ",                     // 8
    "ひのき",                   // 9
    "ひば",                     // 10
    "からまつ",                 // 11
    "あかまつ",                 // 12
    "くろまつ",                 // 13
    "べいひ",                   // 14
    "ダフリカからまつ",         // 15
    "サザンパイン",             // 16
    "べいまつ",                 // 17
    "ホワイトサイプレスパイン", // 18
    "つが",                     // 19
    "アラスカイエローシダー",   // 20
    "べにまつ",                 // 21
    "ラジアタパイン",           // 22
    "べいつが",                 // 23
    "もみ",                     // 24
    "とどまつ",                 // 25
    "えぞまつ",                 // 26
    "べいもみ",                 // 27
    "スプルース",               // 28
    "ロッジポールパイン",       // 29
    "ポンデローサパイン",       // 30
    "おうしゅうあかまつ",       // 31
    "ジャックパイン",           // 32
    "ラワン",                   // 33
    "すぎ",                     // 34
    "べいすぎ ",                // 35 (trailing half-width space)
};

// column species (36) — glulam column, description text. Entry 34
// "べいすぎ " carries one trailing half-width space.
constexpr std::array<std::string_view, kColumnSpeciesCount> kColumnSpecies{
    "アピトン",                 // 0
    "いたやかえで",             // 1
    "かば",                     // 2
    "ぶな",                     // 3
    "みずなら",                 // 4
    "けやき",                   // 5
    "ダフリカからまつ",         // 6
    "サザンパイン",             // 7
    "べいまつ",                 // 8
    "ひのき",                   // 9
    "ひば",                     // 10
    "からまつ",                 // 11
    "あかまつ",                 // 12
    "くろまつ",                 // 13
    "べいひ",                   // 14
    "つが",                     // 15
    "たも",                     // 16
    "しおじ",                   // 17
    "にれ",                     // 18
    "アラスカイエローシダー",   // 19
    "ラジアタパイン",           // 20
    "べいつが",                 // 21
    "もみ",                     // 22
    "とどまつ",                 // 23
    "えぞまつ",                 // 24
    "べいもみ",                 // 25
    "スプルース",               // 26
    "ロッジポールパイン",       // 27
    "べにまつ",                 // 28
    "ポンデローサパイン",       // 29
    "おうしゅうあかまつ",       // 30
    "ジャックパイン",           // 31
    "ラワン",                   // 32
    "すぎ",                     // 33
    "べいすぎ ",                // 34 (trailing half-width space)
    "ホワイトサイプレスパイン", // 35
};

// column species, short (36) — glulam column, entries of the grade list: the
// column species list with entries 19 and 35 in half-width katakana, written
// exactly as published ("ｱﾗｽﾗｲｴﾛｰｼﾀﾞｰ" as written).
constexpr std::array<std::string_view, kColumnSpeciesCount> withShortNames(
        std::array<std::string_view, kColumnSpeciesCount> list) {
    list[19] = "ｱﾗｽﾗｲｴﾛｰｼﾀﾞｰ";   // half-width katakana
    list[35] = "ﾎﾜｲﾄｻｲﾌﾟﾚｽﾊﾟｲﾝ"; // half-width katakana
    return list;
}
constexpr std::array<std::string_view, kColumnSpeciesCount> kColumnSpeciesShort = withShortNames(kColumnSpecies);

// clang-format on

} // namespace tarvo::material
