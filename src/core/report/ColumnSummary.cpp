#include "core/report/ColumnSummary.h"

#include "core/check/CheckRefusal.h"
#include "core/check/ColumnCheck.h"
#include "core/project/ColumnsData.h"
#include "core/report/ItemPresentation.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {} // namespace

std::string_view GoverningCheckName(CheckKind check) {
    switch (check) {
    case CheckKind::Compression: return "圧縮(座屈)";
    case CheckKind::Bearing: return "めり込み";
    case CheckKind::Combined: return "圧縮＋曲げ";
    case CheckKind::Shear: return "せん断";
    case CheckKind::None:
    case CheckKind::Refused: break;
    }
    return {};
}

std::string SummarySectionText(const MemberInputData& item) {
    // Summed wide: a damaged file may hold piece counts whose int sum overflows.
    const long long count = static_cast<long long>(item.Members) + item.SubMembers;
    if (item.SizeCode != 0) {
        std::string text = count > 1 ? formatText("%lld-", count) : std::string();
        return text + formatText("%d", item.SizeCode);
    }
    if (item.Shape == kRound) return formatText("%.0fφ", item.D);
    std::string text = formatText("%.0f×%.0f", item.B, item.D);
    if (count > 1) appendFormat(text, "×%lld本", count);
    return text;
}

ColumnSummary SummarizeColumns(const ColumnsData& columns, const std::vector<int>& printed, const ColumnCheck& check) {
    ColumnSummary summary;
    int number = 1;
    for (const int index : printed) {
        if (index < 0 || index >= columns.Count()) continue;
        const ColumnMember& item = columns.Item(index);
        const ColumnOutcome outcome = check.CheckColumn(item);
        SummaryRow row;
        row.name = item.Name;
        const ItemPresentation p = PresentItem(item, outcome, check);
        row.material = p.column.description;
        if (item.ColumnMaterial.SelectProduct == kGlulam && !p.column.speciesName.empty())
            row.material += " (" + p.column.speciesName + ")";
        row.section = SummarySectionText(item);
        row.checked = outcome.computable();
        if (row.checked) {
            row.number = number++;
            row.governing = GoverningCheckOf(outcome);
            row.ok = row.governing.Ok;
            ++summary.checkedCount;
            if (!row.ok) ++summary.ngCount;
        } else {
            row.reason = std::string(CheckRefusalReason(outcome.ResultCode));
        }
        summary.rows.push_back(std::move(row));
    }
    return summary;
}

} // namespace tarvo
