#include "core/print/LayoutProblem.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "core/print/DeviceGeometry.h"
#include "core/print/PrinterInfomation.h"

namespace tarvo {

namespace {

LayoutProblem marginProblem(const char* setting, std::int32_t valueMm, const char* what) {
    return {setting, std::string("印刷設定の ") + setting + "（" + std::to_string(valueMm) + " mm）では用紙に" + what +
                         "を印刷する場所が残りません。"};
}

LayoutProblem fontProblem(const char* setting, int sizePt, const std::string& what) {
    return {setting, std::string("印刷設定の ") + setting + "（" + std::to_string(sizePt) + " pt）では" + what};
}

} // namespace

std::optional<LayoutProblem> findLayoutProblem(const PrinterInfomation& printer) {
    const std::array<std::pair<const char*, int>, 3> fonts{{{"TitleFontSize", printer.titleFont.sizePt},
                                                            {"BodyFontSize", printer.bodyFont.sizePt},
                                                            {"HeaderFontSize", printer.pageNoFont.sizePt}}};
    for (const auto& [setting, sizePt] : fonts) {
        if (sizePt < kMinimumLegibleFontPt) {
            return fontProblem(setting, sizePt,
                               "文字が読めません。" + std::to_string(kMinimumLegibleFontPt) +
                                   " pt 以上にしてください。");
        }
    }
    // Offsets are in device pixels of the printable area; the text runs from
    // `left` to the printable area's right edge.
    if (printer.left >= printer.pageW) return marginProblem("LeftMargin", printer.LeftMargin, "本文");
    // Room for one line of the smallest legible text, whatever the fonts.
    const double smallestLine = std::abs(deviceFontHeight(kMinimumLegibleFontPt, printer.dpiY)) + printer.lineGap;
    if (printer.textHeight < smallestLine) {
        return printer.TopMargin >= printer.BottomMargin ? marginProblem("TopMargin", printer.TopMargin, "本文")
                                                         : marginProblem("BottomMargin", printer.BottomMargin, "本文");
    }
    if (printer.bodyLineHeight > printer.textHeight) {
        return fontProblem("BodyFontSize", printer.bodyFont.sizePt, "本文の一行がページに収まりません。");
    }
    if (printer.titleLineHeight > printer.textHeight) {
        return fontProblem("TitleFontSize", printer.titleFont.sizePt, "タイトルの一行がページに収まりません。");
    }
    const int paperW = printer.pageW + printer.offX + printer.unprR;
    if (printer.pageNoSide >= paperW) {
        return marginProblem("HeaderSideMargin", printer.HeaderSideMargin, "ページ番号");
    }
    if (printer.pageNoY + std::abs(printer.pageNoFontHeight) > printer.pageH) {
        return marginProblem("HeaderTopMargin", printer.HeaderTopMargin, "ページ番号");
    }
    return std::nullopt;
}

std::string refusedStoredLayoutMessage(const LayoutProblem& problem) {
    return problem.message + "\n既定の印刷設定で印刷します。";
}

} // namespace tarvo
