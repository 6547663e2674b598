#include "core/project/ColumnInputRules.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

using Entries = std::vector<std::string>;

CommonData commonWith(double buildingHeight, std::array<double, 4> heights, std::array<bool, 4> wooden) {
    CommonData common;
    common.BuildingHeight = buildingHeight;
    common.FirstFloorLevel = 0.5;
    common.FloorHeight = heights;
    common.WoodenStorey = wooden;
    common.UpdateVelocityPressure();
    common.UpdateMidHeights();
    return common;
}

TEST(LeadingInteger, ReadsTheNumberAtTheStartOfAListEntry) {
    EXPECT_EQ(LeadingInteger(" 204"), 204);
    EXPECT_EQ(LeadingInteger("  2"), 2);
    EXPECT_EQ(LeadingInteger("-12abc"), -12);
    EXPECT_EQ(LeadingInteger("+7"), 7);
    EXPECT_EQ(LeadingInteger("任意"), 0);
    EXPECT_EQ(LeadingInteger("直接"), 0);
    EXPECT_EQ(LeadingInteger(""), 0);
    EXPECT_EQ(LeadingInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(LeadingInteger("-99999999999999999999"), INT_MIN);
}

TEST(SizeRules, RoundColumnHasNoWidthNoSizeCodeAndClosedSizeControls) {
    ColumnMember item;
    item.Shape = kRound;
    item.B = 120;
    item.D = 150;
    item.SizeCode = 204;
    const SizeControlState state = ApplySizeCodeRules(item, 0, 1, 0, false);
    EXPECT_EQ(item.SizeCode, 0);
    EXPECT_EQ(item.B, 0);
    EXPECT_EQ(item.D, 150);
    EXPECT_FALSE(state.sizeSelectEnabled);
    EXPECT_FALSE(state.sizeBEnabled);
    EXPECT_TRUE(state.sizeDEnabled);
}

TEST(SizeRules, RectangularSectionWithoutWidthTakesTheDepth) {
    ColumnMember item;
    item.D = 105;
    item.B = 0;
    const SizeControlState state = ApplySizeCodeRules(item, 0, 1, 0, false);
    EXPECT_EQ(item.B, 105);
    EXPECT_TRUE(state.sizeBEnabled);
    EXPECT_TRUE(state.sizeDEnabled);
    EXPECT_FALSE(state.sizeSelectEnabled); // only "任意" to choose
    EXPECT_FALSE(state.subMembersEnabled);
}

TEST(SizeRules, DimensionLumberSizeCodesSetTheSectionAndTheLintelPieces) {
    ColumnMember item;
    item.ColumnMaterial.SelectProduct = kDimensionLumber;
    item.SubMembers = 2;
    SizeControlState state = ApplySizeCodeRules(item, 204, 11, 3, true);
    EXPECT_EQ(item.SizeCode, 204);
    EXPECT_EQ(item.B, 38);
    EXPECT_EQ(item.D, 89);
    EXPECT_FALSE(state.sizeBEnabled);
    EXPECT_FALSE(state.sizeDEnabled);
    EXPECT_TRUE(state.sizeSelectEnabled);
    EXPECT_TRUE(state.subMembersEnabled);
    EXPECT_EQ(item.SubMembers, 2);

    state = ApplySizeCodeRules(item, 404, 11, 8, true);
    EXPECT_EQ(item.SizeCode, 404);
    EXPECT_EQ(item.B, 89);
    EXPECT_EQ(item.D, 89);
    EXPECT_FALSE(state.subMembersEnabled);
    EXPECT_EQ(item.SubMembers, 0);
}

TEST(SizeRules, GlulamSizeChosenFromTheListClosesBothSides) {
    ColumnMember item;
    item.ColumnMaterial.SelectProduct = kGlulam;
    const SizeControlState state = ApplySizeCodeRules(item, 406, 10, 2, false);
    EXPECT_EQ(item.SizeCode, 406);
    EXPECT_EQ(item.B, 89);
    EXPECT_EQ(item.D, 140);
    EXPECT_FALSE(state.sizeBEnabled);
    EXPECT_FALSE(state.sizeDEnabled);
}

TEST(SizeRules, CodeThatIsNoSizeOfTheTableLeavesTheSection) {
    ColumnMember item;
    item.ColumnMaterial.SelectProduct = kGlulam;
    item.B = 120;
    item.D = 240;
    (void)ApplySizeCodeRules(item, 999, 10, 0, false);
    EXPECT_EQ(item.SizeCode, 999);
    EXPECT_EQ(item.B, 120);
    EXPECT_EQ(item.D, 240);
}

TEST(RoundPieceRule, RoundSawnColumnIsOneFixedPiece) {
    ColumnMember item;
    item.Shape = kRound;
    item.Members = 3;
    EXPECT_FALSE(ApplyRoundPieceRule(item));
    EXPECT_EQ(item.Members, 1);

    ColumnMember rectangular;
    rectangular.Members = 3;
    EXPECT_TRUE(ApplyRoundPieceRule(rectangular));
    EXPECT_EQ(rectangular.Members, 3);
}

TEST(UseAxisXAllowed, NeedsWindAWideSectionAndAnEligibleProduct) {
    ColumnMember item;
    item.B = 150;
    item.D = 150; // a square counts as B ≥ D
    item.ColumnMaterial.SelectProduct = kLvl;
    EXPECT_TRUE(UseAxisXAllowed(item, true));
    EXPECT_FALSE(UseAxisXAllowed(item, false));
    item.ColumnMaterial.SelectProduct = kGlulamColumn;
    EXPECT_TRUE(UseAxisXAllowed(item, true));
    item.ColumnMaterial.SelectProduct = kSawnLumber;
    EXPECT_FALSE(UseAxisXAllowed(item, true));

    item.ColumnMaterial.SelectProduct = kGlulam;
    item.ColumnMaterial.LaminaCompositionIndex = 1;
    item.ColumnMaterial.UnValuationLamina = true;
    EXPECT_FALSE(UseAxisXAllowed(item, true));
    item.ColumnMaterial.LaminaCompositionIndex = 0;
    EXPECT_TRUE(UseAxisXAllowed(item, true));
    item.ColumnMaterial.LaminaCompositionIndex = 1;
    item.ColumnMaterial.UnValuationLamina = false;
    EXPECT_TRUE(UseAxisXAllowed(item, true));

    item.B = 120;
    item.D = 240;
    EXPECT_FALSE(UseAxisXAllowed(item, true));
    item.B = 0;
    item.D = 0;
    EXPECT_FALSE(UseAxisXAllowed(item, true));
}

TEST(FloorEntries, WithoutWindListsEveryWoodenStoreyAndNoDirectEntry) {
    const CommonData common = commonWith(0, {2.8, 0, 0, 0}, {true, true, false, true});
    EXPECT_EQ(FloorEntries(common), (Entries{"  1", "  2", "  4"}));
}

TEST(FloorEntries, WithWindStopsAtTheFirstStoreyWithoutHeight) {
    const CommonData common = commonWith(9.0, {2.8, 2.7, 0, 3.0}, {true, true, true, true});
    EXPECT_EQ(FloorEntries(common), (Entries{"直接", "  1", "  2"}));
}

TEST(FloorsDiffer, TheListOrWithWindTheStoreysMidHeights) {
    const CommonData calm = commonWith(0, {2.8, 2.7, 0, 0}, {true, true, false, false});
    // Without wind the list names every wooden storey, whatever its height.
    EXPECT_FALSE(FloorsDiffer(calm, commonWith(0, {2.8, 3.1, 0, 0}, {true, true, false, false})));
    EXPECT_TRUE(FloorsDiffer(calm, commonWith(0, {2.8, 2.7, 0, 0}, {true, true, false, true})));
    // Wind brings "直接"; with wind a height moves the mid-heights or ends the list.
    const CommonData windy = commonWith(9.0, {2.8, 2.7, 0, 0}, {true, true, false, false});
    EXPECT_TRUE(FloorsDiffer(calm, windy));
    EXPECT_TRUE(FloorsDiffer(windy, commonWith(9.0, {2.8, 3.1, 0, 0}, {true, true, false, false})));
    EXPECT_TRUE(FloorsDiffer(windy, commonWith(9.0, {2.8, 0, 0, 0}, {true, true, false, false})));
    EXPECT_FALSE(FloorsDiffer(windy, commonWith(10.0, {2.8, 2.7, 0, 0}, {true, true, false, false})));
}

TEST(FloorSync, SelectsTheItemsStoreyAndTakesItsMidHeight) {
    const CommonData common = commonWith(9.0, {2.8, 2.7, 0, 0}, {true, true, false, false});
    const std::vector<int> values = FloorValues(common);
    ColumnMember item;
    item.FloorIndex = 2;
    const FloorSelection selection = SyncFloorValue(values, item, common);
    EXPECT_EQ(selection.selected, 2);
    EXPECT_TRUE(selection.enabled);
    EXPECT_DOUBLE_EQ(item.HeightZ, common.MidHeight[1]);
}

TEST(FloorSync, DirectEntryKeepsTheTypedHeight) {
    const CommonData common = commonWith(9.0, {2.8, 2.7, 0, 0}, {true, true, false, false});
    ColumnMember item;
    item.FloorIndex = 0;
    item.HeightZ = 4.25;
    const FloorSelection selection = SyncFloorValue(FloorValues(common), item, common);
    EXPECT_EQ(selection.selected, 0);
    EXPECT_DOUBLE_EQ(item.HeightZ, 4.25);
}

TEST(FloorSync, StoreyNoLongerListedFallsBackToTheFirstStoreyEntry) {
    // Storey 2 was marked non-wooden: entry 1 is chosen and the item takes its storey.
    const CommonData common = commonWith(9.0, {2.8, 2.7, 2.6, 0}, {true, false, true, false});
    ColumnMember item;
    item.FloorIndex = 2;
    const FloorSelection selection = SyncFloorValue(FloorValues(common), item, common);
    EXPECT_EQ(selection.selected, 1);
    EXPECT_EQ(item.FloorIndex, 1);
    EXPECT_DOUBLE_EQ(item.HeightZ, common.MidHeight[0]);

    // Without wind the first entry is a storey already.
    const CommonData calm = commonWith(0, {2.8, 2.7, 2.6, 0}, {false, false, true, true});
    ColumnMember other;
    other.FloorIndex = 1;
    other.HeightZ = 7;
    const FloorSelection calmSelection = SyncFloorValue(FloorValues(calm), other, calm);
    EXPECT_EQ(calmSelection.selected, 0);
    EXPECT_EQ(other.FloorIndex, 3);
    EXPECT_DOUBLE_EQ(other.HeightZ, 7); // heights follow the storey only with wind
}

TEST(FloorSync, ShortOrEmptyListsResetTheStorey) {
    const CommonData none = commonWith(0, {2.8, 0, 0, 0}, {false, false, false, false});
    ColumnMember item;
    item.FloorIndex = 3;
    FloorSelection selection = SyncFloorValue(FloorValues(none), item, none);
    EXPECT_EQ(selection.selected, -1);
    EXPECT_FALSE(selection.enabled);
    EXPECT_EQ(item.FloorIndex, 0);

    const CommonData windOnly = commonWith(9.0, {0, 0, 0, 0}, {true, true, true, true});
    item.FloorIndex = 2;
    selection = SyncFloorValue(FloorValues(windOnly), item, windOnly);
    EXPECT_EQ(selection.selected, 0); // "直接" alone
    EXPECT_EQ(item.FloorIndex, 0);
}

TEST(FloorValues, DirectIsZeroAndStoreysTheirNumber) {
    const CommonData windy = commonWith(9.0, {2.8, 2.7, 0, 0}, {true, true, true, true});
    EXPECT_EQ(FloorValues(windy), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(FloorEntries(windy), (Entries{"直接", "  1", "  2"}));
    const CommonData calm = commonWith(0, {2.8, 2.7, 2.6, 2.5}, {false, false, true, true});
    EXPECT_EQ(FloorValues(calm), (std::vector<int>{3, 4}));
}

} // namespace
} // namespace tarvo
