#pragma once
// What the horizontal-member page shows for one item and what a choice on
// it makes of the item: the member's product (or no bearing check), its
// species, the bearing options and the member's display name. The choices
// answer with the item after the page's rules, or nothing when the choice
// changes nothing or its control is not open for it.
#include <array>
#include <optional>

#include "core/form/FormControls.h"
#include "core/material/MatInputData.h"
#include "core/project/ColumnMember.h"
#include "core/project/ItemFields.h"

namespace tarvo {

struct BaseMaterialFormState {
    // "BaseMatButton1" to "BaseMatButton5": the member's product 0 to 3, or
    // 4, no bearing check; none is checked for a product beyond them.
    std::array<FlagControl, kProductKindCount> baseMatButtons;
    ChoiceControl baseMatGroup1; // "BaseMatGroup1": sawn species, KindOfWood[0]
    ChoiceControl baseMatGroup2; // "BaseMatGroup2": 2x4 species group, KindOfWood[1]
    // "BaseMatGroup3": lamina species of glulam (KindOfWood[2]) or of LVL
    // (KindOfWood[3]); the field it edits:
    ChoiceControl baseMatGroup3;
    ItemFieldId baseMatGroup3Field = ItemFieldId::BaseKindOfWood2;
    FlagControl fcvUpper;         // "Fcv_Upper": FcvUpper of the item
    FlagControl endPosition;      // "EndPosition": UseEndPosFcv of the member
    ChoiceControl selectBaseName; // "SelectBaseName": BaseNameIndex
    ButtonControl defaultButton2; // "設定の保存"
};

[[nodiscard]] BaseMaterialFormState MakeBaseMaterialFormState(const MemberInputData& shown);

// The entry `value` chosen for `field`: BaseSelectProduct (a product
// button), BaseKindOfWood0, BaseKindOfWood1, BaseKindOfWood2 (glulam) or
// BaseKindOfWood3 (LVL) in the species group open for the member's product,
// BaseNameIndex.
[[nodiscard]] std::optional<MemberInputData> ChooseBaseMaterial(const MemberInputData& shown, ItemFieldId field,
                                                                int value);
// FcvUpper or BaseUseEndPosFcv checked or cleared.
[[nodiscard]] std::optional<MemberInputData> SetBaseMaterialFlag(const MemberInputData& shown, ItemFieldId field,
                                                                 bool checked);

} // namespace tarvo
