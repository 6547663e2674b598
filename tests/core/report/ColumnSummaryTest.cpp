#include "core/report/ColumnSummary.h"

#include <gtest/gtest.h>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

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
    EXPECT_EQ(s.rows[3].reason, "軸圧縮力が入力されていません。");

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
