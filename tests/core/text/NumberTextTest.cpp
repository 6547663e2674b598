#include "core/text/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>

namespace tarvo {
namespace {

double readBack(const std::string& text) {
    double value = std::numeric_limits<double>::quiet_NaN();
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(NumberTextShortest, WritesTheFewestDigitsThatReadBack) {
    EXPECT_EQ(shortestNumberText(0.1), "0.1");
    EXPECT_EQ(shortestNumberText(1.365), "1.365");
    EXPECT_EQ(shortestNumberText(2800), "2800");
    EXPECT_EQ(shortestNumberText(-30), "-30");
    EXPECT_EQ(shortestNumberText(0), "0");
    // A sum that is not the double nearest to its decimal keeps every digit it needs.
    EXPECT_EQ(shortestNumberText(0.1 + 0.2), "0.30000000000000004");
}

TEST(NumberTextShortest, EveryKindOfFiniteDoubleReadsBackBitForBit) {
    const double values[] = {5.3000000000000007,
                             1e300,
                             -1e-300,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min(),
                             -0.0,
                             123456789012345678.0};
    for (const double v : values) {
        const std::string text = shortestNumberText(v);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(readBack(text)), std::bit_cast<std::uint64_t>(v)) << text;
    }
}

TEST(NumberTextShortest, NonFiniteValuesGiveNoText) {
    std::string out = "x";
    EXPECT_FALSE(appendShortestNumber(out, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(appendShortestNumber(out, -std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(appendShortestNumber(out, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(out, "x");
    EXPECT_TRUE(shortestNumberText(std::numeric_limits<double>::quiet_NaN()).empty());
}

TEST(NumberTextShortest, AppendsAfterWhatIsThere) {
    std::string out = "B=";
    EXPECT_TRUE(appendShortestNumber(out, 105));
    EXPECT_EQ(out, "B=105");
}

} // namespace
} // namespace tarvo
