#include "core/text/TextFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvo {
namespace {

TEST(TextFormat, FormatsLikePrintf) {
    EXPECT_EQ(formatText("%3d; %s", 7, "柱"), "  7; 柱");
    EXPECT_EQ(formatText("%.2f", 0.895), "0.90");
    EXPECT_EQ(formatText("q = %d N/m2", 1127), "q = 1127 N/m2");
}

TEST(TextFormat, FixedPointRoundsHalvesAwayFromZero) {
    EXPECT_EQ(formatText("%.1f", 110.25), "110.3"); // printf alone gives 110.2
    EXPECT_EQ(formatText("%.2f", 0.125), "0.13");
    EXPECT_EQ(formatText("%.2f", -0.125), "-0.13");
    EXPECT_EQ(formatText("%.0f", 2.5), "3");
    EXPECT_EQ(formatText("%.3f", 0.3762), "0.376");
    EXPECT_EQ(formatText("%f", 1.0000005), "1.000001");
    EXPECT_EQ(formatText("%8.2f|", 3.14159), "    3.14|");
}

TEST(TextFormat, FixedPointNearTheLimitsOfTheShortPathRoundsTheSame) {
    EXPECT_EQ(formatText("%.2f", -0.004), "-0.00");
    EXPECT_EQ(formatText("%.2f", -0.0), "0.00");
    EXPECT_EQ(formatText("%.0f", 999999999999999.4), "999999999999999");
    EXPECT_EQ(formatText("%.0f", 1e15), "1000000000000000");
    EXPECT_EQ(formatText("%.1f", 123456789012345.67), "123456789012345.7");
    EXPECT_EQ(formatText("%9.2f|%2.1f|", -1234.565, 0.05), " -1234.57|0.1|");
    EXPECT_EQ(formatText("%.2f", std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(TextFormat, MixedConversionsTakeTheirArgumentsInOrder) {
    EXPECT_EQ(formatText("%d-%ld-%lld-%zu-%s-%c-%x-%5.1f%%", -3, 40L, 5LL, std::size_t{6}, "柱", 'Z', 255u, 2.25),
              "-3-40-5-6-柱-Z-ff-  2.3%");
    EXPECT_EQ(formatText("%*d|%.*f", 4, 7, 1, 0.05), "   7|0.1");
}

TEST(TextFormat, WidthAlignsRightAndNeverCuts) {
    EXPECT_EQ(formatText("%7.3f|%4d|%4d|%8.1f|", 0.0005, 7, -42, -2.25), "  0.001|   7| -42|    -2.3|");
    EXPECT_EQ(formatText("%3d|%2.0f|%1.1f", 12345, 1e20, 0.25), "12345|100000000000000000000|0.3");
    // Flags and widths from the arguments keep their printf meaning.
    EXPECT_EQ(formatText("%-5d|%05d|%+4d|%*d|%-6.1f|", 3, -3, 3, -4, 3, 1.25), "3    |-0003|  +3|3   |1.3   |");
    EXPECT_EQ(
        formatText("%6.1f|%5.1f", std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()),
        "   inf| -inf");
}

TEST(TextFormat, LongOutputIsNotCut) {
    const std::string name(1000, 'x');
    EXPECT_EQ(formatText("[%s]", name.c_str()).size(), 1002u);
}

TEST(TextFormat, AppendFormatAddsTheSameTextBehindWhatIsThere) {
    std::string line = "#2";
    appendFormat(line, "Fc＝%.2f,　%s＝%7.3f|%-4d|", 110.25, "Fb", 0.0005, 42);
    EXPECT_EQ(line, "#2" + formatText("Fc＝%.2f,　%s＝%7.3f|%-4d|", 110.25, "Fb", 0.0005, 42));
    EXPECT_EQ(line, "#2Fc＝110.25,　Fb＝  0.001|42  |");
    // Appending many times grows the text without losing any of it.
    std::string many;
    for (int i = 0; i < 1000; ++i)
        appendFormat(many, "%d,", i % 10);
    EXPECT_EQ(many.size(), 2000u);
    EXPECT_EQ(many.substr(0, 6), "0,1,2,");
}

TEST(TextFormat, ShortestDecimalKeepsOnlyNeededDigits) {
    EXPECT_EQ(shortestDecimal(0.7), "0.7");
    EXPECT_EQ(shortestDecimal(1.43), "1.43");
    EXPECT_EQ(shortestDecimal(10000), "10000");
    EXPECT_EQ(shortestDecimal(0.75), "0.75");
    EXPECT_EQ(shortestDecimal(2.0), "2");
}

TEST(TextFormat, ReportNumbersWiderThanTheirPlaceTakeTheExponentForm) {
    // Ordinary values print exactly as formatText prints them.
    EXPECT_EQ(formatReportText("σc/fk＝%.2f/%.2f＝%.2f", 12.345, 8.0, 0.125),
              formatText("σc/fk＝%.2f/%.2f＝%.2f", 12.345, 8.0, 0.125));
    EXPECT_EQ(formatReportText("%.2f", 12345.678), "12345.68");
    EXPECT_EQ(formatReportText("%.2f|%.1f", 1182033096.93, 1e300), "1.182e9|1.00e300");
    EXPECT_EQ(formatReportText("%.2f", -123456.78), "-1.235e5");
    // Integers and widths given in the format are left alone.
    EXPECT_EQ(formatReportText("%lld %8.2f", 4000000000LL, 123456.5), "4000000000 123456.50");
    EXPECT_EQ(compactNumber(-1.75e-300, 8), "-2e-300");
}

} // namespace
} // namespace tarvo
