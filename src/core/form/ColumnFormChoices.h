#pragma once
// What a choice on the column design page makes of the shown item: each
// function takes the item as the page shows it and the user's choice as a
// value (a product, a grade index, a size code, a shape, a floor index, a
// check box state, a number for a field) and answers with the item after
// every rule the page applies to that choice, or nothing when the choice
// changes nothing or the control is not open for it (disabled, or no entry
// of its list stands for the value). The values the check derives (the
// automatic tenon and Cf, the lengths that follow Lkx) are not applied here.
#include <optional>
#include <string_view>

#include "core/form/FormControls.h"
#include "core/project/ColumnMember.h"
#include "core/project/ItemFields.h"

namespace tarvo {

// The item as the pages show it, with what showing it corrects: a species
// or grade index beyond its list becomes 0, a shape beyond the product's
// shapes the last one, the size list's rules (the code of the chosen size
// entry, b and D from a 2x4 or glulam size, b from D for a section without
// width, no lintel-support pieces unless thin 2x4), the floor the common
// conditions still offer with its mid-height as Z, one piece for a round
// column.
[[nodiscard]] MemberInputData ShownItem(const MemberInputData& item, const FormContext& context);

// The grade and size lists refilled for the column's material, as a change
// of the material on the material page does when it concerns the column's
// product: a grade beyond its list becomes 0, then the size rules on the
// size entry of the item's code (the first entry when the list lacks it).
void RefillColumnLists(MemberInputData& item, const FormContext& context);

// The column's product (0 to 4): the size code follows b × D, the grade list
// and the size list are those of the new product, a round section becomes
// rectangular for a product without round sections, then the size rules.
[[nodiscard]] std::optional<MemberInputData> ChooseProduct(const MemberInputData& shown, const FormContext& context,
                                                           int product);
// The grade (species for the glulam column) of the column's product, as the
// index in its list; the size list follows the grade (the end-jointed 2x4
// grade has fewer sizes), then the size rules.
[[nodiscard]] std::optional<MemberInputData> ChooseGrade(const MemberInputData& shown, const FormContext& context,
                                                         int grade);
// The shape (rectangular 0, round 1 for sawn lumber), then the size rules.
[[nodiscard]] std::optional<MemberInputData> ChooseShape(const MemberInputData& shown, const FormContext& context,
                                                         int shape);
// The size code of a size entry (0 for "任意"), then the size rules.
[[nodiscard]] std::optional<MemberInputData> ChooseSize(const MemberInputData& shown, const FormContext& context,
                                                        int sizeCode);
// Text typed into the size list: the size entry whose code is the whole
// number at its start ("任意" or no digits: the free size). A number that no
// entry of the list offers changes nothing.
[[nodiscard]] std::optional<MemberInputData> TypeSize(const MemberInputData& shown, const FormContext& context,
                                                      std::string_view text);
// The floor index of a floor entry (0 for "直接"); with wind a storey sets
// Z to that storey's mid-height.
[[nodiscard]] std::optional<MemberInputData> ChooseFloor(const MemberInputData& shown, const FormContext& context,
                                                         int floorIndex);
// A check box of the page: LkyDirect, LbDirect, CfDirect, AutoTenon, UseAxisX.
[[nodiscard]] std::optional<MemberInputData> SetColumnFlag(const MemberInputData& shown, const FormContext& context,
                                                           ItemFieldId field, bool checked);
// A number entered into a numeric field of the page (the spin buttons enter
// their position into the piece counts), taken as the field takes it.
[[nodiscard]] std::optional<MemberInputData> EnterColumnNumber(const MemberInputData& shown, const FormContext& context,
                                                               ItemFieldId field, double value);

} // namespace tarvo
