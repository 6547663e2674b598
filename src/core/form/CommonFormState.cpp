#include "core/form/CommonFormState.h"

#include <cmath>
#include <string>

#include "core/form/FieldEntry.h"
#include "core/form/tables/FormChoiceTexts.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

using namespace form;

constexpr std::array<std::string_view, kStoreyCount> kFloorHeightIds{"FirstFloorHeight", "SecondFloorHeight",
                                                                     "ThirdFloorHeight", "FourthFloorHeight"};
constexpr std::array<std::string_view, kStoreyCount> kWoodenIds{"StructCheckBox1", "StructCheckBox2", "StructCheckBox3",
                                                                "StructCheckBox4"};
constexpr std::array<CommonFieldId, kStoreyCount> kFloorHeightFields{
    CommonFieldId::FloorHeight1, CommonFieldId::FloorHeight2, CommonFieldId::FloorHeight3, CommonFieldId::FloorHeight4};

CommonNumberControl numberOf(std::string_view id, CommonFieldId field, const CommonInputData& common,
                             bool zeroVisible) {
    const CommonField& entry = commonField(field);
    CommonNumberControl control;
    control.id = id;
    control.field = field;
    control.format = entry.format;
    control.zeroVisible = zeroVisible;
    control.value = entry.get(common);
    return control;
}

ChoiceControl speedChoice(int index) {
    ChoiceControl list;
    list.id = "V0Select";
    for (int i = 0; i < kV0Count; ++i)
        list.entries.push_back({i, std::to_string(30 + 2 * i)});
    selectEntry(list, index);
    return list;
}

std::string velocityText(const CommonInputData& shown) {
    CommonData common;
    common.input() = shown;
    const bool computed = common.UpdateVelocityPressure();
    const std::string value = computed ? std::to_string(std::llround(common.VelocityPressure)) : "？";
    return "速度圧 q = " + value + " N/m2";
}

} // namespace

CommonFormState MakeCommonFormState(const CommonInputData& shown) {
    CommonFormState s;
    s.radioGroup1 = fixedChoice("RadioGroup1", kWindStandardTexts, shown.WindCalcStandard);
    s.v0Select = speedChoice(shown.V0Index);
    s.roughSelect = fixedChoice("RoughSelect", kRoughnessTexts, shown.RoughIndex);
    s.buildingHeight = numberOf("BuildingHeight", CommonFieldId::BuildingHeight, shown, true);
    s.upQ = numberOf("Up_q", CommonFieldId::Up_q, shown, true);
    s.velocity.id = "Velocity";
    s.velocity.text = velocityText(shown);
    // Storey heights and the floor level show blank for 0.
    for (std::size_t n = 0; n < kStoreyCount; ++n) {
        s.floorHeights[n] = numberOf(kFloorHeightIds[n], kFloorHeightFields[n], shown, false);
        s.structCheckBoxes[n].id = kWoodenIds[n];
        s.structCheckBoxes[n].checked = shown.WoodenStorey[n];
    }
    s.floorLevel = numberOf("FirstFloorLevel", CommonFieldId::FirstFloorLevel, shown, false);
    s.snowEriaSelect = fixedChoice("SnowEriaSelect", kSnowAreaTexts, shown.SnowEria);
    s.snowEriaSelect.columns = 2;
    s.defaultButton1.id = "DefaultButton1";
    return s;
}

const CommonNumberControl* CommonFormState::numberField(CommonFieldId field) const {
    for (const CommonNumberControl* control :
         {&buildingHeight, &upQ, &floorLevel, &floorHeights[0], &floorHeights[1], &floorHeights[2], &floorHeights[3]})
        if (control->field == field) return control;
    return nullptr;
}

std::optional<CommonInputData> ChooseCommon(const CommonInputData& shown, CommonFieldId field, double value) {
    const CommonField& entry = commonField(field);
    if (entry.kind == CommonFieldKind::Number) return EnterCommonNumber(shown, field, value);
    const bool offered = entry.kind == CommonFieldKind::Flag
                             ? value == 0 || value == 1
                             : value >= 0 && value < entry.choiceCount && value == std::floor(value);
    if (!offered) return std::nullopt;
    CommonInputData after = shown;
    entry.set(after, value);
    if (after == shown) return std::nullopt;
    return after;
}

} // namespace tarvo
