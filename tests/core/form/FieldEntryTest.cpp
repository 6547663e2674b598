#include "core/form/FieldEntry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/project/ColumnMember.h"

namespace tarvo {
namespace {

TEST(FieldEntryValue, RoundsAsTheFieldShowsAndReplacesAnEmptyValue) {
    EXPECT_EQ(FieldEntryValue(kMillimetreField, 104.6), 105);
    EXPECT_EQ(FieldEntryValue(kAxialForceField, 12.34), 12.3);
    EXPECT_EQ(FieldEntryValue(kMembersField, 0), 1); // an empty piece count is one piece
    EXPECT_EQ(FieldEntryValue(kMembersField, 0.4), 1);
}

TEST(FieldEntryValue, RefusesWhatTheFieldRefusesInsteadOfHoldingItToALimit) {
    EXPECT_EQ(FieldEntryValue(kMillimetreField, 100000.4), 100000);
    EXPECT_FALSE(FieldEntryValue(kMillimetreField, 100000.6));
    EXPECT_FALSE(FieldEntryValue(kMillimetreField, -5));
    EXPECT_FALSE(FieldEntryValue(kCfField, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(FieldEntryValue(kUpQField, 0.5)); // below the least increase factor
    EXPECT_EQ(FieldEntryValue(kUpQField, 0), 1);
}

TEST(EnterItemNumber, SetsTheFieldOfTheTableAndTellsWhenNothingChanges) {
    ColumnMember item;
    const auto after = EnterItemNumber(item, ItemFieldId::Lkx, 2800);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->Lkx, 2800);
    EXPECT_FALSE(EnterItemNumber(*after, ItemFieldId::Lkx, 2800.2));
    EXPECT_FALSE(EnterItemNumber(item, ItemFieldId::Shape, 1)); // no numeric field
    const auto pieces = EnterItemNumber(item, ItemFieldId::Members, 3.4);
    ASSERT_TRUE(pieces);
    EXPECT_EQ(pieces->Members, 3);
}

TEST(EnterCommonNumber, SetsAStoreyHeight) {
    const CommonInputData common;
    const auto after = EnterCommonNumber(common, CommonFieldId::FloorHeight2, 2.846);
    ASSERT_TRUE(after);
    EXPECT_DOUBLE_EQ(after->FloorHeight[1], 2.85);
    EXPECT_FALSE(EnterCommonNumber(common, CommonFieldId::SnowEria, 1));
    EXPECT_FALSE(EnterCommonNumber(common, CommonFieldId::BuildingHeight, 1001));
}

} // namespace
} // namespace tarvo
