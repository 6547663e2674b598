#include "core/form/ColumnFormChoices.h"

#include <algorithm>

#include "core/check/ColumnOutcome.h"
#include "core/form/ColumnFormState.h"
#include "core/form/FieldEntry.h"
#include "core/material/DimensionLumberSize.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnInputRules.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

// The page as it stands for `shown`; the check's message plays no part.
ColumnFormState pageOf(const MemberInputData& shown, const FormContext& context) {
    return MakeColumnFormState(shown, context, ColumnOutcome{});
}

// The size list filled for the item, with the entry of its size code
// chosen (the first when it has none), and the size rules on that entry.
void refreshSizes(MemberInputData& item, const FormContext& context) {
    const ChoiceList sizes = context.catalogue.fillSizeList(item.ColumnMaterial, item.SizeCode);
    const auto chosen = static_cast<std::size_t>(sizes.selected);
    const int code = chosen < sizes.codes.size() ? sizes.codes[chosen] : 0;
    (void)ApplySizeCodeRules(item, code, static_cast<int>(sizes.entries.size()), sizes.selected,
                             item.ColumnMaterial.SelectProduct == kDimensionLumber);
}

int shapeCount(const MemberInputData& item) {
    return item.ColumnMaterial.SelectProduct == kSawnLumber ? 2 : 1;
}

// What every choice of the page ends with: the round-piece rule the check of
// the item applies first.
std::optional<MemberInputData> finish(const MemberInputData& shown, MemberInputData after) {
    (void)ApplyRoundPieceRule(after);
    if (after == shown) return std::nullopt;
    return after;
}

} // namespace

void RefillColumnLists(MemberInputData& item, const FormContext& context) {
    (void)context.catalogue.fillGradeList(item.ColumnMaterial);
    refreshSizes(item, context);
}

MemberInputData ShownItem(const MemberInputData& item, const FormContext& context) {
    MemberInputData shown = item;
    (void)context.catalogue.fillSpeciesList(shown.ColumnMaterial);
    (void)context.catalogue.fillGradeList(shown.ColumnMaterial);
    shown.Shape = std::clamp(shown.Shape, 0, shapeCount(shown) - 1);
    refreshSizes(shown, context);
    (void)SyncFloorValue(FloorValues(context.common), shown, context.common);
    (void)ApplyRoundPieceRule(shown);
    return shown;
}

std::optional<MemberInputData> ChooseProduct(const MemberInputData& shown, const FormContext& context, int product) {
    if (product < 0 || product >= kProductKindCount || product == shown.ColumnMaterial.SelectProduct)
        return std::nullopt;
    MemberInputData after = shown;
    after.ColumnMaterial.SelectProduct = product;
    after.SizeCode = dimsToSize(after.B, after.D);
    (void)context.catalogue.fillGradeList(after.ColumnMaterial);
    after.Shape = std::clamp(after.Shape, 0, shapeCount(after) - 1);
    refreshSizes(after, context);
    return finish(shown, after);
}

std::optional<MemberInputData> ChooseGrade(const MemberInputData& shown, const FormContext& context, int grade) {
    const ColumnFormState page = pageOf(shown, context);
    if (!page.gradeSelect.enabled || page.gradeSelect.indexOf(grade) < 0) return std::nullopt;
    MemberInputData after = shown;
    after.ColumnMaterial.SelectGrade[static_cast<std::size_t>(after.ColumnMaterial.SelectProduct)] = grade;
    refreshSizes(after, context);
    return finish(shown, after);
}

std::optional<MemberInputData> ChooseShape(const MemberInputData& shown, const FormContext& context, int shape) {
    const ColumnFormState page = pageOf(shown, context);
    if (!page.shapeSelect.enabled || page.shapeSelect.indexOf(shape) < 0 || page.shapeSelect.selectedValue() == shape)
        return std::nullopt;
    MemberInputData after = shown;
    after.Shape = shape;
    refreshSizes(after, context);
    return finish(shown, after);
}

std::optional<MemberInputData> ChooseSize(const MemberInputData& shown, const FormContext& context, int sizeCode) {
    const ColumnFormState page = pageOf(shown, context);
    const int entry = page.sizeSelect.indexOf(sizeCode);
    if (!page.sizeSelect.enabled || entry < 0) return std::nullopt;
    MemberInputData after = shown;
    (void)ApplySizeCodeRules(after, sizeCode, static_cast<int>(page.sizeSelect.entries.size()), entry,
                             after.ColumnMaterial.SelectProduct == kDimensionLumber);
    return finish(shown, after);
}

std::optional<MemberInputData> TypeSize(const MemberInputData& shown, const FormContext& context,
                                        std::string_view text) {
    return ChooseSize(shown, context, LeadingInteger(text));
}

std::optional<MemberInputData> ChooseFloor(const MemberInputData& shown, const FormContext& context, int floorIndex) {
    const ColumnFormState page = pageOf(shown, context);
    if (!page.floorSelect.enabled || page.floorSelect.indexOf(floorIndex) < 0) return std::nullopt;
    MemberInputData after = shown;
    after.FloorIndex = floorIndex;
    (void)SyncFloorValue(FloorValues(context.common), after, context.common);
    return finish(shown, after);
}

std::optional<MemberInputData> SetColumnFlag(const MemberInputData& shown, const FormContext& context,
                                             ItemFieldId field, bool checked) {
    const ColumnFormState page = pageOf(shown, context);
    const FlagControl* box = page.flag(field);
    if (box == nullptr || !box->enabled) return std::nullopt;
    MemberInputData after = shown;
    itemField(field).set(after, checked ? 1 : 0);
    return finish(shown, after);
}

std::optional<MemberInputData> EnterColumnNumber(const MemberInputData& shown, const FormContext& context,
                                                 ItemFieldId field, double value) {
    const ColumnFormState page = pageOf(shown, context);
    const ItemNumberControl* control = page.numberField(field);
    if (control == nullptr || !control->enabled) return std::nullopt;
    const std::optional<MemberInputData> entered = EnterItemNumber(shown, field, value);
    if (!entered) return std::nullopt;
    return finish(shown, *entered);
}

} // namespace tarvo
