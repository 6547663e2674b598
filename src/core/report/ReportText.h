#pragma once
// The text of the printed calculation report: the document header (wind
// pressure explanation and legend) and the block of lines of each item.
#include <string>
#include <vector>

#include "core/report/ReportLine.h"
#include "core/report/ReportTable.h"

namespace tarvo {

class ColumnCheck;
class ColumnMember;
class ColumnsData;
class CommonData;
struct ColumnSummary;
struct ItemPresentation;
struct MaterialRow;

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

// A user's text (an item name) as report text: the characters the page
// composer reads as markup ("#" tabs and columns, "@" the label, "^"
// superscripts) in their full-width forms, so that it prints as typed.
std::string reportNameText(const std::string& name);

// The summary of the printed columns as a report table.
ReportTable buildSummaryTable(const ColumnSummary& summary);
// The list of materials as a report table.
ReportTable buildMaterialTable(const std::vector<MaterialRow>& materials);

} // namespace tarvo
