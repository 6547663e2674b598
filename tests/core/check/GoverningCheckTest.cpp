#include "core/check/GoverningCheck.h"

#include <gtest/gtest.h>

#include "core/check/ColumnCheck.h"

namespace tarvo {
namespace {

// An outcome that reached the load cases with `ratios` as σc/fk.
ColumnOutcome checkedOutcome(PerLoadCase<double> ratios, bool bearing) {
    ColumnOutcome o;
    if (bearing) o.BaseStrength = MatStrengths{};
    for (std::size_t j = 0; j < ratios.size(); ++j) {
        o.Checked[j] = ratios[j] > 0;
        o.RatioC[j] = ratios[j];
    }
    return o;
}

TEST(GoverningCheckOf, CompressionOfTheLargestCase) {
    const ColumnOutcome o = checkedOutcome({0.41, 0.38, 0.44, 0.29, 0.27}, false);
    const GoverningCheck g = GoverningCheckOf(o);
    EXPECT_EQ(g.Kind, CheckKind::Compression);
    EXPECT_EQ(g.LoadCase, 2);
    EXPECT_DOUBLE_EQ(g.Ratio, 0.44);
}

TEST(GoverningCheckOf, BearingAboveCompression) {
    ColumnOutcome o = checkedOutcome({0.41, 0.38, 0.44, 0.29, 0.27}, true);
    o.RatioCv = {0.72, 0.61, 0.70, 0.50, 0.47};
    const GoverningCheck g = GoverningCheckOf(o);
    EXPECT_EQ(g.Kind, CheckKind::Bearing);
    EXPECT_EQ(g.LoadCase, 0);
    EXPECT_DOUBLE_EQ(g.Ratio, 0.72);
}

// With wind bending the wind case counts by its combined ratio and its
// shear; its σc/fk alone is part of the combined ratio and never governs.
TEST(GoverningCheckOf, WindCaseCombinedAndShear) {
    ColumnOutcome o = checkedOutcome({0.41, 0.38, 0.44, 0.90, 0.27}, false);
    o.Wind = WindBending{1.0, 0.5, 0.7, 3.0, 0.2, 0.85, 0.30};
    GoverningCheck g = GoverningCheckOf(o);
    EXPECT_EQ(g.Kind, CheckKind::Combined);
    EXPECT_EQ(g.LoadCase, kWindLoadCase);
    EXPECT_DOUBLE_EQ(g.Ratio, 0.85);

    o.Wind->RatioShear = 1.20;
    g = GoverningCheckOf(o);
    EXPECT_EQ(g.Kind, CheckKind::Shear);
    EXPECT_DOUBLE_EQ(g.Ratio, 1.20);
}

// A tie goes to the earlier case and to compression before bearing.
TEST(GoverningCheckOf, TiesKeepTheFirst) {
    ColumnOutcome o = checkedOutcome({0.50, 0.50, 0.0, 0.0, 0.0}, true);
    o.RatioCv = {0.50, 0.50, 0, 0, 0};
    const GoverningCheck g = GoverningCheckOf(o);
    EXPECT_EQ(g.LoadCase, 0);
    EXPECT_EQ(g.Kind, CheckKind::Compression);
}

TEST(GoverningCheckOf, RefusedItemsAndTheirText) {
    ColumnOutcome o;
    o.ResultCode = kCheckNoAxialForce;
    const GoverningCheck g = GoverningCheckOf(o);
    EXPECT_EQ(g.Kind, CheckKind::Refused);
    EXPECT_FALSE(g.Ok);
    EXPECT_EQ(GoverningCheckText(g), "軸圧縮力が入力されていません。");
}

} // namespace
} // namespace tarvo
