// The document header of the printed report: the wind-pressure explanation
// and the legend of symbols, or only a short legend when the project has no
// wind.
#include <array>

#include "core/material/MatInputData.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/report/ReportText.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr int kNotification1458 = 1;

// Which product kinds occur among all items of the project (printed or not).
std::array<bool, kProductKindCount> productKindsPresent(const ColumnsData& columns) {
    std::array<bool, kProductKindCount> present{};
    for (int i = 0; i < columns.Count(); ++i) {
        const std::int32_t kind = columns.Item(i).ColumnMaterial.SelectProduct;
        if (kind >= 0 && kind < kProductKindCount) present[static_cast<std::size_t>(kind)] = true;
    }
    return present;
}

void appendWindHeader(ReportLines& lines, const CommonData& common, const ColumnsData& columns) {
    const bool notification = common.WindCalcStandard == kNotification1458;
    lines.emplace_back("#0※風圧力");
    if (notification) {
        lines.emplace_back("#1風圧による曲げ・せん断応力を考慮する場合、風圧力は告示第1458号に従って計算する。");
        lines.push_back(formatText("#1　速度圧 q＝0.6･Er^2･Vo^2＝%.0fN/m^2,", common.VelocityPressure) +
                        "　　風圧力 ω＝q･Cf･W （負担巾Wの等分布荷重）");
    } else {
        lines.emplace_back("#1風圧による曲げ・せん断応力を考慮する場合、風圧力は施行令第87条に従って計算する。");
        lines.push_back(formatText("#1　速度圧 q＝0.6･E･Vo^2＝%.0fN/m^2,", common.VelocityPressure) +
                        "　　風圧力 ω＝q･Cf･W （負担巾Wの等分布荷重）");
    }
    lines.emplace_back("#1　曲げモーメント M＝ω･Lb^2/8,　　せん断力 Q＝ω･Lb/2,　　Lb：曲げ長さ");
    lines.emplace_back("#0※凡例");
    lines.emplace_back("#1A：全断面積,　Acv：めり込み検定用断面積,　As：せん断検定用断面積,　Z：断面係数");
    lines.emplace_back("#1i：断面２次半径,　Lk：座屈長さ,　λ：有効細長比,　η：座屈係数");
    lines.emplace_back("#1N：軸力,　σc：圧縮応力度,　σcv：めり込み応力度,　σb：曲げ応力度,　τ：せん断応力度");
    lines.emplace_back(
        "#1fk=η･fc：許容座屈応力度,　fcv：許容めり込み応力度,　fb：許容曲げ応力度,　fs：許容せん断応力度");

    // The x/y subscripts of fb and fs only appear for laminated products, and
    // glulam and LVL name their axes the opposite way round.
    const auto present = productKindsPresent(columns);
    const bool glulam = present[kGlulam] || present[kGlulamColumn];
    const bool lvl = present[kLvl];
    if (glulam || lvl) lines.emplace_back("#1　（注） 許容応力度 fb・fs の添字'x'・'y' は下記による。");
    if (glulam) {
        lines.emplace_back("#1　　　構造用集成材　添字'x'は接着層に平行する軸を、添字'y'は接着層に直交する軸を示す。");
    }
    if (lvl) {
        lines.emplace_back(
            "#1　　　構造用単板積層材　添字'x'は接着層に直交する軸を、添字'y'は接着層に平行する軸を示す。");
    }
}

void appendShortLegend(ReportLines& lines) {
    lines.emplace_back("#0※凡例");
    lines.emplace_back("#1N：軸力,　A：全断面積,　Acv：めり込み検定用断面積");
    lines.emplace_back("#1i：断面２次半径,　Lk：座屈長さ,　λ：有効細長比,　η：座屈係数");
    lines.emplace_back("#1σc：圧縮応力度,　σcv：めり込み応力度");
    lines.emplace_back("#1fk=η･fc：許容座屈応力度,　fcv：許容めり込み応力度");
}

} // namespace

void buildHeaderText(ReportLines& lines, const CommonData& common, const ColumnsData& columns) {
    if (common.VelocityPressure > 0) {
        appendWindHeader(lines, common, columns);
    } else {
        appendShortLegend(lines);
    }
}

} // namespace tarvo
