#include "core/project/ArrangeLine.h"

#include <gtest/gtest.h>

#include "core/project/ColumnsData.h"

namespace tarvo {
namespace {

TEST(ArrangeLine, PositionIsRightAlignedInThreeCharactersAndWiderFromOneThousand) {
    EXPECT_EQ(FormatArrangeLine(1, "通し柱"), "  1; 通し柱");
    EXPECT_EQ(FormatArrangeLine(999, ""), "999; ");
    EXPECT_EQ(FormatArrangeLine(1000, "x"), "1000; x");
}

TEST(ArrangeLine, SplitsWhereTheLineWasJoined) {
    for (const int position : {1, 42, 999, 1000, 10000}) {
        for (const std::string name : {"", "a", "; ", "柱; 東; 西", " blank "}) {
            const std::string line = FormatArrangeLine(position, name);
            const ArrangeLineParts parts = SplitArrangeLine(line);
            EXPECT_EQ(parts.name, name) << line;
            EXPECT_EQ(std::string(parts.prefix) + std::string(parts.name), line);
        }
    }
    EXPECT_EQ(SplitArrangeLine("no separator").prefix, "");
    EXPECT_EQ(SplitArrangeLine("no separator").name, "no separator");
}

TEST(ArrangeLine, ARenamedLineIsReadBackByTheList) {
    ColumnsData list;
    list.Append(ColumnMember{});
    const std::string line = FormatArrangeLine(2, "old");
    const std::string renamed = std::string(SplitArrangeLine(line).prefix) + "new; name";
    EXPECT_EQ(list.Rearrange({renamed, FormatArrangeLine(1, "")}), 3);
    EXPECT_EQ(list.Item(0).Name, "new; name");
}

} // namespace
} // namespace tarvo
