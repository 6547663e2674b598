#include "core/text/TextFormat.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(TextFormat, FormatsLikePrintf) {
    EXPECT_EQ(formatText("%3d; %s", 7, "柱"), "  7; 柱");
    EXPECT_EQ(formatText("%.2f", 0.895), "0.90");
    EXPECT_EQ(formatText("q = %d N/m2", 1127), "q = 1127 N/m2");
}

TEST(TextFormat, LongOutputIsNotCut) {
    const std::string name(1000, 'x');
    EXPECT_EQ(formatText("[%s]", name.c_str()).size(), 1002u);
}

TEST(TextFormat, ShortestDecimalKeepsOnlyNeededDigits) {
    EXPECT_EQ(shortestDecimal(0.7), "0.7");
    EXPECT_EQ(shortestDecimal(1.43), "1.43");
    EXPECT_EQ(shortestDecimal(10000), "10000");
    EXPECT_EQ(shortestDecimal(0.75), "0.75");
    EXPECT_EQ(shortestDecimal(2.0), "2");
}

} // namespace
} // namespace tarvo
