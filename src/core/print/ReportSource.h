#pragma once
// Where the page composer takes the report lines from: the document header
// and the lines of one item. The program uses the report text builders;
// tests and benchmarks give lines of their own.
#include "core/report/ReportLine.h"

namespace tarvo {

class ColumnMember;

class ReportSource {
public:
    virtual ~ReportSource() = default;
    // Appends the document header lines.
    virtual void appendHeader(ReportLines& lines) = 0;
    // Checks `item`; when it checks, fills `list` with its lines (`number`
    // being its running number) and returns true, otherwise returns false.
    virtual bool buildItem(const ColumnMember& item, ReportLines& list, int number) = 0;
};

} // namespace tarvo
