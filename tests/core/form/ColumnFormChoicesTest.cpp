#include "core/form/ColumnFormChoices.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/form/WindyCommon.h"
#include "core/material/MatDataBase.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

using test::windy;

class ColumnFormChoicesTest : public ::testing::Test {
protected:
    FormContext context() const { return {common, catalogue}; }

    CommonData common = windy();
    MatDataBase catalogue;
    MemberInputData item = [] {
        ColumnMember square;
        square.B = 105;
        square.D = 105;
        return square.input();
    }();
};

TEST_F(ColumnFormChoicesTest, ShowingAnItemCorrectsWhatItsListsCannotShow) {
    item.ColumnMaterial.SelectProduct = kGlulam;
    item.ColumnMaterial.SelectGrade[kGlulam] = 40; // beyond the grade list
    item.Shape = kRound;                           // glulam has no round section
    item.B = 0;
    item.D = 120;
    item.SizeCode = 204; // not a glulam size: the free size is chosen
    item.FloorIndex = 3; // storey 3 has no height: the first storey is taken
    const MemberInputData shown = ShownItem(item, context());
    EXPECT_EQ(shown.ColumnMaterial.SelectGrade[kGlulam], 0);
    EXPECT_EQ(shown.Shape, kRectangular);
    EXPECT_EQ(shown.SizeCode, 0);
    EXPECT_EQ(shown.B, 120);
    EXPECT_EQ(shown.FloorIndex, 1);
    EXPECT_DOUBLE_EQ(shown.HeightZ, 2.0);
    EXPECT_EQ(ShownItem(shown, context()), shown);
}

TEST_F(ColumnFormChoicesTest, ProductSwitchTakesTheNewListsAndTheSizeRules) {
    const auto lumber = ChooseProduct(item, context(), kDimensionLumber);
    ASSERT_TRUE(lumber);
    // 105 × 105 is no 2x4 size: the list's first size is taken with its section.
    EXPECT_EQ(lumber->SizeCode, 104);
    EXPECT_EQ(lumber->B, 19);
    EXPECT_EQ(lumber->D, 89);

    item.Shape = kRound;
    item.B = 0;
    const auto glulam = ChooseProduct(item, context(), kGlulam);
    ASSERT_TRUE(glulam);
    EXPECT_EQ(glulam->Shape, kRectangular);
    EXPECT_EQ(glulam->B, 105); // the round column had no width; it takes the depth

    EXPECT_FALSE(ChooseProduct(item, context(), kSawnLumber)); // already chosen
    EXPECT_FALSE(ChooseProduct(item, context(), 5));
}

TEST_F(ColumnFormChoicesTest, GradeChoiceRefillsTheSizesItOffers) {
    item.ColumnMaterial.SelectProduct = kDimensionLumber;
    item.ColumnMaterial.ProductStandard2x4 = 0;
    item = ShownItem(*ChooseSize(ShownItem(item, context()), context(), 106), context());
    ASSERT_EQ(item.SizeCode, 106);
    // The end-jointed grade has no 106: the first size of its list is taken.
    const auto jointed = ChooseGrade(item, context(), 7);
    ASSERT_TRUE(jointed);
    EXPECT_EQ(jointed->ColumnMaterial.SelectGrade[kDimensionLumber], 7);
    EXPECT_EQ(jointed->SizeCode, 104);
    EXPECT_FALSE(ChooseGrade(item, context(), 8)); // beyond the list

    item.ColumnMaterial.SelectProduct = kSawnLumber;
    item.ColumnMaterial.ProductStandardNormal = 2; // ungraded: the list is closed
    EXPECT_FALSE(ChooseGrade(item, context(), 0));
}

TEST_F(ColumnFormChoicesTest, RoundShapeDropsTheWidthTheSizeCodeAndExtraPieces) {
    item.Members = 3;
    const auto round = ChooseShape(item, context(), kRound);
    ASSERT_TRUE(round);
    EXPECT_EQ(round->B, 0);
    EXPECT_EQ(round->D, 105);
    EXPECT_EQ(round->Members, 1);
    const auto back = ChooseShape(*round, context(), kRectangular);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->B, 105);
    EXPECT_FALSE(ChooseShape(item, context(), kRectangular));

    item.ColumnMaterial.SelectProduct = kLvl;
    EXPECT_FALSE(ChooseShape(item, context(), kRound));
}

TEST_F(ColumnFormChoicesTest, SizeChoiceSetsTheSectionAndThickSizesDropLintelPieces) {
    item.ColumnMaterial.SelectProduct = kDimensionLumber;
    item = ShownItem(item, context());
    item.SubMembers = 2;
    const auto thin = ChooseSize(item, context(), 204);
    ASSERT_TRUE(thin);
    EXPECT_EQ(thin->B, 38);
    EXPECT_EQ(thin->D, 89);
    EXPECT_EQ(thin->SubMembers, 2);
    const auto thick = ChooseSize(*thin, context(), 404);
    ASSERT_TRUE(thick);
    EXPECT_EQ(thick->SubMembers, 0);
    EXPECT_FALSE(ChooseSize(item, context(), 0)); // 2x4 has no free size
    EXPECT_FALSE(ChooseSize(item, context(), 610));
}

TEST_F(ColumnFormChoicesTest, TypedSizeIsTakenOnlyWhenTheListOffersIt) {
    item.ColumnMaterial.SelectProduct = kGlulam;
    item.B = 120;
    item.D = 240;
    const auto typed = TypeSize(item, context(), " 406");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->SizeCode, 406);
    EXPECT_EQ(typed->B, 89);
    EXPECT_EQ(typed->D, 140);
    // A 2x4 code is no glulam size: the item is left as it was.
    EXPECT_FALSE(TypeSize(item, context(), "204"));
    EXPECT_FALSE(TypeSize(item, context(), "-404"));
    const auto free = TypeSize(*typed, context(), "任意");
    ASSERT_TRUE(free);
    EXPECT_EQ(free->SizeCode, 0);
    EXPECT_EQ(free->B, 89); // the free size keeps the section
}

TEST_F(ColumnFormChoicesTest, FloorChoiceSetsZToTheStoreysMidHeight) {
    item.FloorIndex = 0;
    item.HeightZ = 7.5;
    const auto second = ChooseFloor(item, context(), 2);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->FloorIndex, 2);
    EXPECT_DOUBLE_EQ(second->HeightZ, 5.0);
    const auto direct = ChooseFloor(*second, context(), 0);
    ASSERT_TRUE(direct);
    EXPECT_EQ(direct->FloorIndex, 0);
    EXPECT_DOUBLE_EQ(direct->HeightZ, 5.0);        // Z stays to be typed over
    EXPECT_FALSE(ChooseFloor(item, context(), 3)); // storey 3 has no height
}

TEST_F(ColumnFormChoicesTest, CheckBoxesChangeOnlyWhileOpen) {
    const auto manual = SetColumnFlag(item, context(), ItemFieldId::AutoTenon, false);
    ASSERT_TRUE(manual);
    EXPECT_FALSE(manual->AutoTenon);
    EXPECT_FALSE(SetColumnFlag(item, context(), ItemFieldId::AutoTenon, true)); // already on
    EXPECT_FALSE(SetColumnFlag(item, context(), ItemFieldId::FcvUpper, true));  // not on this page

    common.BuildingHeight = 0;
    common.UpdateVelocityPressure();
    EXPECT_FALSE(SetColumnFlag(item, context(), ItemFieldId::CfDirect, true));
    EXPECT_TRUE(SetColumnFlag(item, context(), ItemFieldId::LkyDirect, true));
}

TEST_F(ColumnFormChoicesTest, NumbersAreTakenAsTheFieldTakesThemAndOnlyWhereItIsOpen) {
    const auto length = EnterColumnNumber(item, context(), ItemFieldId::Lkx, 2800.4);
    ASSERT_TRUE(length);
    EXPECT_EQ(length->Lkx, 2800);
    // Refused, not held to a limit.
    EXPECT_FALSE(EnterColumnNumber(item, context(), ItemFieldId::Lkx, 100000.6));
    EXPECT_FALSE(EnterColumnNumber(item, context(), ItemFieldId::Lkx, -5));
    EXPECT_FALSE(EnterColumnNumber(item, context(), ItemFieldId::Lkx, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(EnterColumnNumber(*length, context(), ItemFieldId::Lkx, 2800.2)); // the same value
    EXPECT_FALSE(EnterColumnNumber(item, context(), ItemFieldId::Lky, 2000));      // follows Lkx

    item.Members = 2;
    const auto pieces = EnterColumnNumber(item, context(), ItemFieldId::Members, 0);
    ASSERT_TRUE(pieces);
    EXPECT_EQ(pieces->Members, 1);

    item.ColumnMaterial.SelectProduct = kDimensionLumber;
    item = ShownItem(item, context());
    EXPECT_FALSE(EnterColumnNumber(item, context(), ItemFieldId::B, 50)); // the size sets it
}

} // namespace
} // namespace tarvo
