#pragma once
// The text of the printed calculation report: the document header (wind
// pressure explanation and legend) and the block of lines of each item.
#include "core/report/ReportLine.h"

namespace tarvo {

class ColumnCheck;
class ColumnMember;
class ColumnsData;
class CommonData;
struct ItemPresentation;

// Appends the document header lines to `lines`. The notes on the x/y axis
// subscripts depend on the product kinds of all items of `columns`.
void buildHeaderText(ReportLines& lines, const CommonData& common, const ColumnsData& columns);

// Checks `item` with `check`; when the check returns a code other than 0
// nothing else happens (`list` is not touched) and false is returned.
// Otherwise `list` is cleared and filled with the item's lines, `number`
// being its running number in the printed report, and true is returned.
bool buildItemText(const ColumnMember& item, ReportLines& list, int number, const ColumnCheck& check);
// The lines of a computable item that is presented already.
void buildItemText(const ItemPresentation& presentation, ReportLines& list, int number);

} // namespace tarvo
