#pragma once
// Where a streaming pagination hands the report: the lines of each page in
// page order, as soon as the page is complete. The lines are the sink's to
// read during the call only.
#include <span>

#include "core/report/ReportLine.h"

namespace tarvo {

class PageSink {
public:
    virtual ~PageSink() = default;
    virtual void page(std::span<const ReportLine> lines) = 0;
};

} // namespace tarvo
