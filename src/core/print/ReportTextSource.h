#pragma once
// The report lines of the program: the header and item texts of the report
// text builders, each item checked afresh.
#include "core/print/ReportSource.h"

namespace tarvo {

class ColumnCheck;
class ColumnsData;
class CommonData;

class ReportTextSource final : public ReportSource {
public:
    ReportTextSource(const CommonData& common, const ColumnsData& columns, const ColumnCheck& check)
        : common_(common), columns_(columns), check_(check) {}

    void appendHeader(ReportLines& lines) override;
    bool buildItem(const ColumnMember& item, ReportLines& list, int number) override;
    bool buildSummary(const ColumnsData& columns, const std::vector<int>& printed, ReportTable& table) override;
    bool buildMaterials(const ColumnsData& columns, const std::vector<int>& printed, ReportTable& table) override;

private:
    const CommonData& common_;
    const ColumnsData& columns_;
    const ColumnCheck& check_;
};

} // namespace tarvo
