#pragma once
// What the column design page shows for one item: every control with its
// entries, choice, value, enabling and changing caption, and the message
// line. Made from the item as the page shows it (the inputs with the values
// the check derived applied, see ShownColumnItem), the common conditions,
// the catalogue and the item's check. What the user chooses on the page
// turns into a new item through the functions of ColumnFormChoices.h.
#include <array>
#include <vector>

#include "core/check/ColumnOutcome.h"
#include "core/form/FormControls.h"
#include "core/project/ColumnMember.h"
#include "core/project/ItemFields.h"
#include "core/project/LoadCase.h"

namespace tarvo {

using ItemNumberControl = NumberControl<ItemFieldId>;

struct ColumnFormState {
    // Material of the column.
    ChoiceControl productKind; // "ProductKind": the product, 0 to 4
    LabelControl label6;       // "Label6": "等級", "樹種" for the glulam column
    ChoiceControl gradeSelect; // "GradeSelect": the grade (species) index of the product

    // Section, pieces and tenon.
    ChoiceControl shapeSelect; // "ShapeSelect": 0 rectangular, 1 round (sawn lumber only)
    // "SizeSelect", editable: each entry stands for its size code, "任意" for 0.
    ChoiceControl sizeSelect;
    ItemNumberControl sizeB; // "SizeB"
    ItemNumberControl sizeD; // "SizeD"
    ItemNumberControl members;
    SpinControl mainUpDown;
    ItemNumberControl subMembers;
    SpinControl subUpDown;
    FlagControl autoDeduct;   // "Auto_Deduct"
    ItemNumberControl sizeBs; // tenon
    ItemNumberControl sizeDs;

    // Buckling and bending lengths.
    ItemNumberControl lkxEdit;
    LabelControl labelLky;
    ItemNumberControl lkyEdit;
    FlagControl lkyDirect;
    LabelControl labelLb;
    ItemNumberControl lbEdit;
    FlagControl lbDirect;
    FlagControl useAxisX;

    // Axial forces "NL1", "NL2", "NS", "NW", "NE", in load-case order.
    std::array<ItemNumberControl, kLoadCaseCount> forces;
    // The floor the column is checked on: each entry stands for its floor
    // index, "直接" for 0.
    LabelControl windLabel1;
    ChoiceControl floorSelect;
    // Wind data.
    LabelControl windLabel2;
    ItemNumberControl objectHeight;
    LabelControl windLabel3;
    ItemNumberControl objectWidth;
    LabelControl windLabel4;
    ItemNumberControl cfEdit;
    FlagControl cfDirect;

    MessageLine messageBord;

    // Every numeric field, in the order of the page.
    [[nodiscard]] std::vector<const ItemNumberControl*> numberFields() const;
    // The numeric field of `field`, or null when the page has none.
    [[nodiscard]] const ItemNumberControl* numberField(ItemFieldId field) const;
    // The check box of `field` (LkyDirect, LbDirect, CfDirect, AutoTenon,
    // UseAxisX), or null.
    [[nodiscard]] const FlagControl* flag(ItemFieldId field) const;
};

// The page for `shown`. `outcome` is the check of `shown` (its message goes
// into the message line). `before` is what the page showed until now, if
// anything: the round entry, once taken away by a product without it, comes
// back reading "円柱" instead of "円形".
[[nodiscard]] ColumnFormState MakeColumnFormState(const MemberInputData& shown, const FormContext& context,
                                                  const ColumnOutcome& outcome,
                                                  const ColumnFormState* before = nullptr);

} // namespace tarvo
