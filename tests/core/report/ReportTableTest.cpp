#include "core/report/ReportTable.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(ReportTable, WrapsByColumnsWithWideCharactersCountingTwo) {
    EXPECT_EQ(WrapColumns("abcdef", 4), (std::vector<std::string>{"abcd", "ef"}));
    EXPECT_EQ(WrapColumns("すぎ無等級", 4), (std::vector<std::string>{"すぎ", "無等", "級"}));
    EXPECT_EQ(WrapColumns("", 4), (std::vector<std::string>{""}));
    EXPECT_EQ(WrapColumns("N/mm^2", 5), (std::vector<std::string>{"N/mm^2"}));
    // A closing mark hangs; a number is not cut where a blank or comma allows.
    EXPECT_EQ(WrapColumns("ありません。", 9), (std::vector<std::string>{"ありません。"}));
    EXPECT_EQ(WrapColumns("Kz=0.980, x 0.6 (Fsx)", 16), (std::vector<std::string>{"Kz=0.980, x 0.6 ", "(Fsx)"}));
    EXPECT_EQ(WrapColumns("Kz=0.980, x0.6(Fsx)", 16), (std::vector<std::string>{"Kz=0.980, ", "x0.6(Fsx)"}));
}

// The cells of a row sit side by side; a longer cell gives the row more
// lines, on which the other cells are empty.
TEST(ReportTable, RowLinesPlaceEveryCell) {
    const ReportLines lines = TableRowLines({{3, 4, "12", CellAlign::Right}, {5, 4, "柱の名称"}, {10, 6, "OK"}});
    EXPECT_EQ(lines, (ReportLines{"#{-3}12#{5}柱の#{10}OK", "#{5}名称"}));
    EXPECT_EQ(TableRule(95), "#{=95}");
}

} // namespace
} // namespace tarvo
