#include "core/print/ReportTextSource.h"

#include "core/report/ReportText.h"

namespace tarvo {

void ReportTextSource::appendHeader(ReportLines& lines) {
    buildHeaderText(lines, common_, columns_);
}

bool ReportTextSource::buildItem(const ColumnMember& item, ReportLines& list, int number) {
    return buildItemText(item, list, number, check_);
}

} // namespace tarvo
