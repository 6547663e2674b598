#include "core/print/ReportTextSource.h"

#include "core/report/ColumnSummary.h"
#include "core/report/MaterialList.h"
#include "core/report/ReportText.h"

namespace tarvo {

void ReportTextSource::appendHeader(ReportLines& lines) {
    buildHeaderText(lines, common_, columns_);
}

bool ReportTextSource::buildItem(const ColumnMember& item, ReportLines& list, int number) {
    return buildItemText(item, list, number, check_);
}

bool ReportTextSource::buildSummary(const ColumnsData& columns, const std::vector<int>& printed, ReportTable& table) {
    table = buildSummaryTable(SummarizeColumns(columns, printed, check_));
    return true;
}

bool ReportTextSource::buildMaterials(const ColumnsData& columns, const std::vector<int>& printed, ReportTable& table) {
    table = buildMaterialTable(ListMaterials(columns, printed, check_));
    return true;
}

} // namespace tarvo
