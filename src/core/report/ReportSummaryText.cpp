// The summary of the printed columns as a report table: a line of column
// heads between rules, one row per printed item, the totals.
#include <algorithm>

#include "core/report/ColumnSummary.h"
#include "core/report/ReportText.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// Columns, in widths of the digit "0" from tab stop 0: 81 of them fit the
// default layout (A4, 10 point body font, margins 20 and 15 mm, indent 5 mm).
constexpr int kNumberRight = 3;
constexpr int kName = 5;
constexpr int kNameWidth = 12;
constexpr int kMaterial = 18;
constexpr int kMaterialWidth = 22;
constexpr int kSection = 41;
constexpr int kSectionWidth = 10;
constexpr int kRatioRight = 57;
constexpr int kReason = 51;
constexpr int kCase = 59;
constexpr int kCaseWidth = 9;
constexpr int kCheck = 69;
constexpr int kCheckWidth = 9;
constexpr int kVerdict = 78;
constexpr int kRight = 81;

std::vector<TableCell> identityCells(const SummaryRow& row) {
    return {
        {kNumberRight, 4, row.number > 0 ? std::to_string(row.number) : "－", CellAlign::Right},
        {kName, kNameWidth, reportNameText(row.name)},
        {kMaterial, kMaterialWidth, row.material},
        {kSection, kSectionWidth, row.section},
    };
}

void append(ReportLines& lines, const ReportLines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

ReportLines rowLines(const SummaryRow& row) {
    std::vector<TableCell> cells = identityCells(row);
    if (row.checked) {
        const GoverningCheck& g = row.governing;
        cells.push_back({kRatioRight, 6, formatText("%.2f", g.Ratio), CellAlign::Right});
        cells.push_back(
            {kCase, kCaseWidth, std::string(kLoadCaseNames[static_cast<std::size_t>(std::max(g.LoadCase, 0))])});
        cells.push_back({kCheck, kCheckWidth, std::string(GoverningCheckName(g.Kind))});
        cells.push_back({kVerdict, kRight - kVerdict, row.ok ? "OK" : "NG"});
    } else {
        cells.push_back({kReason, kRight - kReason, "検定不可：" + row.reason});
    }
    return TableRowLines(cells);
}

} // namespace

ReportTable buildSummaryTable(const ColumnSummary& summary) {
    ReportTable table;
    table.caption = "#0※柱の断面検定比一覧";
    table.continuedCaption = "#0※柱の断面検定比一覧（続き）";
    table.head.push_back(TableRule(kRight));
    table.head.push_back(
        formatText("#{-%d}No.#{%d}名称#{%d}材料#{%d}断面#{-%d}検定比#{%d}荷重ケース#{%d}検定項目#{%d}判定",
                   kNumberRight, kName, kMaterial, kSection, kRatioRight, kCase, kCheck, kVerdict));
    table.head.push_back(TableRule(kRight));
    for (const SummaryRow& row : summary.rows)
        table.rows.push_back(rowLines(row));
    table.foot.push_back(TableRule(kRight));
    const int count = static_cast<int>(summary.rows.size());
    std::string totals = formatText("#{%d}柱 %d 本：検定 %d 本（OK %d 本、NG %d 本）", kName, count,
                                    summary.checkedCount, summary.checkedCount - summary.ngCount, summary.ngCount);
    if (count > summary.checkedCount) appendFormat(totals, "、検定不可 %d 本", count - summary.checkedCount);
    table.foot.push_back(totals);
    append(table.foot, TableRowLines({{kName, kRight - kName,
                                       "検定比：各荷重ケースの σc/fk、σcv/fcv、風荷重時の σc/fk＋σb/fb と τ/fs "
                                       "のうち最大のもの"}}));
    return table;
}

} // namespace tarvo
