#pragma once
// Where the page composer takes the report lines from: the document header
// and the lines of one item. The program uses the report text builders;
// tests and benchmarks give lines of their own.
#include <vector>

#include "core/report/ReportLine.h"
#include "core/report/ReportTable.h"

namespace tarvo {

class ColumnMember;
class ColumnsData;

class ReportSource {
public:
    virtual ~ReportSource() = default;
    // Appends the document header lines.
    virtual void appendHeader(ReportLines& lines) = 0;
    // Checks `item`; when it checks, fills `list` with its lines (`number`
    // being its running number) and returns true, otherwise returns false.
    virtual bool buildItem(const ColumnMember& item, ReportLines& list, int number) = 0;
    // The summary of the printed columns and the list of their materials,
    // pages before the column pages; `printed` are the indices of the
    // printed items in print order. False: the source has no such table.
    virtual bool buildSummary(const ColumnsData& /*columns*/, const std::vector<int>& /*printed*/,
                              ReportTable& /*table*/) {
        return false;
    }
    virtual bool buildMaterials(const ColumnsData& /*columns*/, const std::vector<int>& /*printed*/,
                                ReportTable& /*table*/) {
        return false;
    }
};

} // namespace tarvo
