#pragma once
// The lines of the arrange dialog, one per item: "%3d; %s", the item's
// 1-based position right-aligned in three characters (wider from 1000 on),
// "; " and the item's name. ColumnsData::Rearrange reads them back.
#include <string>
#include <string_view>

namespace tarvo {

// The line of the item at 1-based `position` named `name`.
std::string FormatArrangeLine(int position, std::string_view name);

struct ArrangeLineParts {
    std::string_view prefix; // the position, "; " included
    std::string_view name;   // everything after the prefix
};

// Splits a line into its prefix and its name. The prefix ends at the first
// "; " from the fourth character on, so that a position of four digits and a
// name holding "; " both split where the line was joined. A line without the
// separator is all name.
ArrangeLineParts SplitArrangeLine(std::string_view line);

} // namespace tarvo
