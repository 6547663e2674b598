#pragma once
// What the column material page shows for one item (its sawn and 2x4
// lumber, glulam and LVL, and use-environment sub-pages) and what a choice
// on it makes of the item. The choices answer with the item after the
// page's rules, or nothing when the choice changes nothing or its control is
// not open for it. A change that concerns the column's own product refills
// the grade and size lists of the column design page and applies its size
// rules (RefillColumnLists).
#include <optional>

#include "core/form/FormControls.h"
#include "core/project/ColumnMember.h"
#include "core/project/ItemFields.h"

namespace tarvo {

struct ColumnMaterialFormState {
    ChoiceControl productStandard;    // "ProductStandard": ProductStandardNormal
    ChoiceControl timberKind;         // "TimberKind": KindOfWood[0], the species of the standard
    ChoiceControl productStandard2x4; // "ProductStandard2x4"
    ChoiceControl timberKind2x4;      // "TimberKind2x4": KindOfWood[1]
    FlagControl useMSR;               // "UseMSR"
    // "LaminaComposition": lay-ups 0 to 2; lay-up 3, only from stored data, chooses none.
    ChoiceControl laminaComposition;
    ChoiceControl laminaCount;    // "LaminaCount": open for the same-grade lay-up only
    ChoiceControl laminaKind;     // "LaminaKind": KindOfWood[2]
    FlagControl unValuation;      // "UnValuation": open for every lay-up but the same-grade one
    ChoiceControl lvlShearSelect; // "LVL_ShearSelect"
    ChoiceControl environSelect;  // "EnvironSelect"
    ButtonControl defaultButton3; // "設定の保存" of the sawn page
    ButtonControl defaultButton4; // and of the glulam and LVL page

    // The list or radio group of a column material field, or null.
    [[nodiscard]] const ChoiceControl* choice(ItemFieldId field) const;
    // The check box of UseMSR or UnValuationLamina, or null.
    [[nodiscard]] const FlagControl* flag(ItemFieldId field) const;
};

[[nodiscard]] ColumnMaterialFormState MakeColumnMaterialFormState(const MemberInputData& shown,
                                                                  const FormContext& context);

// The entry `value` chosen in the list of `field`: ProductStandardNormal
// (the species list follows the standard), KindOfWood0, ProductStandard2x4,
// KindOfWood1, LaminaCompositionIndex, LaminaCountIndex, KindOfWood2,
// LVL_Shear_Index, UseEnvironIndex.
[[nodiscard]] std::optional<MemberInputData>
ChooseColumnMaterial(const MemberInputData& shown, const FormContext& context, ItemFieldId field, int value);
// UseMSR or UnValuationLamina checked or cleared.
[[nodiscard]] std::optional<MemberInputData>
SetColumnMaterialFlag(const MemberInputData& shown, const FormContext& context, ItemFieldId field, bool checked);

} // namespace tarvo
