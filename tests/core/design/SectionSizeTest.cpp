#include "core/design/SectionSize.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(SectionSize, PutKeepsTheSizeRulesOfTheColumnPage) {
    ColumnMember item;
    item.ColumnMaterial.SelectProduct = kDimensionLumber;
    item.SubMembers = 2;
    item.Members = 3;
    PutSection(item, {kRectangular, 206, 38, 140});
    EXPECT_EQ(item.SizeCode, 206);
    EXPECT_EQ(item.SubMembers, 2); // thin 2x4 keeps its lintel-support pieces
    PutSection(item, {kRectangular, 404, 89, 89});
    EXPECT_EQ(item.SubMembers, 0);
    EXPECT_EQ(item.Members, 3);

    item.ColumnMaterial.SelectProduct = kSawnLumber;
    PutSection(item, {kRound, 0, 0, 150});
    EXPECT_EQ(item.Shape, kRound);
    EXPECT_EQ(item.B, 0);
    EXPECT_EQ(SectionOf(item), (SectionSize{kRound, 0, 0, 150}));
}

TEST(SectionSize, Text) {
    EXPECT_EQ(SectionText({kRectangular, 0, 105, 120}), "105×120");
    EXPECT_EQ(SectionText({kRound, 0, 0, 150}), "φ150");
    EXPECT_EQ(SectionText({kRectangular, 204, 38, 89}), "204 (38×89)");
}

} // namespace
} // namespace tarvo
