#include "core/project/ColumnsData.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

ColumnsData listOf(std::initializer_list<const char*> names) {
    ColumnsData list;
    bool first = true;
    for (const char* name : names) {
        if (!first) list.Append(ColumnMember{});
        list.Item(list.Count() - 1).Name = name;
        first = false;
    }
    return list;
}

// The arrange dialog's line for an item at 1-based position `position`.
std::string line(int position, const std::string& name) {
    char number[16];
    std::snprintf(number, sizeof number, "%3d; ", position);
    return number + name;
}

std::vector<std::string> namesOf(const ColumnsData& list) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        names.push_back(list.Item(i).Name);
    return names;
}

TEST(ColumnMemberDefaults, DefaultItemHasOnePieceStoreyOneAndAutomaticTenon) {
    const ColumnMember item;
    EXPECT_EQ(item.Members, 1);
    EXPECT_EQ(item.SubMembers, 0);
    EXPECT_EQ(item.FloorIndex, 1);
    EXPECT_TRUE(item.AutoTenon);
    EXPECT_TRUE(item.Name.empty());
    EXPECT_EQ(item.TenonB, 30.0);
    EXPECT_EQ(item.TenonD, -30.0);
}

TEST(ColumnMemberDefaults, CopyWithAutoTenonOffKeepsItsOwnTenon) {
    ColumnsData list;
    ColumnMember& item = list.Item(0);
    item.AutoTenon = false;
    item.TenonB = 42;
    item.TenonD = 77;
    const int index = list.Append(item);
    EXPECT_EQ(list.Item(index).TenonB, 42.0);
    EXPECT_EQ(list.Item(index).TenonD, 77.0);
    EXPECT_FALSE(list.Item(index).AutoTenon);
}

TEST(ColumnsDataAccess, OutOfRangeIndexesGiveTheFirstItem) {
    ColumnsData list = listOf({"a", "b", "c"});
    EXPECT_EQ(&list.Item(-1), &list.Item(0));
    EXPECT_EQ(&list.Item(list.Count()), &list.Item(0));
    EXPECT_EQ(list.Item(2).Name, "c");
}

TEST(ColumnsDataAccess, AppendReturnsTheOldCountAndAddsAtTheEnd) {
    ColumnsData list = listOf({"a", "b"});
    ColumnMember current = list.Item(0);
    current.Name = "copy";
    EXPECT_EQ(list.Append(current), 2);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(2).Name, "copy");
}

TEST(ColumnsDataAccess, DeleteNeverRemovesTheFirstItemOrAnIndexOutOfRange) {
    ColumnsData list = listOf({"a", "b", "c"});
    EXPECT_FALSE(list.Delete(0));
    EXPECT_FALSE(list.Delete(-1));
    EXPECT_FALSE(list.Delete(3));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_TRUE(list.Delete(2));
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"a", "b"}));
}

TEST(ColumnsDataAccess, InsertPutsTheItemAtAnyPositionUpToTheEnd) {
    ColumnsData list = listOf({"a", "b"});
    ColumnMember item;
    item.Name = "x";
    EXPECT_TRUE(list.Insert(0, item));
    EXPECT_TRUE(list.Insert(3, item));
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"x", "a", "b", "x"}));
    EXPECT_FALSE(list.Insert(5, item));
    EXPECT_FALSE(list.Insert(-1, item));
    EXPECT_EQ(list.Count(), 4);
}

TEST(ColumnsDataRearrange, CountsRenamesMovesAndDeletions) {
    ColumnsData renamed = listOf({"a", "b", "c"});
    EXPECT_EQ(renamed.Rearrange({line(1, "a"), line(2, "B2"), line(3, "c")}), 1);
    EXPECT_EQ(namesOf(renamed), (std::vector<std::string>{"a", "B2", "c"}));

    ColumnsData swapped = listOf({"a", "b", "c"});
    swapped.Item(0).B = 105;
    EXPECT_EQ(swapped.Rearrange({line(2, "b"), line(1, "a"), line(3, "c")}), 2);
    EXPECT_EQ(namesOf(swapped), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(swapped.Item(1).B, 105.0); // the item moved with its data

    ColumnsData lastDeleted = listOf({"a", "b", "c", "d"});
    EXPECT_EQ(lastDeleted.Rearrange({line(1, "a"), line(2, "b"), line(3, "c")}), 1);
    EXPECT_EQ(lastDeleted.Count(), 3);

    ColumnsData secondDeleted = listOf({"a", "b", "c", "d"});
    EXPECT_EQ(secondDeleted.Rearrange({line(1, "a"), line(3, "c"), line(4, "d")}), 3);
    EXPECT_EQ(namesOf(secondDeleted), (std::vector<std::string>{"a", "c", "d"}));
}

TEST(ColumnsDataRearrange, TakesTheOrderAsValuesWithTheSameRefusals) {
    ColumnsData list = listOf({"a", "b", "c"});
    EXPECT_EQ(list.Rearrange(std::vector<ArrangedItem>{{2, "c"}, {0, "A"}}), 4);
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"c", "A"}));
    EXPECT_EQ(list.Rearrange(std::vector<ArrangedItem>{{0, "c"}, {0, "c"}}), 0); // one item twice
    EXPECT_EQ(list.Rearrange(std::vector<ArrangedItem>{{2, "x"}}), 0);           // no such item
    EXPECT_EQ(list.Rearrange(std::vector<ArrangedItem>{}), 0);                   // never empty
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"c", "A"}));
}

TEST(ColumnsDataRearrange, UnchangedLinesChangeNothing) {
    ColumnsData list = listOf({"a", "b"});
    EXPECT_EQ(list.Rearrange({line(1, "a"), line(2, "b")}), 0);
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"a", "b"}));
}

TEST(ColumnsDataRearrange, NamesMayHoldTheSeparatorAndJapaneseText) {
    ColumnsData list = listOf({"a", "b"});
    EXPECT_EQ(list.Rearrange({line(2, "通し柱; 東"), line(1, "a")}), 3);
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"通し柱; 東", "a"}));
}

TEST(ColumnsDataRearrange, PositionsOfFourDigitsAreRead) {
    ColumnsData list;
    for (int i = 1; i < 1000; ++i)
        list.Append(ColumnMember{});
    list.Item(999).Name = "last";
    std::vector<std::string> lines{line(1000, "last")};
    EXPECT_EQ(list.Rearrange(lines), 999 + 1);
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"last"}));
}

TEST(ColumnsDataRearrange, BadLinesRefuseTheWholeRearrangement) {
    const std::vector<std::vector<std::string>> refused{
        {},                           // no line left: the list must keep one item
        {line(1, "a"), line(3, "x")}, // a former position beyond the list
        {line(0, "a"), line(2, "b")}, // position 0
        {line(1, "a"), line(1, "b")}, // one item twice
        {line(1, "a"), "  2"},        // cut short
        {line(1, "a"), "  x; b"},     // not a number
        {line(1, "a"), " -1; b"},     // negative
        {line(1, "a"), "  2:  b"},    // wrong separator
        {line(1, "a"), line(2, "b"), line(2, "c")},
    };
    for (const auto& lines : refused) {
        ColumnsData list = listOf({"a", "b"});
        EXPECT_EQ(list.Rearrange(lines), 0) << (lines.empty() ? "(none)" : lines.back());
        EXPECT_EQ(namesOf(list), (std::vector<std::string>{"a", "b"}));
    }
}

TEST(ColumnsDataCheck, AnyComputableChecksEveryItem) {
    const MatDataBase catalogue;
    CommonData common;
    ColumnCheck check(catalogue, common);

    ColumnsData list;
    EXPECT_FALSE(list.AnyComputable(check)); // the default item has no section

    ColumnMember post;
    post.B = 105;
    post.D = 105;
    post.Lkx = 2800;
    post.AxialForce[0] = 10;
    list.Item(0) = post;
    ColumnMember second = post;
    second.Lkx = 0; // not computable
    list.Append(second);
    const ColumnMember firstBefore = list.Item(0);
    EXPECT_TRUE(list.AnyComputable(check));
    // Checking writes nothing into the items (the derived Lky stays 0).
    EXPECT_EQ(list.Item(0).input(), firstBefore.input());
    list.Item(0).Lkx = 0;
    EXPECT_FALSE(list.AnyComputable(check)); // neither item checks now
}

} // namespace
} // namespace tarvo
