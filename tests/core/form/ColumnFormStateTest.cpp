#include "core/form/ColumnFormState.h"

#include <gtest/gtest.h>

#include "core/check/ColumnCheck.h"
#include "core/form/WindyCommon.h"
#include "core/material/MatDataBase.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

using test::windy;

class ColumnFormStateTest : public ::testing::Test {
protected:
    ColumnFormState state(const MemberInputData& shown, std::int32_t code = kCheckOk,
                          const ColumnFormState* before = nullptr) const {
        ColumnOutcome outcome;
        outcome.ResultCode = code;
        return MakeColumnFormState(shown, {common, catalogue}, outcome, before);
    }

    CommonData common = windy();
    MatDataBase catalogue;
    ColumnMember item;
};

TEST_F(ColumnFormStateTest, GradeListFollowsTheProductAndNamesSpeciesForTheGlulamColumn) {
    item.ColumnMaterial.ProductStandardNormal = 0;
    item.ColumnMaterial.SelectGrade[0] = 4;
    ColumnFormState s = state(item);
    EXPECT_EQ(s.productKind.selectedValue(), kSawnLumber);
    EXPECT_EQ(s.productKind.columns, 2); // the five products in two columns
    EXPECT_EQ(s.label6.text, "等級");
    ASSERT_EQ(s.gradeSelect.entries.size(), 6U);
    EXPECT_EQ(s.gradeSelect.selectedValue(), 4);
    EXPECT_EQ(s.gradeSelect.text, "乙種２級");

    item.ColumnMaterial.ProductStandardNormal = 2; // ungraded: no grade to choose
    s = state(item);
    EXPECT_FALSE(s.gradeSelect.enabled);
    EXPECT_EQ(s.gradeSelect.selected, -1);

    item.ColumnMaterial.SelectProduct = kGlulamColumn;
    EXPECT_EQ(state(item).label6.text, "樹種");
}

TEST_F(ColumnFormStateTest, RoundSectionOnlyForSawnLumberAndNamedRoundColumnWhenItComesBack) {
    ColumnFormState sawn = state(item);
    ASSERT_EQ(sawn.shapeSelect.entries.size(), 2U);
    EXPECT_EQ(sawn.shapeSelect.entries[1].text, "円形");

    item.ColumnMaterial.SelectProduct = kGlulam;
    item.Shape = kRound; // stored, but glulam has no round section
    const ColumnFormState glulam = state(item, kCheckOk, &sawn);
    ASSERT_EQ(glulam.shapeSelect.entries.size(), 1U);
    EXPECT_EQ(glulam.shapeSelect.selectedValue(), kRectangular);
    item.ColumnMaterial.SelectProduct = kLvl; // drawn for the first time: "矩形" alone as well
    EXPECT_EQ(state(item).shapeSelect.entries, (std::vector<ChoiceEntry>{{kRectangular, "矩形"}}));

    item.ColumnMaterial.SelectProduct = kSawnLumber;
    item.Shape = kRectangular;
    EXPECT_EQ(state(item, kCheckOk, &glulam).shapeSelect.entries[1].text, "円柱");
    EXPECT_EQ(state(item, kCheckOk, &sawn).shapeSelect.entries[1].text, "円形");
}

TEST_F(ColumnFormStateTest, SizeEntriesCarryTheirCodesAndAChosenSizeClosesTheSides) {
    item.ColumnMaterial.SelectProduct = kGlulam;
    item.SizeCode = 406;
    ColumnFormState s = state(item);
    ASSERT_EQ(s.sizeSelect.entries.size(), 10U);
    EXPECT_EQ(s.sizeSelect.entries[0], (ChoiceEntry{0, "任意"}));
    EXPECT_EQ(s.sizeSelect.entries[2], (ChoiceEntry{406, " 406"}));
    EXPECT_EQ(s.sizeSelect.selected, 2);
    EXPECT_EQ(s.sizeSelect.text, " 406");
    EXPECT_TRUE(s.sizeSelect.enabled);
    EXPECT_FALSE(s.sizeB.enabled);
    EXPECT_FALSE(s.sizeD.enabled);

    item.SizeCode = 0;
    s = state(item);
    EXPECT_TRUE(s.sizeB.enabled);
    EXPECT_TRUE(s.sizeD.enabled);
    EXPECT_FALSE(s.subMembers.enabled);
}

TEST_F(ColumnFormStateTest, DimensionLumberSidesFollowTheCodeAndThinSizesTakeLintelPieces) {
    item.ColumnMaterial.SelectProduct = kDimensionLumber;
    item.SizeCode = 204;
    ColumnFormState s = state(item);
    EXPECT_EQ(s.sizeSelect.entries.front().value, 104); // no free size for 2x4
    EXPECT_FALSE(s.sizeB.enabled);
    EXPECT_FALSE(s.sizeD.enabled);
    EXPECT_TRUE(s.subMembers.enabled);
    EXPECT_TRUE(s.subUpDown.enabled);

    item.SizeCode = 404;
    s = state(item);
    EXPECT_FALSE(s.subMembers.enabled);
    EXPECT_FALSE(s.subUpDown.enabled);
}

TEST_F(ColumnFormStateTest, RoundSawnColumnHasADiameterAndOnePiece) {
    item.Shape = kRound;
    item.D = 150;
    const ColumnFormState s = state(item);
    EXPECT_FALSE(s.sizeSelect.enabled);
    EXPECT_FALSE(s.sizeB.enabled);
    EXPECT_TRUE(s.sizeD.enabled);
    EXPECT_FALSE(s.members.enabled);
    EXPECT_FALSE(s.mainUpDown.enabled);
    EXPECT_EQ(s.sizeD.value, 150);
}

TEST_F(ColumnFormStateTest, NumericFieldsTakeTheirFormatFromTheFieldTable) {
    item.Members = 25;
    const ColumnFormState s = state(item);
    ASSERT_NE(s.numberField(ItemFieldId::Cf), nullptr);
    EXPECT_EQ(s.numberField(ItemFieldId::Cf), &s.cfEdit);
    EXPECT_EQ(s.cfEdit.format, itemField(ItemFieldId::Cf).format);
    EXPECT_EQ(s.forces[3].id, "NW");
    EXPECT_EQ(s.forces[3].field, ItemFieldId::AxialForce3);
    EXPECT_FALSE(s.forces[3].zeroVisible);
    EXPECT_EQ(s.numberField(ItemFieldId::Shape), nullptr);
    EXPECT_EQ(s.numberFields().size(), 17U);
    EXPECT_EQ(s.members.value, 25);
    EXPECT_EQ(s.mainUpDown.position, 10); // the spin buttons stop at 10
}

TEST_F(ColumnFormStateTest, DirectLengthsAreOpenAndShowZeroOnlyWhileEnteredDirectly) {
    ColumnFormState s = state(item);
    EXPECT_FALSE(s.lkyEdit.enabled);
    EXPECT_FALSE(s.lkyEdit.zeroVisible);
    EXPECT_FALSE(s.lbEdit.enabled);
    EXPECT_TRUE(s.lbDirect.enabled);
    EXPECT_FALSE(s.sizeBs.enabled); // automatic tenon

    item.LkyDirect = true;
    item.LbDirect = true;
    item.AutoTenon = false;
    s = state(item);
    EXPECT_TRUE(s.lkyEdit.enabled);
    EXPECT_TRUE(s.lkyEdit.zeroVisible);
    EXPECT_TRUE(s.lbEdit.enabled);
    EXPECT_TRUE(s.lbEdit.zeroVisible);
    EXPECT_TRUE(s.sizeBs.enabled);
    EXPECT_TRUE(s.sizeDs.zeroVisible);
}

TEST_F(ColumnFormStateTest, WithoutWindTheWindInputsAndTheAxisOptionAreClosed) {
    item.ColumnMaterial.SelectProduct = kLvl;
    item.B = 150;
    item.D = 120;
    item.LbDirect = true;
    item.CfDirect = true;
    EXPECT_TRUE(state(item).useAxisX.enabled);

    common.BuildingHeight = 0;
    common.UpdateVelocityPressure();
    const ColumnFormState s = state(item);
    EXPECT_FALSE(s.useAxisX.enabled);
    for (const LabelControl* label : {&s.labelLb, &s.windLabel2, &s.windLabel3, &s.windLabel4})
        EXPECT_FALSE(label->enabled) << label->id;
    for (const ItemNumberControl* field : {&s.lbEdit, &s.objectHeight, &s.objectWidth, &s.cfEdit})
        EXPECT_FALSE(field->enabled) << field->id;
    EXPECT_FALSE(s.lbDirect.enabled);
    EXPECT_FALSE(s.cfDirect.enabled);
    // The storeys stay to choose from, without "直接".
    ASSERT_EQ(s.floorSelect.entries.size(), 4U);
    EXPECT_EQ(s.floorSelect.entries[0], (ChoiceEntry{1, "  1"}));
    EXPECT_TRUE(s.floorSelect.enabled);
}

TEST_F(ColumnFormStateTest, FloorListEndsAtTheFirstStoreyWithoutHeightAndOpensZForDirectInput) {
    item.FloorIndex = 2;
    ColumnFormState s = state(item);
    ASSERT_EQ(s.floorSelect.entries.size(), 3U);
    EXPECT_EQ(s.floorSelect.entries[0], (ChoiceEntry{0, "直接"}));
    EXPECT_EQ(s.floorSelect.selectedValue(), 2);
    EXPECT_FALSE(s.objectHeight.enabled);

    item.FloorIndex = 0;
    s = state(item);
    EXPECT_EQ(s.floorSelect.selected, 0);
    EXPECT_TRUE(s.objectHeight.enabled);
}

TEST_F(ColumnFormStateTest, LongTermSnowForceOnlyInHeavySnowAreas) {
    EXPECT_FALSE(state(item).forces[1].enabled);
    EXPECT_TRUE(state(item).forces[0].enabled);
    common.SnowEria = 1;
    EXPECT_TRUE(state(item).forces[1].enabled);
}

TEST_F(ColumnFormStateTest, MessageLineSaysWhyTheItemCannotBeCheckedAndBeepsForARefusal) {
    EXPECT_EQ(state(item).messageBord.text, "");
    const ColumnFormState missing = state(item, kCheckNoAxialForce);
    EXPECT_EQ(missing.messageBord.text, "軸圧縮力が入力されていません。");
    EXPECT_FALSE(missing.messageBord.beep);
    const ColumnFormState slender = state(item, kCheckTooSlender);
    EXPECT_EQ(slender.messageBord.text, std::string(CheckResultMessage(kCheckTooSlender)));
    EXPECT_TRUE(slender.messageBord.beep);
}

} // namespace
} // namespace tarvo
