#include "core/text/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvo {
namespace {

TEST(Rounding, HalvesGoAwayFromZero) {
    EXPECT_EQ(roundHalfAway(2.5), 3.0);
    EXPECT_EQ(roundHalfAway(-2.5), -3.0);
    EXPECT_EQ(roundHalfAway(37.5), 38.0); // tenon width of a 150 mm section
    EXPECT_EQ(roundHalfAway(26.25), 26.0);
    EXPECT_EQ(roundHalfAway(1126.7), 1127.0);
    EXPECT_EQ(roundToInteger(-0.5), -1);
}

TEST(Rounding, DecimalPlaces) {
    EXPECT_DOUBLE_EQ(round1(10.8 * 0.75), 8.1);
    EXPECT_DOUBLE_EQ(round1(9.0 * 0.8), 7.2);
    EXPECT_DOUBLE_EQ(round1(7.8 * 0.8), 6.2);
    EXPECT_DOUBLE_EQ(round1(6.0 * 0.8), 4.8);
    EXPECT_DOUBLE_EQ(roundHalfAway(0.8918, 2), 0.89);
    EXPECT_DOUBLE_EQ(roundHalfAway(1.274, 2), 1.27);
    EXPECT_DOUBLE_EQ(roundHalfAway(-1.275, 1), -1.3);
}

TEST(Rounding, NonFiniteValuesPassThrough) {
    EXPECT_TRUE(std::isnan(roundHalfAway(std::nan(""), 2)));
    EXPECT_TRUE(std::isinf(roundHalfAway(HUGE_VAL, 1)));
}

} // namespace
} // namespace tarvo
