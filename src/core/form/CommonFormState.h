#pragma once
// What the common conditions page shows and what a choice on it makes of
// the common conditions: the basis of the wind pressure, wind speed,
// roughness, building height and increase factor with the velocity pressure
// they give, the floor level and storey heights with the wooden storeys,
// and the snow area. The derived values (velocity pressure, mid-heights)
// follow the conditions wherever the project keeps them.
#include <array>
#include <optional>

#include "core/form/FormControls.h"
#include "core/project/CommonFields.h"
#include "core/project/CommonInputData.h"

namespace tarvo {

using CommonNumberControl = NumberControl<CommonFieldId>;

struct CommonFormState {
    ChoiceControl radioGroup1;          // "RadioGroup1": WindCalcStandard
    ChoiceControl v0Select;             // "V0Select": V0Index, the entries the speeds "30" to "46"
    ChoiceControl roughSelect;          // "RoughSelect": RoughIndex
    CommonNumberControl buildingHeight; // "BuildingHeight"
    CommonNumberControl upQ;            // "Up_q"
    // "Velocity": "速度圧 q = 540 N/m2", "速度圧 q = ？ N/m2" without a building height.
    LabelControl velocity;
    // "FirstFloorHeight" to "FourthFloorHeight", storeys 1 to 4.
    std::array<CommonNumberControl, kStoreyCount> floorHeights;
    // "StructCheckBox1" to "StructCheckBox4": the storey is wooden.
    std::array<FlagControl, kStoreyCount> structCheckBoxes;
    CommonNumberControl floorLevel; // "FirstFloorLevel"
    ChoiceControl snowEriaSelect;   // "SnowEriaSelect": SnowEria
    ButtonControl defaultButton1;   // "設定の保存"

    // The numeric field of `field`, or null.
    [[nodiscard]] const CommonNumberControl* numberField(CommonFieldId field) const;
};

[[nodiscard]] CommonFormState MakeCommonFormState(const CommonInputData& shown);

// `value` chosen for `field`: the entry of a list (its value), a wooden
// storey's check box (0 or 1) or a number entered into a field, taken as the
// field takes it. Nothing when it changes nothing or the page offers no
// such value.
[[nodiscard]] std::optional<CommonInputData> ChooseCommon(const CommonInputData& shown, CommonFieldId field,
                                                          double value);

} // namespace tarvo
