#include "core/report/LatexWriter.h"

#include <utility>
#include <vector>

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/report/ColumnSummary.h"
#include "core/report/LatexItemText.h"
#include "core/report/LatexTables.h"
#include "core/report/LatexText.h"
#include "core/report/MaterialList.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// The lines of a multi-line text as an edit control holds them: split at
// line feeds, carriage returns dropped, no extra line after a final feed.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string trimRight(std::string line) {
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ')
        line.pop_back();
    return line;
}

// Writes UTF-8 `text` as pLaTeX-safe code page 932 bytes.
std::int64_t writeText(LatexSink& file, std::string_view text) {
    return file.write(toPlatexCp932(text));
}

} // namespace

LatexWriter::LatexWriter(const ColumnCheck& check, LatexLayout layout, std::string headerText)
    : check_(check), layout_(std::move(layout)), headerText_(std::move(headerText)) {}

std::string LatexWriter::openingText(const ColumnsData& columns) const {
    std::string t;
    for (const auto& line : splitLines(headerText_))
        t += line + "\n";
    const bool frontTables = layout_.IsSummaryPrint || layout_.IsMaterialsPrint;
    // The tables continue over pages with their heads repeated.
    if (frontTables) t += "\\usepackage{longtable}\n";
    if (layout_.FirstPageNo != 0) {
        appendFormat(t, "\\setcounter{page}{%d}\n", layout_.FirstPageNo);
    } else {
        t += "\\pagestyle{empty}\n";
    }
    t += "\\def\\labelenumi{\\theenumi)}\n\n";
    t += "\\begin{document}\n";
    const std::vector<std::string> title = splitLines(layout_.Title);
    if (layout_.IsTitlePrint && !title.empty()) {
        for (const auto& line : title)
            t += trimRight(line) + "\n\n";
        appendFormat(t, "\\vspace{%dmm}\n\n", layout_.ParagraphSpace);
    }
    if (frontTables) {
        std::vector<int> all(static_cast<std::size_t>(columns.Count()));
        for (int i = 0; i < columns.Count(); ++i)
            all[static_cast<std::size_t>(i)] = i;
        if (layout_.IsSummaryPrint) t += latexSummaryTable(SummarizeColumns(columns, all, check_)) + "\\clearpage\n\n";
        if (layout_.IsMaterialsPrint) t += latexMaterialTable(ListMaterials(columns, all, check_)) + "\\clearpage\n\n";
    }
    if (layout_.IsHeaderPrint) appendLegend(t, columns);
    if (layout_.Indent > 0) appendFormat(t, "\\parindent=%dmm\n", layout_.Indent);
    t += "\\begin{enumerate}\n";
    return t;
}

void LatexWriter::appendLegend(std::string& t, const ColumnsData& columns) const {
    const CommonData& common = check_.common();
    t += "\\begin{itemize}\n";
    if (common.VelocityPressure > 0) {
        t += "\\item {\\bf 風圧力}\\par\n";
        if (common.WindCalcStandard == 1) {
            t += "風圧による曲げ・せん断応力を考慮する場合、風圧力は告示第1458号に従って計算する。\\par\n";
            appendFormat(t, "\\hspace*{1zw}速度圧~~$q=0.6\\cdot {E_r}^2\\cdot {V_0}^2=%.0f\\,N/m^2$",
                         common.VelocityPressure);
        } else {
            t += "風圧による曲げ・せん断応力を考慮する場合、風圧力は施行令第87条に従って計算する。\\par\n";
            t +=
                formatText("\\hspace*{1zw}速度圧~~$q=0.6\\cdot E\\cdot {V_0}^2=%.0f\\,N/m^2$", common.VelocityPressure);
        }
        t += "\\qquad $風圧力~~\\omega=q\\cdot C_f\\cdot W$（負担巾Wの等分布荷重） \\par \n";
        t += "\\hspace*{1zw}曲げモーメント~~$M=\\omega\\cdot {l_b}^2/8\\qquad せん断力~~Q=\\omega\\cdot l_b/2\\qquad "
             "l_b：曲げ長さ$ \\par \n";
        t += "\\item{\\bf{凡例}}\\par\n";
        t += "$A：全断面積, \\quad A_{cv}：めり込み検定用断面積, \\quad A_s：せん断検定用断面積, \\quad "
             "Z：断面係数$\\par\n";
        t += "$i：断面２次半径,\\quad l_k：座屈長さ,\\quad \\lambda：有効細長比, \\quad \\eta：座屈係数$\\par\n";
        t += "$N：軸力, \\quad \\sigma_c：圧縮応力度, \\quad \\sigma_{cv}：めり込み応力度";
        t += ",\\quad \\sigma_b：曲げ応力度, \\quad \\tau：せん断応力度$\\par\n";
        t += "$f_k=\\eta\\cdot f_c：許容座屈応力度,\\quad f_{cv}：許容めり込み応力度,\\quad "
             "f_b：許容曲げ応力度,\\quad f_s：許容せん断応力度$\n";

        // The notes on the axis subscripts depend on the product kinds of
        // all items of the project.
        bool glulam = false;
        bool lvl = false;
        for (int i = 0; i < columns.Count(); ++i) {
            const std::int32_t kind = columns.Item(i).ColumnMaterial.SelectProduct;
            glulam = glulam || kind == kGlulam || kind == kGlulamColumn;
            lvl = lvl || kind == kLvl;
        }
        if (glulam || lvl) t += "\n　$（注） 許容応力度 f_b・f_s の添字x・y は下記による。$\n\n";
        if (glulam) {
            t += "　　$構造用集成材　添字xは接着層に平行する軸を、添字yは接着層に直交する軸を示す。$\n\n";
        }
        if (lvl) {
            t += "　　$構造用単板積層材　添字xは接着層に直交する軸を、添字yは接着層に平行する軸を示す。$\n\n";
        }
    } else {
        t += "\\item{\\bf{凡例}}\\par\n";
        t += "$N：軸力, \\quad A：全断面積, \\quad A_{cv}：めり込み検定用断面積$\\par\n";
        t += "$i：断面２次半径,\\quad l_k：座屈長さ,\\quad \\lambda：有効細長比, \\quad \\eta：座屈係数$\\par\n";
        t += "$\\sigma_c：圧縮応力度, \\quad \\sigma_{cv}：めり込み応力度$\\par\n";
        t += "$f_k=\\eta\\cdot f_c：許容座屈応力度,\\quad f_{cv}：許容めり込み応力度$\n";
    }
    t += "\\end{itemize}\n";
    appendFormat(t, "\\vspace{%dmm}\n\n", layout_.ParagraphSpace);
}

std::int64_t LatexWriter::writeLatexItem(const ColumnMember& item, LatexSink& file) {
    std::string text;
    if (!buildLatexItemText(item, check_, text)) return 0;
    return writeText(file, text);
}

std::int64_t LatexWriter::writeLatexDocument(const ColumnsData& columns, LatexSink& file) {
    if (writeText(file, openingText(columns)) < 0) return -1;
    for (int i = 0; i < columns.Count(); ++i) {
        if (writeLatexItem(columns.Item(i), file) < 0) return -1;
    }
    return writeText(file, kClosingText);
}

} // namespace tarvo
