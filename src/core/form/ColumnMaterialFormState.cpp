#include "core/form/ColumnMaterialFormState.h"

#include "core/form/ColumnFormChoices.h"
#include "core/form/tables/FormChoiceTexts.h"
#include "core/material/MatDataBase.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo {
namespace {

using namespace form;

// Lay-up "同一等級構成": the lamina count applies to it alone, the
// reduction of un-evaluated laminae to every other lay-up.
constexpr int kSameGradeLayUp = 0;

ButtonControl buttonOf(std::string_view id) {
    ButtonControl control;
    control.id = id;
    return control;
}

// The product whose grade or size list a change of `field` alters; the
// column design page's lists are refilled when it is the column's product.
int productConcerned(ItemFieldId field, const MatInputData& material) {
    switch (field) {
    case ItemFieldId::ProductStandardNormal: return kSawnLumber;
    // Machine grades differ between the first six species and the others.
    case ItemFieldId::KindOfWood0: return material.ProductStandardNormal == 1 ? kSawnLumber : -1;
    case ItemFieldId::ProductStandard2x4:
    case ItemFieldId::UseMSR: return kDimensionLumber;
    case ItemFieldId::LaminaCompositionIndex:
    case ItemFieldId::LaminaCountIndex: return kGlulam;
    default: return -1;
    }
}

std::optional<MemberInputData> change(const MemberInputData& shown, const FormContext& context, ItemFieldId field,
                                      double value) {
    MemberInputData after = shown;
    itemField(field).set(after, value);
    MatInputData& material = after.ColumnMaterial;
    // The species list is that of the standard; a species beyond it becomes 0.
    if (field == ItemFieldId::ProductStandardNormal) (void)context.catalogue.fillSpeciesList(material);
    const int product = productConcerned(field, material);
    if (product >= 0 && product == material.SelectProduct) RefillColumnLists(after, context);
    if (after == shown) return std::nullopt;
    return after;
}

} // namespace

ColumnMaterialFormState MakeColumnMaterialFormState(const MemberInputData& shown, const FormContext& context) {
    ColumnMaterialFormState s;
    const MatInputData& m = shown.ColumnMaterial;
    s.productStandard = fixedChoice("ProductStandard", kProductStandardTexts, m.ProductStandardNormal);
    MatInputData species = m;
    s.timberKind = catalogueChoice("TimberKind", context.catalogue.fillSpeciesList(species));
    s.productStandard2x4 = fixedChoice("ProductStandard2x4", kProductStandard2x4Texts, m.ProductStandard2x4);
    s.timberKind2x4 = fixedChoice("TimberKind2x4", kSpeciesGroup2x4Texts, m.KindOfWood[kDimensionLumber]);
    s.timberKind2x4.columns = 2;
    s.useMSR = flagOf("UseMSR", m.UseMSR, true);

    const bool sameGrade = m.LaminaCompositionIndex == kSameGradeLayUp;
    s.laminaComposition = fixedChoice("LaminaComposition", kLaminaCompositionTexts, m.LaminaCompositionIndex);
    s.laminaCount = fixedChoice("LaminaCount", kLaminaCountTexts, m.LaminaCountIndex);
    s.laminaCount.enabled = sameGrade;
    s.laminaKind = fixedChoice("LaminaKind", material::kLaminaSpecies, m.KindOfWood[kGlulam]);
    s.laminaKind.columns = 2;
    s.unValuation = flagOf("UnValuation", m.UnValuationLamina, !sameGrade);
    s.lvlShearSelect = fixedChoice("LVL_ShearSelect", kLvlShearTexts, m.LVL_Shear_Index);
    s.lvlShearSelect.columns = 4;
    s.environSelect = fixedChoice("EnvironSelect", kEnvironTexts, m.UseEnvironIndex);
    s.defaultButton3 = buttonOf("DefaultButton3");
    s.defaultButton4 = buttonOf("DefaultButton4");
    return s;
}

const ChoiceControl* ColumnMaterialFormState::choice(ItemFieldId field) const {
    switch (field) {
    case ItemFieldId::ProductStandardNormal: return &productStandard;
    case ItemFieldId::KindOfWood0: return &timberKind;
    case ItemFieldId::ProductStandard2x4: return &productStandard2x4;
    case ItemFieldId::KindOfWood1: return &timberKind2x4;
    case ItemFieldId::LaminaCompositionIndex: return &laminaComposition;
    case ItemFieldId::LaminaCountIndex: return &laminaCount;
    case ItemFieldId::KindOfWood2: return &laminaKind;
    case ItemFieldId::LVL_Shear_Index: return &lvlShearSelect;
    case ItemFieldId::UseEnvironIndex: return &environSelect;
    default: return nullptr;
    }
}

const FlagControl* ColumnMaterialFormState::flag(ItemFieldId field) const {
    switch (field) {
    case ItemFieldId::UseMSR: return &useMSR;
    case ItemFieldId::UnValuationLamina: return &unValuation;
    default: return nullptr;
    }
}

std::optional<MemberInputData> ChooseColumnMaterial(const MemberInputData& shown, const FormContext& context,
                                                    ItemFieldId field, int value) {
    const ColumnMaterialFormState page = MakeColumnMaterialFormState(shown, context);
    const ChoiceControl* list = page.choice(field);
    if (list == nullptr || !list->enabled || list->indexOf(value) < 0) return std::nullopt;
    return change(shown, context, field, value);
}

std::optional<MemberInputData> SetColumnMaterialFlag(const MemberInputData& shown, const FormContext& context,
                                                     ItemFieldId field, bool checked) {
    const ColumnMaterialFormState page = MakeColumnMaterialFormState(shown, context);
    const FlagControl* box = page.flag(field);
    if (box == nullptr || !box->enabled) return std::nullopt;
    return change(shown, context, field, checked ? 1 : 0);
}

} // namespace tarvo
