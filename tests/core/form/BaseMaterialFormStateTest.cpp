#include "core/form/BaseMaterialFormState.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

class BaseMaterialFormStateTest : public ::testing::Test {
protected:
    MemberInputData item = ColumnMember().input();
};

TEST_F(BaseMaterialFormStateTest, ProductButtonOpensItsOwnSpeciesGroup) {
    item.BaseMaterial.SelectProduct = kDimensionLumber;
    item.BaseMaterial.KindOfWood[1] = 3;
    BaseMaterialFormState s = MakeBaseMaterialFormState(item);
    EXPECT_TRUE(s.baseMatButtons[kDimensionLumber].checked);
    EXPECT_FALSE(s.baseMatButtons[kSawnLumber].checked);
    EXPECT_EQ(s.baseMatButtons[4].id, "BaseMatButton5");
    EXPECT_FALSE(s.baseMatGroup1.enabled);
    EXPECT_TRUE(s.baseMatGroup2.enabled);
    EXPECT_EQ(s.baseMatGroup2.text, "S-P-F");
    EXPECT_FALSE(s.baseMatGroup3.enabled);

    item.BaseMaterial.SelectProduct = 7; // beyond the buttons: none is checked
    s = MakeBaseMaterialFormState(item);
    for (const FlagControl& button : s.baseMatButtons)
        EXPECT_FALSE(button.checked) << button.id;
}

TEST_F(BaseMaterialFormStateTest, GlulamAndLvlShareTheLaminaGroupEachWithItsSlot) {
    item.BaseMaterial.KindOfWood[kGlulam] = 4;
    item.BaseMaterial.KindOfWood[kLvl] = 9;
    item.BaseMaterial.SelectProduct = kLvl;
    BaseMaterialFormState s = MakeBaseMaterialFormState(item);
    EXPECT_TRUE(s.baseMatGroup3.enabled);
    EXPECT_EQ(s.baseMatGroup3.selectedValue(), 9);
    EXPECT_EQ(s.baseMatGroup3Field, ItemFieldId::BaseKindOfWood3);

    const auto lvl = ChooseBaseMaterial(item, ItemFieldId::BaseKindOfWood3, 12);
    ASSERT_TRUE(lvl);
    EXPECT_EQ(lvl->BaseMaterial.KindOfWood[kLvl], 12);
    EXPECT_EQ(lvl->BaseMaterial.KindOfWood[kGlulam], 4);
    EXPECT_FALSE(ChooseBaseMaterial(item, ItemFieldId::BaseKindOfWood2, 12)); // the glulam slot is not shown

    const auto glulam = ChooseBaseMaterial(item, ItemFieldId::BaseSelectProduct, kGlulam);
    ASSERT_TRUE(glulam);
    s = MakeBaseMaterialFormState(*glulam);
    EXPECT_EQ(s.baseMatGroup3.selectedValue(), 4);
    EXPECT_FALSE(ChooseBaseMaterial(*glulam, ItemFieldId::BaseSelectProduct, kGlulam)); // already chosen
}

TEST_F(BaseMaterialFormStateTest, WithoutBearingCheckItsOptionsAndSpeciesAreClosed) {
    item.BaseMaterial.SelectProduct = kGlulamColumn;
    const BaseMaterialFormState s = MakeBaseMaterialFormState(item);
    EXPECT_FALSE(s.fcvUpper.enabled);
    EXPECT_FALSE(s.endPosition.enabled);
    EXPECT_FALSE(s.selectBaseName.enabled);
    EXPECT_FALSE(s.baseMatGroup1.enabled || s.baseMatGroup2.enabled || s.baseMatGroup3.enabled);
    EXPECT_FALSE(SetBaseMaterialFlag(item, ItemFieldId::FcvUpper, true));
    EXPECT_FALSE(ChooseBaseMaterial(item, ItemFieldId::BaseNameIndex, 1));
    EXPECT_FALSE(ChooseBaseMaterial(item, ItemFieldId::BaseKindOfWood0, 1));
}

TEST_F(BaseMaterialFormStateTest, BearingOptionsAndDisplayNameAreStored) {
    const auto sill = SetBaseMaterialFlag(item, ItemFieldId::FcvUpper, true);
    ASSERT_TRUE(sill);
    EXPECT_TRUE(sill->FcvUpper);
    const auto end = SetBaseMaterialFlag(item, ItemFieldId::BaseUseEndPosFcv, true);
    ASSERT_TRUE(end);
    EXPECT_TRUE(end->BaseMaterial.UseEndPosFcv);
    const auto name = ChooseBaseMaterial(item, ItemFieldId::BaseNameIndex, 2);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->BaseNameIndex, 2);
    EXPECT_EQ(MakeBaseMaterialFormState(*name).selectBaseName.text, "梁材");
    EXPECT_FALSE(ChooseBaseMaterial(item, ItemFieldId::BaseNameIndex, 5));
    EXPECT_FALSE(SetBaseMaterialFlag(item, ItemFieldId::UseAxisX, true)); // not on this page
}

} // namespace
} // namespace tarvo
