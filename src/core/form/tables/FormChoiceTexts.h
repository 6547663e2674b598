#pragma once
// The texts of the fixed lists and radio groups of the pages, in the order
// of their values (entry i stands for the value i). Lists whose entries the
// catalogue gives (grades, sizes, species of the sawn standard) are not here.
#include <array>
#include <string_view>

namespace tarvo::form {

// 柱の設計
inline constexpr std::array<std::string_view, 5> kProductKindTexts{
    "構造用製材", "２×４製材", "集成材", "LVL", "集成柱",
};
inline constexpr std::array<std::string_view, 2> kShapeTexts{"矩形", "円形"};
// The round entry once a product without it took it away.
inline constexpr std::string_view kRoundColumnText = "円柱";
inline constexpr std::string_view kGradeCaption = "等級";
inline constexpr std::string_view kSpeciesCaption = "樹種"; // the glulam column's list

// 柱材料（個別）
inline constexpr std::array<std::string_view, 3> kProductStandardTexts{
    "日本農林規格（目視等級）",
    "日本農林規格（機械等級）",
    "無等級材",
};
inline constexpr std::array<std::string_view, 3> kProductStandard2x4Texts{
    "日本農林規格",
    "アメリカ格付規格",
    "カナダ格付規格",
};
// The species groups of 2x4 lumber as the selectors name them; the texts of
// the results spell two of them differently.
inline constexpr std::array<std::string_view, 5> kSpeciesGroup2x4Texts{
    "D Fir-L", "Hem-Tam", "Hem-Fir", "S-P-F", "W Cedar",
};
// Lay-up 3 has no entry; it comes only from stored data.
inline constexpr std::array<std::string_view, 3> kLaminaCompositionTexts{
    "同一等級構成",
    "対称異等級構成",
    "特定対称異等級構成",
};
inline constexpr std::array<std::string_view, 3> kLaminaCountTexts{"4枚以上", "3枚", "2枚"};
inline constexpr std::array<std::string_view, 7> kLvlShearTexts{
    "65V-55H", "60V-51H", "55V-47H", "50V-43H", "45V-38H", "40V-34H", "35V-30H",
};
inline constexpr std::array<std::string_view, 3> kEnvironTexts{
    "Ⅰ 常時湿潤状態　  (0.7)",
    "Ⅱ 断続的湿潤状態 (0.8)",
    "Ⅲ 通常の使用環境 (1.0)",
};

// 横架材材料（個別）
inline constexpr std::array<std::string_view, 5> kBaseProductTexts{
    "構造用製材", "２×４製材", "構造用集成材", "LVL", "めり込みの検討を省略",
};
inline constexpr std::array<std::string_view, 5> kBaseNameTexts{"自動", "土台", "梁材", "下枠", "横架材"};

// 共通条件
inline constexpr std::array<std::string_view, 2> kWindStandardTexts{
    "建築基準法施行令第87条",
    "平成12年建設省告示第1458号",
};
inline constexpr int kV0Count = 9; // 30, 32, ... 46 m/s
inline constexpr std::array<std::string_view, 4> kRoughnessTexts{"Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ"};
inline constexpr std::array<std::string_view, 2> kSnowAreaTexts{"一般の区域", "多雪区域"};

} // namespace tarvo::form
