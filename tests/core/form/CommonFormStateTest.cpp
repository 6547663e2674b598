#include "core/form/CommonFormState.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(CommonFormState, ListsShowTheStoredChoicesAndSpeeds) {
    CommonInputData common;
    common.V0Index = 3;
    common.RoughIndex = 0;
    common.WoodenStorey = {true, false, true, false};
    const CommonFormState s = MakeCommonFormState(common);
    EXPECT_EQ(s.v0Select.entries.size(), 9U);
    EXPECT_EQ(s.v0Select.text, "36");
    EXPECT_EQ(s.v0Select.entries.back(), (ChoiceEntry{8, "46"}));
    EXPECT_EQ(s.roughSelect.text, "Ⅰ");
    EXPECT_EQ(s.radioGroup1.selectedValue(), 0);
    EXPECT_TRUE(s.structCheckBoxes[2].checked);
    EXPECT_FALSE(s.structCheckBoxes[1].checked);
    EXPECT_EQ(s.structCheckBoxes[3].id, "StructCheckBox4");
}

TEST(CommonFormState, HeightsShowBlankForZeroWithTheTablesFormats) {
    const CommonFormState s = MakeCommonFormState(CommonInputData{});
    EXPECT_FALSE(s.floorHeights[0].zeroVisible);
    EXPECT_FALSE(s.floorLevel.zeroVisible);
    EXPECT_TRUE(s.buildingHeight.zeroVisible);
    EXPECT_EQ(s.upQ.format, &kUpQField);
    EXPECT_EQ(s.upQ.value, 1);
    EXPECT_EQ(s.numberField(CommonFieldId::FloorHeight3), &s.floorHeights[2]);
    EXPECT_EQ(s.numberField(CommonFieldId::SnowEria), nullptr);
}

TEST(CommonFormState, VelocityPressureFollowsTheBuildingHeight) {
    CommonInputData common;
    EXPECT_EQ(MakeCommonFormState(common).velocity.text, "速度圧 q = ？ N/m2");
    common.BuildingHeight = 9;
    const std::string text = MakeCommonFormState(common).velocity.text;
    EXPECT_EQ(text.rfind("速度圧 q = ", 0), 0U);
    EXPECT_EQ(text.find("？"), std::string::npos);
}

TEST(CommonFormState, ChoicesTakeOnlyWhatThePageOffers) {
    const CommonInputData common;
    const auto speed = ChooseCommon(common, CommonFieldId::V0Index, 8);
    ASSERT_TRUE(speed);
    EXPECT_EQ(speed->V0Index, 8);
    EXPECT_FALSE(ChooseCommon(common, CommonFieldId::V0Index, 9));
    EXPECT_FALSE(ChooseCommon(common, CommonFieldId::RoughIndex, 1.5));
    EXPECT_FALSE(ChooseCommon(common, CommonFieldId::RoughIndex, 2)); // already chosen
    const auto wooden = ChooseCommon(common, CommonFieldId::WoodenStorey2, 1);
    ASSERT_TRUE(wooden);
    EXPECT_TRUE(wooden->WoodenStorey[1]);
    EXPECT_FALSE(ChooseCommon(common, CommonFieldId::WoodenStorey2, 2));
    const auto height = ChooseCommon(common, CommonFieldId::BuildingHeight, 9.004);
    ASSERT_TRUE(height);
    EXPECT_DOUBLE_EQ(height->BuildingHeight, 9.0);
    EXPECT_FALSE(ChooseCommon(common, CommonFieldId::Up_q, 0.8)); // below the least factor
    const auto raised = ChooseCommon(common, CommonFieldId::Up_q, 1.25);
    ASSERT_TRUE(raised);
    const auto empty = ChooseCommon(*raised, CommonFieldId::Up_q, 0); // an empty field is the factor 1
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Up_q, 1);
}

} // namespace
} // namespace tarvo
