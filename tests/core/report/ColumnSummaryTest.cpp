#include "core/report/ColumnSummary.h"

#include <gtest/gtest.h>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"

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

TEST(GoverningRatio, CompressionOfTheLargestCase) {
    const ColumnOutcome o = checkedOutcome({0.41, 0.38, 0.44, 0.29, 0.27}, false);
    const GoverningRatio g = GoverningRatioOf(o);
    EXPECT_EQ(g.check, GoverningCheck::Compression);
    EXPECT_EQ(g.loadCase, 2);
    EXPECT_DOUBLE_EQ(g.ratio, 0.44);
}

TEST(GoverningRatio, BearingAboveCompression) {
    ColumnOutcome o = checkedOutcome({0.41, 0.38, 0.44, 0.29, 0.27}, true);
    o.RatioCv = {0.72, 0.61, 0.70, 0.50, 0.47};
    const GoverningRatio g = GoverningRatioOf(o);
    EXPECT_EQ(g.check, GoverningCheck::Bearing);
    EXPECT_EQ(g.loadCase, 0);
    EXPECT_DOUBLE_EQ(g.ratio, 0.72);
}

// With wind bending the wind case counts by its combined ratio and its
// shear; its σc/fk alone is part of the combined ratio and never governs.
TEST(GoverningRatio, WindCaseCombinedAndShear) {
    ColumnOutcome o = checkedOutcome({0.41, 0.38, 0.44, 0.90, 0.27}, false);
    o.Wind = WindBending{1.0, 0.5, 0.7, 3.0, 0.2, 0.85, 0.30};
    GoverningRatio g = GoverningRatioOf(o);
    EXPECT_EQ(g.check, GoverningCheck::Combined);
    EXPECT_EQ(g.loadCase, kWindLoadCase);
    EXPECT_DOUBLE_EQ(g.ratio, 0.85);

    o.Wind->RatioShear = 1.20;
    g = GoverningRatioOf(o);
    EXPECT_EQ(g.check, GoverningCheck::Shear);
    EXPECT_DOUBLE_EQ(g.ratio, 1.20);
}

// A tie goes to the earlier case and to compression before bearing.
TEST(GoverningRatio, TiesKeepTheFirst) {
    ColumnOutcome o = checkedOutcome({0.50, 0.50, 0.0, 0.0, 0.0}, true);
    o.RatioCv = {0.50, 0.50, 0, 0, 0};
    const GoverningRatio g = GoverningRatioOf(o);
    EXPECT_EQ(g.loadCase, 0);
    EXPECT_EQ(g.check, GoverningCheck::Compression);
}

class SummarizeColumnsTest : public ::testing::Test {
protected:
    static ColumnMember column(const std::string& name, double side, PerLoadCase<double> n) {
        ColumnMember item;
        item.Name = name;
        item.B = side;
        item.D = side;
        item.Lkx = 2800;
        item.AxialForce = n;
        return item;
    }
    MatDataBase catalogue;
    CommonData common;
    ColumnCheck check{catalogue, common};
};

// Items that do not check keep their reason and take no running number; the
// totals count the printed items, the checked ones and the NG ones.
TEST_F(SummarizeColumnsTest, NumbersReasonsAndTotalsInPrintOrder) {
    ColumnsData columns;
    columns.Item(0) = column("X1", 105, {12, 14, 16, 15, 14});
    columns.Append(column("細すぎる柱", 30, {12, 14, 16, 15, 14}));
    columns.Append(column("X3", 105, {0, 0, 0, 0, 0}));
    columns.Append(column("過大な軸力", 105, {300, 0, 0, 0, 0}));

    const ColumnSummary s = SummarizeColumns(columns, {3, 0, 1, 2}, check);
    ASSERT_EQ(s.rows.size(), 4u);
    EXPECT_EQ(s.rows[0].name, "過大な軸力");
    EXPECT_EQ(s.rows[0].number, 1);
    EXPECT_FALSE(s.rows[0].ok);
    EXPECT_EQ(s.rows[1].number, 2);
    EXPECT_TRUE(s.rows[1].ok);
    EXPECT_EQ(s.rows[1].section, "105×105");

    const ColumnOutcome refused = check.CheckColumn(columns.Item(1));
    EXPECT_EQ(s.rows[2].number, 0);
    EXPECT_FALSE(s.rows[2].checked);
    EXPECT_EQ(s.rows[2].reason, CheckResultMessage(refused.ResultCode));
    EXPECT_EQ(s.rows[3].reason, "軸力が入力されていません。");

    EXPECT_EQ(s.checkedCount, 2);
    EXPECT_EQ(s.ngCount, 1);
}

TEST_F(SummarizeColumnsTest, SectionTexts) {
    ColumnMember item = column("", 105, {1, 0, 0, 0, 0});
    item.Members = 2;
    EXPECT_EQ(SummarySectionText(item), "105×105×2本");
    item.Shape = kRound;
    item.D = 150;
    EXPECT_EQ(SummarySectionText(item), "150φ");
    item.SizeCode = 204;
    EXPECT_EQ(SummarySectionText(item), "2-204");
}

} // namespace
} // namespace tarvo
