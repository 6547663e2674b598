#pragma once
// The one table of the project's common input fields: id, the key of the
// value in the JSON output and the settings file, the name an undo step of
// an edit of it shows ("建物高さ H の変更") and, for a number, the format and
// limits of its entry field on the common page. Storey heights and wooden
// flags are one field per storey.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/project/ColumnFieldFormats.h"
#include "core/project/CommonInputData.h"

namespace tarvo {

enum class CommonFieldId : int {
    WindCalcStandard,
    V0Index,
    RoughIndex,
    BuildingHeight,
    Up_q,
    FirstFloorLevel,
    FloorHeight1,
    FloorHeight2,
    FloorHeight3,
    FloorHeight4,
    WoodenStorey1,
    WoodenStorey2,
    WoodenStorey3,
    WoodenStorey4,
    SnowEria,
    Count
};

inline constexpr int kCommonFieldCount = static_cast<int>(CommonFieldId::Count);

enum class CommonFieldKind { Choice, Flag, Number };

struct CommonField {
    CommonFieldId id = CommonFieldId::WindCalcStandard;
    // The key of the value; a storey's value is element `element` of an
    // array under it (-1: a single value).
    std::string_view key;
    int element = -1;
    std::string_view undoName;
    CommonFieldKind kind = CommonFieldKind::Number;
    // Choice: the number of entries; Number: the entry field.
    int choiceCount = 0;
    const NumberFieldFormat* format = nullptr;
    double (*get)(const CommonInputData&) = nullptr;
    void (*set)(CommonInputData&, double) = nullptr;
};

// Building height, floor level and storey heights: metres with two decimals, up to 1000 m.
inline constexpr NumberFieldFormat kCommonMetreField{NumType::Double, 2, false, 0, 0, 1000};
// The increase factor of the velocity pressure: at least 1, an empty field gives 1; up to 100.
inline constexpr NumberFieldFormat kUpQField{NumType::Double, 2, true, 1, 1, 100};

// Every field, in the order of the ids.
const std::vector<CommonField>& commonFields();
inline const CommonField& commonField(CommonFieldId id) {
    return commonFields()[static_cast<std::size_t>(id)];
}

} // namespace tarvo
