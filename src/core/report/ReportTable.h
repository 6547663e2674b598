#pragma once
// A table of report lines printed before the column pages: a caption, the
// column heads, rows that are never split over two pages, and the lines
// after the last row. A table that does not fit on one page continues on
// the next with the continued caption and the column heads again.
//
// The lines place their cells with the column markup of `ReportLine`
// ("#{N}", "#{-N}", "#{=N}"), N counted in the width of the digit "0" from
// tab stop 0, so a table's layout does not depend on the device.
#include <string>
#include <string_view>
#include <vector>

#include "core/report/ReportLine.h"

namespace tarvo {

struct ReportTable {
    ReportLine caption;
    ReportLine continuedCaption;
    ReportLines head;
    std::vector<ReportLines> rows;
    ReportLines foot;
};

enum class CellAlign { Left, Right };

// One cell of a table row: its column (left edge, or right edge for a
// right-aligned cell) and the widest text it takes, in column units.
struct TableCell {
    int column = 0;
    int width = 0;
    std::string text;
    CellAlign align = CellAlign::Left;
};

// The lines of one row: each cell's text broken into pieces of at most its
// width (a half-width character counts 1, any other 1.7), the pieces of all
// cells side by side, as many lines as the longest cell needs.
ReportLines TableRowLines(const std::vector<TableCell>& cells);

// A horizontal rule from tab stop 0 to column `right`.
ReportLine TableRule(int right);

// Pieces of `text` of at most `width` columns each (one piece for an empty
// text; a character wider than the width is a piece of its own; a closing
// mark such as "。" stays at the end of the piece before it).
std::vector<std::string> WrapColumns(std::string_view text, int width);

} // namespace tarvo
