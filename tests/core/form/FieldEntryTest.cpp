#include "core/form/FieldEntry.h"

#include <gtest/gtest.h>

#include <limits>

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

} // namespace
} // namespace tarvo
