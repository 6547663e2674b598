#include "core/report/ColumnSummary.h"

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnsData.h"
#include "core/report/ItemPresentation.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

void consider(GoverningRatio& best, bool& found, double ratio, int loadCase, GoverningCheck check) {
    if (found && !(ratio > best.ratio)) return;
    best = {ratio, loadCase, check};
    found = true;
}

} // namespace

GoverningRatio GoverningRatioOf(const ColumnOutcome& o) {
    GoverningRatio best;
    bool found = false;
    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        if (!o.Checked[j]) continue;
        const int k = static_cast<int>(j);
        const bool windCase = k == kWindLoadCase && o.windBending();
        // With wind bending the wind case is checked by the combined ratio,
        // which holds σc/fk; the outputs print no σc/fk of its own then.
        if (!windCase) consider(best, found, o.RatioC[j], k, GoverningCheck::Compression);
        if (o.bearingChecked()) consider(best, found, o.RatioCv[j], k, GoverningCheck::Bearing);
        if (windCase) {
            consider(best, found, o.Wind->RatioCombined, k, GoverningCheck::Combined);
            consider(best, found, o.Wind->RatioShear, k, GoverningCheck::Shear);
        }
    }
    return best;
}

std::string_view GoverningCheckName(GoverningCheck check) {
    switch (check) {
    case GoverningCheck::Compression: return "圧縮(座屈)";
    case GoverningCheck::Bearing: return "めり込み";
    case GoverningCheck::Combined: return "圧縮＋曲げ";
    case GoverningCheck::Shear: return "せん断";
    }
    return {};
}

std::string_view ItemReasonText(std::int32_t code) {
    const std::string_view message = CheckResultMessage(code);
    if (!message.empty()) return message;
    switch (code) {
    case kCheckNoSection: return "断面が入力されていません。";
    case kCheckNoBucklingLength: return "座屈長さ Lkx が入力されていません。";
    case kCheckNoAxialForce: return "軸力が入力されていません。";
    default: return "検定できません。";
    }
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
            row.governing = GoverningRatioOf(outcome);
            row.ok = true;
            for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
                if (outcome.Checked[j] && !outcome.caseOk(j)) row.ok = false;
            }
            ++summary.checkedCount;
            if (!row.ok) ++summary.ngCount;
        } else {
            row.reason = std::string(ItemReasonText(outcome.ResultCode));
        }
        summary.rows.push_back(std::move(row));
    }
    return summary;
}

} // namespace tarvo
