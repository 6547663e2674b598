#include "core/form/ColumnMaterialFormState.h"

#include <gtest/gtest.h>

#include "core/material/MatDataBase.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

class ColumnMaterialFormStateTest : public ::testing::Test {
protected:
    FormContext context() const { return {common, catalogue}; }
    ColumnMaterialFormState state() const { return MakeColumnMaterialFormState(item, context()); }

    CommonData common;
    MatDataBase catalogue;
    MemberInputData item = ColumnMember().input();
};

TEST_F(ColumnMaterialFormStateTest, SpeciesListIsThatOfTheSawnStandard) {
    item.ColumnMaterial.ProductStandardNormal = 2;
    item.ColumnMaterial.KindOfWood[0] = 15;
    ColumnMaterialFormState s = state();
    EXPECT_EQ(s.timberKind.entries.size(), 21U);
    EXPECT_EQ(s.timberKind.columns, 2);
    EXPECT_EQ(s.timberKind.selectedValue(), 15);

    // The visual grades have ten species: choosing them takes species 0.
    const auto visual = ChooseColumnMaterial(item, context(), ItemFieldId::ProductStandardNormal, 0);
    ASSERT_TRUE(visual);
    EXPECT_EQ(visual->ColumnMaterial.KindOfWood[0], 0);
    item = *visual;
    s = state();
    EXPECT_EQ(s.timberKind.entries.size(), 10U);
    EXPECT_EQ(s.timberKind.columns, 1);
    EXPECT_EQ(s.productStandard.text, "日本農林規格（目視等級）");
}

TEST_F(ColumnMaterialFormStateTest, StandardOfTheColumnsProductRefillsItsGrades) {
    item.ColumnMaterial.SelectProduct = kSawnLumber;
    item.ColumnMaterial.ProductStandardNormal = 0;
    item.ColumnMaterial.SelectGrade[0] = 5; // 乙種３級
    const auto machine = ChooseColumnMaterial(item, context(), ItemFieldId::ProductStandardNormal, 1);
    ASSERT_TRUE(machine);
    EXPECT_EQ(machine->ColumnMaterial.SelectGrade[0], 0); // five machine grades for species 0

    item.ColumnMaterial.SelectProduct = kGlulam; // not the column's product: the grade stays
    const auto other = ChooseColumnMaterial(item, context(), ItemFieldId::ProductStandardNormal, 1);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->ColumnMaterial.SelectGrade[0], 5);
}

TEST_F(ColumnMaterialFormStateTest, MachineGradedSpeciesRefillsTheGradeList) {
    item.ColumnMaterial.ProductStandardNormal = 1;
    item.ColumnMaterial.KindOfWood[0] = 6; // six grades from E50
    item.ColumnMaterial.SelectGrade[0] = 5;
    const auto species = ChooseColumnMaterial(item, context(), ItemFieldId::KindOfWood0, 0);
    ASSERT_TRUE(species);
    EXPECT_EQ(species->ColumnMaterial.SelectGrade[0], 0); // five grades from E70
}

TEST_F(ColumnMaterialFormStateTest, MsrOfAColumnOf2x4RefillsGradesAndSizes) {
    item.ColumnMaterial.SelectProduct = kDimensionLumber;
    item.ColumnMaterial.ProductStandard2x4 = 0;
    item.ColumnMaterial.UseMSR = true;
    item.ColumnMaterial.SelectGrade[1] = 7;
    item.SizeCode = 106;
    item.B = 19;
    item.D = 140;
    // Without MSR grade 7 is the end-jointed lumber, which has no 106: the
    // first size of its list is taken with its section.
    const auto visual = SetColumnMaterialFlag(item, context(), ItemFieldId::UseMSR, false);
    ASSERT_TRUE(visual);
    EXPECT_FALSE(visual->ColumnMaterial.UseMSR);
    EXPECT_EQ(visual->SizeCode, 104);
    EXPECT_EQ(visual->D, 89);
    EXPECT_FALSE(SetColumnMaterialFlag(item, context(), ItemFieldId::UseMSR, true));
}

TEST_F(ColumnMaterialFormStateTest, LayUpOpensTheLaminaCountOrTheUnevaluatedLaminae) {
    item.ColumnMaterial.LaminaCompositionIndex = 0;
    ColumnMaterialFormState s = state();
    EXPECT_TRUE(s.laminaCount.enabled);
    EXPECT_FALSE(s.unValuation.enabled);
    EXPECT_FALSE(SetColumnMaterialFlag(item, context(), ItemFieldId::UnValuationLamina, true));

    item.ColumnMaterial.LaminaCompositionIndex = 3; // only from stored data: no entry for it
    s = state();
    EXPECT_EQ(s.laminaComposition.selected, -1);
    EXPECT_FALSE(s.laminaCount.enabled);
    EXPECT_TRUE(s.unValuation.enabled);
    EXPECT_FALSE(ChooseColumnMaterial(item, context(), ItemFieldId::LaminaCountIndex, 1));
    EXPECT_FALSE(ChooseColumnMaterial(item, context(), ItemFieldId::LaminaCompositionIndex, 3));
}

TEST_F(ColumnMaterialFormStateTest, LayUpOfAGlulamColumnResetsAGradeBeyondItsList) {
    item.ColumnMaterial.SelectProduct = kGlulam;
    item.ColumnMaterial.LaminaCompositionIndex = 1; // eleven symmetric grades
    item.ColumnMaterial.SelectGrade[kGlulam] = 9;
    const auto specific = ChooseColumnMaterial(item, context(), ItemFieldId::LaminaCompositionIndex, 2);
    ASSERT_TRUE(specific);
    EXPECT_EQ(specific->ColumnMaterial.SelectGrade[kGlulam], 0); // four specific grades
}

TEST_F(ColumnMaterialFormStateTest, PlainChoicesStoreTheirIndexOnlyWhenTheListOffersIt) {
    const auto environ = ChooseColumnMaterial(item, context(), ItemFieldId::UseEnvironIndex, 0);
    ASSERT_TRUE(environ);
    EXPECT_EQ(environ->ColumnMaterial.UseEnvironIndex, 0);
    EXPECT_FALSE(ChooseColumnMaterial(item, context(), ItemFieldId::UseEnvironIndex, 3));
    EXPECT_FALSE(ChooseColumnMaterial(item, context(), ItemFieldId::LVL_Shear_Index, 7));
    EXPECT_TRUE(ChooseColumnMaterial(item, context(), ItemFieldId::LVL_Shear_Index, 6));
    EXPECT_FALSE(ChooseColumnMaterial(item, context(), ItemFieldId::SelectGrade0, 1)); // not on this page
    EXPECT_EQ(state().timberKind2x4.entries[0].text, "D Fir-L");
    EXPECT_EQ(state().laminaKind.entries.size(), 36U);
}

} // namespace
} // namespace tarvo
