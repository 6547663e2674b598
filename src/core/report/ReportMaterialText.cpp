// The list of materials as a report table: one block per material with its
// base strengths, their tables, the factors applied, the strengths in use
// and the allowable stresses of the five load cases.
#include <string>

#include "core/report/MaterialList.h"
#include "core/report/ReportText.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// Columns, in widths of the digit "0" from tab stop 0 (81 fit the default layout).
constexpr int kNumber = 0;
constexpr int kLabel = 4;
constexpr int kValue = 14;
constexpr int kUses = 60;
constexpr int kRight = 81;
constexpr int kCase = 14;
constexpr int kFactor = 24;
constexpr int kFirstStressRight = 38;
constexpr int kStressStep = 8;

ReportLines labelled(const char* label, const std::string& text) {
    return TableRowLines({{kLabel, kValue - kLabel - 1, label}, {kValue, kRight - kValue, text}});
}

void append(ReportLines& lines, const ReportLines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

std::string sourceText(const MaterialValues& v) {
    const StrengthSources& s = v.sources;
    if (v.role == MaterialRole::HorizontalMember) {
        return "Fcv：" + std::string(StrengthTableName(s.bearing));
    }
    if (s.shear == s.strengths) return "Fc・Ft・Fb・Fs：" + std::string(StrengthTableName(s.strengths));
    return "Fc・Ft・Fb：" + std::string(StrengthTableName(s.strengths));
}

std::string factorText(const MaterialValues& v) {
    std::string text = formatText("使用環境区分%s ×%.1f", v.serviceClass.c_str(), v.environmentFactor);
    if (v.role == MaterialRole::Column) {
        if (v.Kz != 1) appendFormat(text, "、寸法効果係数 Kz＝%.3f（%s）", v.Kz, v.bendingLabel.c_str());
        if (v.layUpFactor != 1)
            appendFormat(text, "、幅はぎ未評価ラミナ ×%s（%s）", shortestDecimal(v.layUpFactor).c_str(),
                         v.shearLabel.c_str());
    } else {
        if (v.FcvEnd > 0) appendFormat(text, "、材端 Fcv＝%.1f", v.FcvEnd);
        if (v.sillFactors) text += "、土台の係数";
    }
    return text;
}

void appendColumnBlock(const MaterialValues& v, ReportLines& lines) {
    append(lines, labelled("基準強度", formatText("Fc＝%.2f　Ft＝%.2f　%s＝%.2f　%s＝%.2f　(N/mm^2)", v.Fc, v.Ft,
                                                  v.bendingLabel.c_str(), v.Fb, v.shearLabel.c_str(), v.Fs)));
    append(lines, labelled("出典", sourceText(v)));
    if (v.sources.shear != v.sources.strengths)
        append(lines, labelled("", "Fs：" + std::string(StrengthTableName(v.sources.shear))));
    append(lines, labelled("係数", factorText(v)));
    append(lines,
           labelled("使用する値", formatText("Fc＝%.2f　%s＝%.2f　%s＝%.2f　(N/mm^2)", v.FcInUse,
                                             v.bendingLabel.c_str(), v.FbInUse, v.shearLabel.c_str(), v.FsInUse)));
    // The allowable stresses are named as their strengths in lower case.
    std::string fb = v.bendingLabel;
    std::string fs = v.shearLabel;
    fb.front() = 'f';
    fs.front() = 'f';
    lines.push_back(formatText("#{%d}許容応力度#{%d}荷重ケース#{%d}係数#{-%d}fc#{-%d}%s#{-%d}%s#{%d}(N/mm^2)", kLabel,
                               kCase, kFactor, kFirstStressRight, kFirstStressRight + kStressStep, fb.c_str(),
                               kFirstStressRight + 2 * kStressStep, fs.c_str(),
                               kFirstStressRight + 2 * kStressStep + 2));
    for (std::size_t k = 0; k < static_cast<std::size_t>(kLoadCaseCount); ++k) {
        const double f = v.factors[k] / 3.0;
        lines.push_back(formatText(
            "#{%d}%s#{%d}%s/3#{-%d}%.2f#{-%d}%.2f#{-%d}%.2f", kCase, std::string(kLoadCaseNames[k]).c_str(), kFactor,
            shortestDecimal(v.factors[k]).c_str(), kFirstStressRight, v.FcInUse * f, kFirstStressRight + kStressStep,
            v.FbInUse * f, kFirstStressRight + 2 * kStressStep, v.FsInUse * f));
    }
}

void appendMemberBlock(const MaterialValues& v, ReportLines& lines) {
    append(lines, labelled("基準強度", formatText("Fcv＝%.2f　(N/mm^2)", v.Fcv)));
    append(lines, labelled("出典", sourceText(v)));
    append(lines, labelled("係数", factorText(v)));
    append(lines, labelled("使用する値", formatText("Fcv＝%.2f　(N/mm^2)", v.FcvInUse)));
    lines.push_back(formatText("#{%d}許容応力度#{%d}荷重ケース#{%d}係数#{-%d}fcv#{%d}(N/mm^2)", kLabel, kCase, kFactor,
                               kFirstStressRight, kFirstStressRight + 2));
    for (std::size_t k = 0; k < static_cast<std::size_t>(kLoadCaseCount); ++k) {
        lines.push_back(formatText("#{%d}%s#{%d}%s/3#{-%d}%.2f", kCase, std::string(kLoadCaseNames[k]).c_str(), kFactor,
                                   shortestDecimal(v.factors[k]).c_str(), kFirstStressRight,
                                   v.FcvInUse * v.factors[k] / 3.0));
    }
}

} // namespace

ReportTable buildMaterialTable(const std::vector<MaterialRow>& materials) {
    ReportTable table;
    table.caption = "#0※使用構造材料一覧";
    table.continuedCaption = "#0※使用構造材料一覧（続き）";
    table.head.push_back(TableRule(kRight));
    int symbol = 1;
    for (const MaterialRow& row : materials) {
        const MaterialValues& v = row.values;
        ReportLines lines = TableRowLines({
            {kNumber, kLabel - 1, formatText("%d.", symbol++)},
            {kLabel, kValue - kLabel - 1, row.memberNames},
            {kValue, kUses - kValue - 1, v.description},
            {kUses, kRight - kUses, "使用 No. " + NumberRangesText(row.numbers)},
        });
        if (v.role == MaterialRole::Column) {
            appendColumnBlock(v, lines);
        } else {
            appendMemberBlock(v, lines);
        }
        lines.push_back(TableRule(kRight));
        table.rows.push_back(std::move(lines));
    }
    table.foot = TableRowLines({{kLabel, kRight - kLabel,
                                 "許容応力度＝使用する値×係数/3。柱の座屈の許容応力度 fk は fc に各柱の座屈低減係数 η "
                                 "を乗じたもの。"}});
    return table;
}

} // namespace tarvo
