#include "core/text/CsvTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvo {
namespace {

using Cells = std::vector<std::string>;

TEST(CsvTableRecords, LinesAndCellsOfEveryLineEnd) {
    const CsvTable t = parseCsv("a,b\r\nc,d\ne,f\rg,h");
    ASSERT_EQ(t.error, CsvError::None);
    ASSERT_EQ(t.records.size(), 4u);
    EXPECT_EQ(t.records[0].cells, (Cells{"a", "b"}));
    EXPECT_EQ(t.records[3].cells, (Cells{"g", "h"}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(t.records[static_cast<std::size_t>(i)].line, i + 1);
}

TEST(CsvTableRecords, FinalLineBreakStartsNoRecordButEmptyCellsCount) {
    const CsvTable t = parseCsv("a,,\n\n,b\n");
    ASSERT_EQ(t.records.size(), 3u);
    EXPECT_EQ(t.records[0].cells, (Cells{"a", "", ""}));
    EXPECT_EQ(t.records[1].cells, (Cells{""}));
    EXPECT_EQ(t.records[2].cells, (Cells{"", "b"}));
    EXPECT_TRUE(parseCsv("").records.empty());
}

TEST(CsvTableQuoting, QuotedCellsHoldSeparatorsQuotesAndLineBreaks) {
    const CsvTable t = parseCsv("Name,B\r\n\"柱, \"\"A\"\"\r\n2階\",105\r\n\"\",\"7\"\r\nnext,1\r\n");
    ASSERT_EQ(t.error, CsvError::None);
    ASSERT_EQ(t.records.size(), 4u);
    EXPECT_EQ(t.records[1].cells, (Cells{"柱, \"A\"\r\n2階", "105"}));
    EXPECT_EQ(t.records[2].cells, (Cells{"", "7"}));
    // The line break inside the quoted name still counts as a line of the file.
    EXPECT_EQ(t.records[2].line, 4);
    EXPECT_EQ(t.records[3].line, 5);
}

TEST(CsvTableQuoting, QuoteInsideAPlainCellIsKept) {
    const CsvTable t = parseCsv("5\"柱,1\n");
    ASSERT_EQ(t.error, CsvError::None);
    EXPECT_EQ(t.records[0].cells, (Cells{"5\"柱", "1"}));
}

TEST(CsvTableErrors, UnclosedQuoteNamesTheLineItOpensOn) {
    const CsvTable t = parseCsv("Name\na\n\"open\nstill open\n");
    EXPECT_EQ(t.error, CsvError::UnclosedQuote);
    EXPECT_EQ(t.errorLine, 3);
    EXPECT_EQ(t.records.size(), 2u); // the records before it are kept
}

TEST(CsvTableErrors, TextAfterAClosingQuote) {
    const CsvTable t = parseCsv("Name,B\n\"a\"b,1\n");
    EXPECT_EQ(t.error, CsvError::TextAfterQuote);
    EXPECT_EQ(t.errorLine, 2);
}

TEST(CsvTableSeparator, TabWhenTheFirstRecordHoldsMoreTabsThanCommas) {
    EXPECT_EQ(detectCsvSeparator("Name\tB\tD\n1,5\t2\t3\n"), '\t');
    EXPECT_EQ(detectCsvSeparator("Name,B\n"), ',');
    EXPECT_EQ(detectCsvSeparator("Name\n"), ',');
    // Separators inside quotes do not count.
    EXPECT_EQ(detectCsvSeparator("\"a\tb\tc\",B\n"), ',');
    const CsvTable t = parseCsv("Name\tB\n\"a,b\"\t105\n");
    EXPECT_EQ(t.separator, '\t');
    EXPECT_EQ(t.records[1].cells, (Cells{"a,b", "105"}));
}

TEST(CsvTableWriting, CellsAreQuotedOnlyWhenTheyMustBe) {
    std::string out;
    appendCsvCell(out, "plain");
    out += ',';
    appendCsvCell(out, "a,b");
    out += ',';
    appendCsvCell(out, "say \"hi\"");
    out += ',';
    appendCsvCell(out, "two\nlines");
    EXPECT_EQ(out, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\"");
    std::string tab;
    appendCsvCell(tab, "a,b", '\t');
    EXPECT_EQ(tab, "a,b");
}

TEST(CsvTableWriting, WrittenCellsReadBackAsThemselves) {
    const Cells cells{"", "\"", "\"\"", ",", "\r\n", "a\"b", " spaced ", "柱\r"};
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i != 0) line += ',';
        appendCsvCell(line, cells[i]);
    }
    const CsvTable t = parseCsv(line + "\r\n");
    ASSERT_EQ(t.error, CsvError::None);
    ASSERT_EQ(t.records.size(), 1u);
    EXPECT_EQ(t.records[0].cells, cells);
}

} // namespace
} // namespace tarvo
