#include "core/project/ColumnInputRules.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "core/material/DimensionLumberSize.h"
#include "core/material/MatInputData.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"

namespace tarvo {

namespace {

constexpr const char* kDirectFloor = "直接";

std::string storeyEntry(int storey) {
    return "  " + std::to_string(storey);
}

} // namespace

int LeadingInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<std::int64_t>(INT_MAX) + 1) value = static_cast<std::int64_t>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

bool WindConsidered(const CommonData& common) {
    return common.VelocityPressure > 0;
}

SizeControlState ApplySizeCodeRules(MemberInputData& item, int chosenCode, int sizeEntries, int sizeSelected,
                                    bool productShows2x4) {
    SizeControlState state;
    const bool round = item.Shape == kRound;
    if (round) {
        item.SizeCode = 0;
        item.B = 0;
    } else {
        item.SizeCode = chosenCode;
        state.sizeSelectEnabled = sizeEntries > 1;
    }
    if (item.SizeCode > 0) {
        (void)sizeCodeToDims(item.SizeCode, item.B, item.D);
    } else if (!round && item.B == 0) {
        item.B = item.D;
    }
    const bool freeSize = sizeSelected <= 0;
    if (!productShows2x4) {
        state.sizeBEnabled = !round && freeSize;
        state.sizeDEnabled = freeSize;
    }
    // A thick 2x4 size (from 400) has no lintel-support pieces.
    if (item.ColumnMaterial.SelectProduct == kDimensionLumber && chosenCode < 400) {
        state.subMembersEnabled = true;
    } else {
        item.SubMembers = 0;
    }
    return state;
}

bool ApplyRoundPieceRule(MemberInputData& item) {
    if (item.Shape == kRound && item.Members > 1) item.Members = 1;
    return !(item.ColumnMaterial.SelectProduct == kSawnLumber && item.Shape == kRound);
}

bool UseAxisXAllowed(const MemberInputData& item, bool windConsidered) {
    if (!windConsidered || !(item.B > 0) || !(item.D > 0) || item.B < item.D) return false;
    const MatInputData& material = item.ColumnMaterial;
    switch (material.SelectProduct) {
    case kGlulam: return material.LaminaCompositionIndex == 0 || !material.UnValuationLamina;
    case kLvl:
    case kGlulamColumn: return true;
    default: return false;
    }
}

std::vector<std::string> FloorEntries(const CommonData& common) {
    std::vector<std::string> entries;
    for (const int value : FloorValues(common))
        entries.push_back(value == 0 ? std::string(kDirectFloor) : storeyEntry(value));
    return entries;
}

std::vector<int> FloorValues(const CommonData& common) {
    std::vector<int> values;
    const bool wind = WindConsidered(common);
    if (wind) values.push_back(0);
    for (int storey = 1; storey <= kStoreyCount; ++storey) {
        const auto slot = static_cast<std::size_t>(storey - 1);
        if (wind && common.FloorHeight[slot] == 0) break;
        if (common.WoodenStorey[slot]) values.push_back(storey);
    }
    return values;
}

bool FloorsDiffer(const CommonData& before, const CommonData& after) {
    if (FloorValues(before) != FloorValues(after)) return true;
    return WindConsidered(after) && before.MidHeight != after.MidHeight;
}

FloorSelection SyncFloorValue(const std::vector<int>& values, MemberInputData& item, const CommonData& common) {
    FloorSelection selection;
    const int count = static_cast<int>(values.size());
    if (count == 0) {
        item.FloorIndex = 0;
    } else {
        const int wanted = item.FloorIndex > 0 ? item.FloorIndex : 0;
        const auto found = std::find(values.begin(), values.end(), wanted);
        if (found != values.end()) {
            selection.selected = static_cast<int>(found - values.begin());
        } else if (count < 2) {
            selection.selected = 0;
            item.FloorIndex = 0;
        } else {
            selection.selected = values[0] == 0 ? 1 : 0;
            item.FloorIndex = values[static_cast<std::size_t>(selection.selected)];
        }
    }
    selection.enabled = count > 0;
    if (WindConsidered(common) && selection.selected > 0 && item.FloorIndex >= 1 && item.FloorIndex <= kStoreyCount)
        item.HeightZ = common.MidHeight[static_cast<std::size_t>(item.FloorIndex - 1)];
    return selection;
}

} // namespace tarvo
