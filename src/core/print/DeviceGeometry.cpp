#include "core/print/DeviceGeometry.h"

#include <algorithm>
#include <cstdlib>

#include "core/print/PrinterInfomation.h"
#include "core/print/PrinterTarget.h"
#include "core/text/Rounding.h"

namespace tarvo {
namespace {

std::int32_t mmToPixels(double mm, int dpi) {
    return static_cast<std::int32_t>(roundToInteger(mm * dpi / 25.4));
}

std::int32_t pixelsToMm(int pixels, int dpi) {
    return dpi > 0 ? static_cast<std::int32_t>(roundToInteger(pixels * 25.4 / dpi)) : 0;
}

} // namespace

int deviceFontHeight(int sizePt, int dpi) {
    return static_cast<int>(-roundToInteger(static_cast<double>(sizePt) * dpi / 72.0));
}

void computeDeviceGeometry(PrinterInfomation& p) {
    p.lineGap = static_cast<double>(roundToInteger(3.0 * p.dpiY / 72.0));
    p.bodyFontHeight = deviceFontHeight(p.bodyFont.sizePt, p.dpiY);
    p.titleFontHeight = deviceFontHeight(p.titleFont.sizePt, p.dpiY);
    p.pageNoFontHeight = deviceFontHeight(p.pageNoFont.sizePt, p.dpiY);
    p.bodyLineHeight = std::abs(p.bodyFontHeight) + p.lineGap;
    p.titleLineHeight = std::abs(p.titleFontHeight) + p.lineGap;
    p.paragraphSpace = mmToPixels(p.ParagraphSpace, p.dpiY);
    p.top = mmToPixels(p.TopMargin, p.dpiY) - p.offY;
    p.bottom = mmToPixels(p.BottomMargin, p.dpiY) - p.unprB;
    p.textHeight = p.pageH - p.top - p.offY - p.bottom;
    p.left = mmToPixels(p.LeftMargin, p.dpiX) - p.offX;
    p.pageNoSide = mmToPixels(p.HeaderSideMargin, p.dpiX);
    p.pageNoY = mmToPixels(p.HeaderTopMargin, p.dpiY) - p.offY;
    p.pageNoLeftX = p.pageNoSide - p.offX;
    p.pageNoRightX = p.pageW + p.unprR - p.pageNoSide;
    p.indent = mmToPixels(p.Indent, p.dpiX);
}

void refreshPrinterGeometry(PrinterInfomation& p, const PrinterTarget& target) {
    const PrinterFacts facts = target.facts();
    p.printerName = facts.printerName;
    p.dpiX = facts.dpiX;
    p.dpiY = facts.dpiY;
    p.paperW = facts.paperW;
    p.paperH = facts.paperH;
    p.offX = facts.offX;
    p.offY = facts.offY;
    p.pageW = facts.pageW;
    p.pageH = facts.pageH;
    p.unprR = p.paperW - p.pageW - p.offX;
    p.unprB = p.paperH - p.pageH - p.offY;
    p.paperName = facts.hasPaperInfo ? facts.paperName : std::string();
    p.orientationText = facts.landscape ? "ヨコ" : "タテ";

    p.minLeftMm = pixelsToMm(p.offX, p.dpiX);
    p.minTopMm = pixelsToMm(p.offY, p.dpiY);
    p.minBottomMm = pixelsToMm(p.unprB, p.dpiY);
    p.minRightMm = pixelsToMm(p.unprR, p.dpiX);

    p.LeftMargin = std::max(p.LeftMargin, p.minLeftMm);
    p.TopMargin = std::max(p.TopMargin, p.minTopMm);
    p.BottomMargin = std::max(p.BottomMargin, p.minBottomMm);
    p.HeaderTopMargin = std::max(p.HeaderTopMargin, p.minTopMm);
    p.HeaderSideMargin = std::max(p.HeaderSideMargin, p.minRightMm);
    computeDeviceGeometry(p);
}

} // namespace tarvo
