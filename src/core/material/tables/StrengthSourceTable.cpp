// The printed names of the published tables the catalogue is transcribed
// from, one line per table: the notification, then the table's title.
#include "core/material/StrengthSource.h"

namespace tarvo {

std::string_view StrengthTableName(StrengthTable table) {
    // clang-format off
    switch (table) {
    case StrengthTable::SawnVisualGrade:         return "平成12年建設省告示第1452号　目視等級区分による構造用製材の表";
    case StrengthTable::SawnMachineGrade:        return "平成12年建設省告示第1452号　機械等級区分による構造用製材の表";
    case StrengthTable::SawnUngraded:            return "平成12年建設省告示第1452号　無等級材の表";
    case StrengthTable::WoodBearing:             return "平成13年国土交通省告示第1024号　木材のめりこみの基準強度の表";
    case StrengthTable::DimensionJas:            return "平成12年建設省告示第1452号　枠組壁工法構造用製材の表";
    case StrengthTable::DimensionUs:             return "アメリカ格付規格による枠組壁工法構造用製材の表";
    case StrengthTable::DimensionCanada:         return "カナダ格付規格による枠組壁工法構造用製材の表";
    case StrengthTable::MsrJas:                  return "平成12年建設省告示第1452号　機械による曲げ応力等級区分を行う枠組壁工法構造用製材の表";
    case StrengthTable::MsrUs:                   return "アメリカ格付規格による機械による曲げ応力等級区分の表";
    case StrengthTable::MsrCanada:               return "カナダ格付規格による機械による曲げ応力等級区分の表";
    case StrengthTable::GlulamSameGrade:         return "平成13年国土交通省告示第1024号　同一等級構成集成材の表";
    case StrengthTable::GlulamSymmetric:         return "平成13年国土交通省告示第1024号　対称異等級構成集成材の表";
    case StrengthTable::GlulamSpecificSymmetric: return "平成13年国土交通省告示第1024号　特定対称異等級構成集成材の表";
    case StrengthTable::GlulamAsymmetric:        return "平成13年国土交通省告示第1024号　非対称異等級構成集成材の表";
    case StrengthTable::LaminaSpecies:           return "平成13年国土交通省告示第1024号　集成材等のせん断・めりこみの基準強度の表";
    case StrengthTable::Lvl:                     return "平成13年国土交通省告示第1024号　構造用単板積層材の表";
    case StrengthTable::LvlShear:                return "平成13年国土交通省告示第1024号　構造用単板積層材の水平せん断区分の表";
    case StrengthTable::GlulamColumn:            return "平成13年国土交通省告示第1024号　化粧ばり構造用集成柱の表";
    }
    // clang-format on
    return {};
}

} // namespace tarvo
