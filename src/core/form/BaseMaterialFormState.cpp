#include "core/form/BaseMaterialFormState.h"

#include <string>

#include "core/form/tables/FormChoiceTexts.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo {
namespace {

using namespace form;

constexpr std::array<std::string_view, kProductKindCount> kButtonIds{
    "BaseMatButton1", "BaseMatButton2", "BaseMatButton3", "BaseMatButton4", "BaseMatButton5",
};

ChoiceControl speciesGroup(std::string_view id, std::span<const std::string_view> texts, int value, bool enabled) {
    ChoiceControl group = fixedChoice(id, texts, value);
    group.columns = 2;
    group.enabled = enabled;
    return group;
}

std::optional<MemberInputData> change(const MemberInputData& shown, ItemFieldId field, double value) {
    MemberInputData after = shown;
    itemField(field).set(after, value);
    if (after == shown) return std::nullopt;
    return after;
}

} // namespace

BaseMaterialFormState MakeBaseMaterialFormState(const MemberInputData& shown) {
    BaseMaterialFormState s;
    const MatInputData& m = shown.BaseMaterial;
    const int product = m.SelectProduct;
    for (std::size_t tag = 0; tag < s.baseMatButtons.size(); ++tag)
        s.baseMatButtons[tag] = flagOf(kButtonIds[tag], product == static_cast<int>(tag), true);
    s.baseMatGroup1 =
        speciesGroup("BaseMatGroup1", material::kUngradedSpecies, m.KindOfWood[kSawnLumber], product == kSawnLumber);
    s.baseMatGroup2 = speciesGroup("BaseMatGroup2", kSpeciesGroup2x4Texts, m.KindOfWood[kDimensionLumber],
                                   product == kDimensionLumber);
    // Glulam and LVL share the lamina species group, each with its own slot;
    // every other product shows the glulam one, closed.
    const bool lvl = product == kLvl;
    s.baseMatGroup3 = speciesGroup("BaseMatGroup3", material::kLaminaSpecies, m.KindOfWood[lvl ? kLvl : kGlulam],
                                   product == kGlulam || lvl);
    s.baseMatGroup3Field = lvl ? ItemFieldId::BaseKindOfWood3 : ItemFieldId::BaseKindOfWood2;
    // Without a bearing check the options of the bearing have nothing to act on.
    const bool bearing = product != kGlulamColumn;
    s.fcvUpper = flagOf("Fcv_Upper", shown.FcvUpper, bearing);
    s.endPosition = flagOf("EndPosition", m.UseEndPosFcv, bearing);
    s.selectBaseName = fixedChoice("SelectBaseName", kBaseNameTexts, shown.BaseNameIndex);
    s.selectBaseName.enabled = bearing;
    s.defaultButton2.id = "DefaultButton2";
    return s;
}

std::optional<MemberInputData> ChooseBaseMaterial(const MemberInputData& shown, ItemFieldId field, int value) {
    const BaseMaterialFormState page = MakeBaseMaterialFormState(shown);
    const ChoiceControl* list = nullptr;
    switch (field) {
    case ItemFieldId::BaseSelectProduct:
        if (value < 0 || value >= kProductKindCount) return std::nullopt;
        return change(shown, field, value);
    case ItemFieldId::BaseKindOfWood0: list = &page.baseMatGroup1; break;
    case ItemFieldId::BaseKindOfWood1: list = &page.baseMatGroup2; break;
    case ItemFieldId::BaseKindOfWood2:
    case ItemFieldId::BaseKindOfWood3:
        if (field != page.baseMatGroup3Field) return std::nullopt;
        list = &page.baseMatGroup3;
        break;
    case ItemFieldId::BaseNameIndex: list = &page.selectBaseName; break;
    default: return std::nullopt;
    }
    if (!list->enabled || list->indexOf(value) < 0) return std::nullopt;
    return change(shown, field, value);
}

std::optional<MemberInputData> SetBaseMaterialFlag(const MemberInputData& shown, ItemFieldId field, bool checked) {
    const BaseMaterialFormState page = MakeBaseMaterialFormState(shown);
    const FlagControl* box = field == ItemFieldId::FcvUpper           ? &page.fcvUpper
                             : field == ItemFieldId::BaseUseEndPosFcv ? &page.endPosition
                                                                      : nullptr;
    if (box == nullptr || !box->enabled) return std::nullopt;
    return change(shown, field, checked ? 1 : 0);
}

} // namespace tarvo
