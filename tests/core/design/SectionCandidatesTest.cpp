#include "core/design/SectionCandidates.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/material/MatDataBase.h"

namespace tarvo {
namespace {

std::vector<double> sides(const std::vector<SectionSize>& candidates, bool width) {
    std::vector<double> out;
    out.reserve(candidates.size());
    for (const SectionSize& c : candidates)
        out.push_back(width ? c.B : c.D);
    return out;
}

class SectionCandidatesTest : public ::testing::Test {
protected:
    std::vector<SectionSize> candidates(int product, DesignOptions options = {}) {
        item.ColumnMaterial.SelectProduct = product;
        return SectionCandidates(item, catalogue, options);
    }
    MatDataBase catalogue;
    ColumnMember item;
};

TEST_F(SectionCandidatesTest, SquaresOfTheMarketSidesByProduct) {
    const std::vector<double> market{90, 105, 120, 135, 150, 180, 210, 240, 270, 300};
    const std::vector<SectionSize> sawn = candidates(kSawnLumber);
    EXPECT_EQ(sides(sawn, true), market);
    EXPECT_EQ(sides(sawn, false), market);
    EXPECT_EQ(sides(candidates(kGlulamColumn), false), market);
    // Glulam and LVL go on to 600 mm.
    for (const int product : {kGlulam, kLvl}) {
        const std::vector<SectionSize> large = candidates(product);
        ASSERT_EQ(large.size(), 20U);
        EXPECT_EQ(large.back(), (SectionSize{kRectangular, 0, 600, 600}));
    }
    EXPECT_TRUE(candidates(7).empty());
}

TEST_F(SectionCandidatesTest, EveryPairInOrderOfAreaThenLargerSide) {
    const std::vector<SectionSize> pairs = candidates(kSawnLumber, {.AllPairs = true});
    ASSERT_GE(pairs.size(), 3U);
    EXPECT_EQ(pairs[0], (SectionSize{kRectangular, 0, 90, 90}));
    EXPECT_EQ(pairs[1], (SectionSize{kRectangular, 0, 90, 105}));
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const SectionSize& c = pairs[i];
        EXPECT_LE(c.B, c.D);
        EXPECT_LE(c.D, 3 * c.B);
        if (i == 0) continue;
        const SectionSize& p = pairs[i - 1];
        EXPECT_TRUE(p.B * p.D < c.B * c.D || (p.B * p.D == c.B * c.D && p.D <= c.D)) << i;
    }
    // 90 × 270 comes before 150 × 180 (24,300 against 27,000 mm²), 90 × 300 is too slender a shape.
    const auto at = [&](double b, double d) {
        for (std::size_t i = 0; i < pairs.size(); ++i)
            if (pairs[i].B == b && pairs[i].D == d) return static_cast<int>(i);
        return -1;
    };
    EXPECT_LT(at(90, 270), at(150, 180));
    EXPECT_EQ(at(90, 300), -1);
    // 120 × 270 and 180 × 180 have the same area; the smaller larger side first.
    EXPECT_LT(at(180, 180), at(120, 270));
}

TEST_F(SectionCandidatesTest, SizeCodesOfTheMaterialsList) {
    // 2x4 in order of area; the end-jointed grade's list has fewer codes.
    std::vector<int> codes;
    for (const SectionSize& c : candidates(kDimensionLumber))
        codes.push_back(c.SizeCode);
    EXPECT_EQ(codes, (std::vector<int>{104, 203, 106, 204, 206, 208, 404, 210, 212, 406, 408}));
    item.ColumnMaterial.SelectGrade[1] = 7;
    codes.clear();
    for (const SectionSize& c : candidates(kDimensionLumber))
        codes.push_back(c.SizeCode);
    EXPECT_EQ(codes, (std::vector<int>{104, 204, 206, 208, 210, 212, 406, 408}));

    // Glulam chosen by a code keeps to the codes; a free size to the sides.
    item.SizeCode = 406;
    const std::vector<SectionSize> glulam = candidates(kGlulam);
    ASSERT_EQ(glulam.size(), 9U);
    EXPECT_EQ(glulam.front(), (SectionSize{kRectangular, 404, 89, 89}));
    EXPECT_EQ(glulam.back(), (SectionSize{kRectangular, 614, 140, 336}));
}

TEST_F(SectionCandidatesTest, RoundDiameters) {
    item.Shape = kRound;
    const std::vector<SectionSize> round = candidates(kSawnLumber, {.AllPairs = true});
    ASSERT_EQ(round.size(), 37U);
    EXPECT_EQ(round.front(), (SectionSize{kRound, 0, 0, 90}));
    EXPECT_EQ(round[1].D, 100);
    EXPECT_EQ(round.back().D, 450);
}

} // namespace
} // namespace tarvo
