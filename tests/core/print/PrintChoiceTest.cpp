#include "core/print/PrintChoice.h"

#include <gtest/gtest.h>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "samples/SampleProjects.h"

namespace tarvo {
namespace {

class PrintChoiceTest : public ::testing::Test {
protected:
    // `count` items of the mixed sample; the items at `failing` get no
    // section, so that their check fails.
    void build(int count, std::initializer_list<int> failing = {}) {
        samples::buildMixedProject(count, common_, columns_);
        for (const int index : failing) {
            columns_.Item(index).B = 0;
            columns_.Item(index).D = 0;
        }
    }

    CommonData common_;
    ColumnsData columns_;
    const MatDataBase catalogue_{};
    ColumnCheck check_{catalogue_, common_};
};

TEST_F(PrintChoiceTest, OnlyItemsThatCheckAreOfferedWithTheirIndex) {
    build(4, {1});
    columns_.Item(2).Name = "２階 C-2";
    const std::vector<PrintChoiceEntry> entries = printChoiceEntries(columns_, check_);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].index, 0);
    EXPECT_EQ(entries[1].index, 2);
    EXPECT_EQ(entries[1].text, "  2: ２階 C-2");
    EXPECT_EQ(entries[2].index, 3);
}

TEST_F(PrintChoiceTest, IndicesAboveNineHundredNinetyNineAreKept) {
    build(1010);
    const std::vector<PrintChoiceEntry> entries = printChoiceEntries(columns_, check_);
    // The last two entries name items beyond 999 (the mix also holds items
    // that do not check, so the positions differ from the indices).
    ASSERT_GE(entries.size(), 2u);
    const PrintChoiceEntry& last = entries.back();
    const PrintChoiceEntry& before = entries[entries.size() - 2];
    ASSERT_GE(before.index, 1000);
    EXPECT_EQ(last.text.substr(0, 6), std::to_string(last.index) + ": ");
    std::vector<bool> ticked(entries.size(), false);
    ticked.back() = true;
    ticked[entries.size() - 2] = true;
    EXPECT_EQ(tickedSelection(entries, ticked), (std::vector<int>{before.index, last.index}));
}

TEST_F(PrintChoiceTest, TickedEntriesInListOrder) {
    build(5, {0});
    const std::vector<PrintChoiceEntry> entries = printChoiceEntries(columns_, check_);
    // Entries 3 and 1 ticked (the items 3 and 1 of the project).
    EXPECT_EQ(tickedSelection(entries, {true, false, true}), (std::vector<int>{1, 3}));
    EXPECT_TRUE(tickedSelection(entries, {}).empty());
}

TEST(PrintChoiceColumns, TwoColumnsFromSixteenEntries) {
    EXPECT_EQ(printChoiceColumns(0), 1);
    EXPECT_EQ(printChoiceColumns(15), 1);
    EXPECT_EQ(printChoiceColumns(16), 2);
}

} // namespace
} // namespace tarvo
