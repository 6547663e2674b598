#include "core/report/LatexTables.h"

#include <algorithm>

#include "core/report/ColumnSummary.h"
#include "core/report/LatexText.h"
#include "core/report/MaterialList.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr std::string_view kSummaryHeads =
    "No. & 名称 & 材料 & 断面 & 検定比 & 荷重ケース & 検定項目 & 判定 \\\\ \\hline\n";

// "Fbx" as math: "F_{bx}".
std::string strengthMath(std::string_view label) {
    std::string math = "$F_{";
    math += label.substr(1);
    return math + "}$";
}

std::string allowableMath(std::string_view label) {
    std::string math = "$f_{";
    math += label.substr(1);
    return math + "}$";
}

std::string text(std::string_view utf8) {
    return escapeLatexText(utf8);
}

// A line spanning the table's text columns; "\\*": no page break after it,
// so a material's block stays on one page. The table's last column is
// empty: a spanning line widens it rather than the columns of numbers.
std::string spanLine(std::string_view label, const std::string& latex) {
    return " & \\multicolumn{6}{p{140mm}}{" + std::string(label) + "\\quad " + latex + "} \\\\*\n";
}

std::string sourceLine(const MaterialValues& v) {
    const StrengthSources& s = v.sources;
    if (v.role == MaterialRole::HorizontalMember) return "$F_{cv}$：" + text(StrengthTableName(s.bearing));
    if (s.shear == s.strengths) return "$F_c$・$F_t$・$F_b$・$F_s$：" + text(StrengthTableName(s.strengths));
    return "$F_c$・$F_t$・$F_b$：" + text(StrengthTableName(s.strengths)) + "\\newline $F_s$：" +
           text(StrengthTableName(s.shear));
}

std::string factorLine(const MaterialValues& v) {
    std::string t = "使用環境区分" + text(v.serviceClass) + formatText(" $\\times$%.1f", v.environmentFactor);
    if (v.role == MaterialRole::Column) {
        if (v.Kz != 1) t += formatText("、寸法効果係数 $K_z=%.3f$（", v.Kz) + strengthMath(v.bendingLabel) + "）";
        if (v.layUpFactor != 1)
            t += "、幅はぎ未評価ラミナ $\\times$" + shortestDecimal(v.layUpFactor) + "（" + strengthMath(v.shearLabel) +
                 "）";
    } else {
        if (v.FcvEnd > 0) appendFormat(t, "、材端 $F_{cv}=%.1f$", v.FcvEnd);
        if (v.sillFactors) t += "、土台の係数";
    }
    return t;
}

void appendMaterial(std::string& t, int symbol, const MaterialRow& row) {
    const MaterialValues& v = row.values;
    const bool column = v.role == MaterialRole::Column;
    t += formatText("%d. & \\multicolumn{6}{p{140mm}}{", symbol) + text(row.memberNames) + "\\quad " +
         text(v.description) + "\\hfill 使用 No. " + NumberRangesText(row.numbers) + "} \\\\*\n";
    if (column) {
        t += spanLine("基準強度", formatText("$F_c=%.2f$, $F_t=%.2f$, ", v.Fc, v.Ft) + strengthMath(v.bendingLabel) +
                                      formatText("$=%.2f$, ", v.Fb) + strengthMath(v.shearLabel) +
                                      formatText("$=%.2f$ (N/mm$^2$)", v.Fs));
    } else {
        t += spanLine("基準強度", formatText("$F_{cv}=%.2f$ (N/mm$^2$)", v.Fcv));
    }
    t += spanLine("出典", sourceLine(v));
    t += spanLine("係数", factorLine(v));
    if (column) {
        t += spanLine("使用する値", formatText("$F_c=%.2f$, ", v.FcInUse) + strengthMath(v.bendingLabel) +
                                        formatText("$=%.2f$, ", v.FbInUse) + strengthMath(v.shearLabel) +
                                        formatText("$=%.2f$ (N/mm$^2$)", v.FsInUse));
        t += " & 荷重ケース & 係数 & $f_c$ & " + allowableMath(v.bendingLabel) + " & " + allowableMath(v.shearLabel) +
             " & \\\\*\n";
    } else {
        t += spanLine("使用する値", formatText("$F_{cv}=%.2f$ (N/mm$^2$)", v.FcvInUse));
        t += " & 荷重ケース & 係数 & $f_{cv}$ & & & \\\\*\n";
    }
    for (std::size_t k = 0; k < static_cast<std::size_t>(kLoadCaseCount); ++k) {
        const double f = v.factors[k] / 3.0;
        t += " & " + std::string(kLoadCaseNames[k]) + " & " + shortestDecimal(v.factors[k]) + "/3 & ";
        if (column) {
            appendFormat(t, "%.2f & %.2f & %.2f &", v.FcInUse * f, v.FbInUse * f, v.FsInUse * f);
        } else {
            appendFormat(t, "%.2f & & &", v.FcvInUse * f);
        }
        t += k + 1 < static_cast<std::size_t>(kLoadCaseCount) ? " \\\\*\n" : " \\\\ \\hline\n";
    }
}

} // namespace

std::string latexSummaryTable(const ColumnSummary& summary) {
    std::string t = "\\noindent{\\bf 柱の断面検定比一覧}\\par\n";
    t += "{\\small\\setlength{\\tabcolsep}{3pt}\n";
    t += "\\begin{longtable}{rp{22mm}p{40mm}lrllc}\n\\hline\n";
    t += kSummaryHeads;
    t += "\\endfirsthead\n";
    t += "\\multicolumn{8}{l}{柱の断面検定比一覧（続き）} \\\\ \\hline\n";
    t += kSummaryHeads;
    t += "\\endhead\n\\hline\n\\endfoot\n\\hline\n\\endlastfoot\n";
    for (const SummaryRow& row : summary.rows) {
        t += (row.number > 0 ? std::to_string(row.number) : "－") + " & " + text(row.name) + " & " +
             text(row.material) + " & " + text(row.section) + " & ";
        if (row.checked) {
            const GoverningCheck& g = row.governing;
            t += formatText("%.2f", g.Ratio) + " & " +
                 std::string(kLoadCaseNames[static_cast<std::size_t>(std::max(g.LoadCase, 0))]) + " & " +
                 std::string(GoverningCheckName(g.Kind)) + " & " + (row.ok ? "OK" : "NG");
        } else {
            t += "\\multicolumn{4}{p{50mm}}{検定不可：" + text(row.reason) + "}";
        }
        t += " \\\\\n";
    }
    t += "\\end{longtable}}\n";
    const int count = static_cast<int>(summary.rows.size());
    appendFormat(t, "柱 %d 本：検定 %d 本（OK %d 本、NG %d 本）", count, summary.checkedCount,
                 summary.checkedCount - summary.ngCount, summary.ngCount);
    if (count > summary.checkedCount) appendFormat(t, "、検定不可 %d 本", count - summary.checkedCount);
    t += "\\par\n";
    t += "検定比：各荷重ケースの $\\sigma_c/f_k$、$\\sigma_{cv}/f_{cv}$、風荷重時の $\\sigma_c/f_k+\\sigma_b/f_b$ と "
         "$\\tau/f_s$ のうち最大のもの\\par\n";
    return t;
}

std::string latexMaterialTable(const std::vector<MaterialRow>& materials) {
    std::string t = "\\noindent{\\bf 使用構造材料一覧}\\par\n";
    t += "{\\small\\setlength{\\tabcolsep}{6pt}\n";
    t += "\\begin{longtable}{lllrrrl}\n\\hline\n\\endfirsthead\n";
    t += "\\multicolumn{7}{l}{使用構造材料一覧（続き）} \\\\ \\hline\n\\endhead\n";
    int symbol = 1;
    for (const MaterialRow& row : materials)
        appendMaterial(t, symbol++, row);
    t += "\\end{longtable}}\n";
    t += "許容応力度＝使用する値$\\times$係数/3。柱の座屈の許容応力度 $f_k$ は $f_c$ に各柱の座屈低減係数 $\\eta$ "
         "を乗じたもの。\\par\n";
    return t;
}

} // namespace tarvo
