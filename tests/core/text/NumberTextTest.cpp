#include "core/text/NumberText.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "core/text/Rounding.h"

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

std::string charconvShortest(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string charconvFixed(double value, int precision) {
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, precision);
    return {buffer.data(), result.ptr};
}

// Values the short paths take and the ones near their limits.
std::vector<double> sampleValues() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.5,
                                  -0.5,
                                  1.0,
                                  0.1,
                                  0.2,
                                  0.3,
                                  0.1 + 0.2,
                                  1e-4,
                                  1.5e-4,
                                  1e-3,
                                  0.0015,
                                  99999.5,
                                  1e5,
                                  1.2e5,
                                  1e14,
                                  1e15,
                                  1e15 - 1,
                                  1e15 + 2,
                                  1e16,
                                  1e22,
                                  4.35e-5,
                                  110.25,
                                  2.675,
                                  1.005,
                                  -2.5,
                                  -0.0049,
                                  -0.005,
                                  12345.675,
                                  9.9995,
                                  0.00049999,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min(),
                                  std::nextafter(1.0, 2.0),
                                  std::nextafter(1e15, 0.0),
                                  std::nextafter(0.1, 1.0)};
    // Every decimal of up to six places over a range of whole parts.
    for (int places = 0; places <= 6; ++places) {
        const double scale = std::pow(10.0, places);
        for (int units = 0; units < 20000; units += 7) {
            values.push_back(units / scale);
            values.push_back(-(units + 123456789.0) / scale);
        }
    }
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 100000; ++i) {
        // Any bit pattern, and values of report magnitudes with every digit.
        values.push_back(std::bit_cast<double>(random()));
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), -40));
    }
    return values;
}

TEST(NumberTextShortest, IsTheTextOfCharconvForEveryKindOfValue) {
    for (const double v : sampleValues()) {
        if (!std::isfinite(v)) continue;
        ASSERT_EQ(shortestNumberText(v), charconvShortest(v)) << std::bit_cast<std::uint64_t>(v);
    }
}

TEST(NumberTextShortest, KeepsTheSignOfNegativeZeroAndPrefersTheFixedFormOnATie) {
    EXPECT_EQ(shortestNumberText(-0.0), "-0");
    EXPECT_EQ(shortestNumberText(0.001), "0.001"); // "1e-03" is as long
    EXPECT_EQ(shortestNumberText(1e-4), "1e-04");
    EXPECT_EQ(shortestNumberText(100000), "1e+05");
    EXPECT_EQ(shortestNumberText(120000), "120000");
    EXPECT_EQ(shortestNumberText(-1234.5), "-1234.5");
}

TEST(NumberTextFixed, IsTheTextOfCharconvAtEveryPrecision) {
    for (const double v : sampleValues()) {
        if (!std::isfinite(v)) continue;
        for (const int precision : {0, 1, 2, 3, 6, 15, 20}) {
            std::string text;
            ASSERT_TRUE(appendFixedNumber(text, v, precision));
            ASSERT_EQ(text, charconvFixed(v, precision)) << std::bit_cast<std::uint64_t>(v) << " " << precision;
        }
    }
}

TEST(NumberTextShortestFixed, IsTheTextOfCharconvInFixedForm) {
    for (const double v : sampleValues()) {
        if (!std::isfinite(v) || std::fabs(v) > 1e30) continue; // keeps the test short; the long forms take charconv
        std::string text;
        ASSERT_TRUE(appendShortestFixed(text, v));
        std::array<char, 400> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed);
        ASSERT_EQ(text, std::string(buffer.data(), result.ptr)) << std::bit_cast<std::uint64_t>(v);
    }
    std::string text;
    EXPECT_TRUE(appendShortestFixed(text, 100000));
    EXPECT_TRUE(appendShortestFixed(text, -0.0));
    EXPECT_TRUE(appendShortestFixed(text, 1e-4));
    EXPECT_EQ(text, "100000-00.0001");
    EXPECT_FALSE(appendShortestFixed(text, std::numeric_limits<double>::infinity()));
}

TEST(NumberTextFixed, RefusesWhatCharconvCannotWrite) {
    std::string text = "x";
    EXPECT_FALSE(appendFixedNumber(text, std::numeric_limits<double>::quiet_NaN(), 2));
    EXPECT_FALSE(appendFixedNumber(text, -std::numeric_limits<double>::infinity(), 2));
    EXPECT_FALSE(appendFixedNumber(text, 1.0, 21));
    EXPECT_FALSE(appendFixedNumber(text, 1.0, -1));
    EXPECT_EQ(text, "x");
    EXPECT_TRUE(appendFixedNumber(text, -0.0, 2));
    EXPECT_EQ(text, "x-0.00");
}

TEST(NumberTextRoundedFixed, IsTheFixedTextOfTheValueRoundedWithHalvesAwayFromZero) {
    for (const double v : sampleValues()) {
        for (const int precision : {0, 1, 2, 3, 6}) {
            std::string fast;
            if (!appendRoundedFixed(fast, v, precision)) {
                EXPECT_TRUE(fast.empty());
                continue;
            }
            ASSERT_EQ(fast, charconvFixed(roundHalfAway(v, precision), precision))
                << std::bit_cast<std::uint64_t>(v) << " " << precision;
        }
    }
}

TEST(NumberTextRoundedFixed, RoundsHalvesAwayAndKeepsTheSignOfARoundedNegative) {
    const auto rounded = [](double v, int precision) {
        std::string text;
        EXPECT_TRUE(appendRoundedFixed(text, v, precision));
        return text;
    };
    EXPECT_EQ(rounded(110.25, 1), "110.3");
    EXPECT_EQ(rounded(-110.25, 1), "-110.3");
    EXPECT_EQ(rounded(0.5, 0), "1");
    EXPECT_EQ(rounded(-0.001, 2), "-0.00");
    EXPECT_EQ(rounded(-0.0, 2), "0.00");
    EXPECT_EQ(rounded(999999.996, 2), "1000000.00");
}

TEST(NumberTextRoundedFixed, LeavesHugeAndNonFiniteValuesToTheGeneralPath) {
    std::string text;
    EXPECT_FALSE(appendRoundedFixed(text, 1e15, 0));
    EXPECT_FALSE(appendRoundedFixed(text, 1e13, 2));
    EXPECT_FALSE(appendRoundedFixed(text, std::numeric_limits<double>::infinity(), 2));
    EXPECT_FALSE(appendRoundedFixed(text, std::numeric_limits<double>::quiet_NaN(), 2));
    EXPECT_FALSE(appendRoundedFixed(text, 1.0, 16));
    EXPECT_TRUE(text.empty());
}

} // namespace
} // namespace tarvo
