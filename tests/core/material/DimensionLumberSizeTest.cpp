// sizeToDims and dimsToSize ("Size codes").
#include <gtest/gtest.h>

#include "core/material/DimensionLumberSize.h"

namespace tarvo {
namespace {

struct Dims {
    double b = -1;
    double D = -1;
};

TEST(SizeToDims, ReadsThePublishedCodes) {
    Dims d;
    EXPECT_TRUE(sizeToDims("614", d.b, d.D));
    EXPECT_EQ(d.b, 140);
    EXPECT_EQ(d.D, 336);
    EXPECT_TRUE(sizeToDims("104", d.b, d.D));
    EXPECT_EQ(d.b, 19);
    EXPECT_EQ(d.D, 89);
    EXPECT_TRUE(sizeToDims("203", d.b, d.D));
    EXPECT_EQ(d.b, 38);
    EXPECT_EQ(d.D, 64);
    EXPECT_TRUE(sizeToDims("416", d.b, d.D));
    EXPECT_EQ(d.b, 89);
    EXPECT_EQ(d.D, 387);
}

TEST(SizeToDims, LeadingSpacesAsTheListWritesThem) {
    Dims d;
    EXPECT_TRUE(sizeToDims(" 204", d.b, d.D));
    EXPECT_EQ(d.b, 38);
    EXPECT_EQ(d.D, 89);
    EXPECT_TRUE(sizeToDims("   606", d.b, d.D));
    EXPECT_EQ(d.b, 140);
    EXPECT_EQ(d.D, 140);
}

TEST(SizeToDims, Code408IsAdded) {
    Dims d;
    EXPECT_TRUE(sizeToDims(" 408", d.b, d.D));
    EXPECT_EQ(d.b, 89);
    EXPECT_EQ(d.D, 184);
}

TEST(SizeToDims, EveryOtherTextChangesNothing) {
    for (const char* text :
         {"103", "0", "", " ", "任意", "204x", "2 04", "-204", "+204", "99999999999999999999", "abc"}) {
        Dims d{12.5, 34.5};
        EXPECT_FALSE(sizeToDims(text, d.b, d.D)) << text;
        EXPECT_EQ(d.b, 12.5) << text;
        EXPECT_EQ(d.D, 34.5) << text;
    }
}

TEST(DimsToSize, ProducesCodes) {
    EXPECT_EQ(dimsToSize(140, 336), 614);
    EXPECT_EQ(dimsToSize(38, 89), 204);
    EXPECT_EQ(dimsToSize(19, 89), 104);
    EXPECT_EQ(dimsToSize(89, 184), 408);
    EXPECT_EQ(dimsToSize(89, 387), 416);
    EXPECT_EQ(dimsToSize(38, 64), 203);
}

TEST(DimsToSize, PairsOutsideTheTableStillGetACode) {
    EXPECT_EQ(dimsToSize(19, 64), 103);
    EXPECT_EQ(dimsToSize(140, 387), 616);
}

TEST(DimsToSize, AnyOtherDimensionGivesZero) {
    EXPECT_EQ(dimsToSize(100, 89), 0);
    EXPECT_EQ(dimsToSize(38, 90), 0);
    EXPECT_EQ(dimsToSize(105, 105), 0);
    EXPECT_EQ(dimsToSize(38.5, 89), 0);
    EXPECT_EQ(dimsToSize(0, 0), 0);
}

TEST(DimsToSize, RoundTripsEveryTableCode) {
    for (int code : {104, 106, 203, 204, 206, 208, 210, 212, 404, 406, 408, 410, 412, 414, 416, 606, 610, 612, 614}) {
        Dims d;
        ASSERT_TRUE(sizeToDims(std::to_string(code), d.b, d.D)) << code;
        EXPECT_EQ(dimsToSize(d.b, d.D), code);
    }
}

} // namespace
} // namespace tarvo
