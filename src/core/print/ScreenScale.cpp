#include "core/print/ScreenScale.h"

#include <cstdlib>

#include "core/print/DeviceGeometry.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportCanvas.h"
#include "core/text/Rounding.h"

namespace tarvo {
namespace {

std::int32_t scaled(double value, double factor) {
    return static_cast<std::int32_t>(roundToInteger(value * factor));
}

} // namespace

void scaleForScreen(OutputInfo& copy, const PrinterInfomation& printer, double zoom, const ReportCanvas& canvas) {
    scaleForScreen(copy, printer, zoom, canvas.pixelsPerInch());
}

void scaleForScreen(OutputInfo& copy, const PrinterInfomation& p, double zoom, int screenPixelsPerInch) {
    copy = static_cast<const OutputInfo&>(p);
    const double s = screenPixelsPerInch;
    const double sy = p.dpiY > 0 ? zoom * s / p.dpiY : 0.0;
    const double sx = p.dpiX > 0 ? zoom * s / p.dpiX : 0.0;
    copy.top = scaled(p.top + p.offY, sy);
    copy.pageNoY = scaled(p.pageNoY + p.offY, sy);
    copy.left = scaled(p.left + p.offX, sx);
    copy.pageNoLeftX = scaled(p.pageNoLeftX + p.offX, sx);
    copy.pageNoRightX = scaled(p.pageNoRightX + p.offX, sx);
    copy.printableRect = {scaled(p.offX, sx), scaled(p.offY, sy), scaled(p.offX + p.pageW, sx),
                          scaled(p.offY + p.pageH, sy)};
    copy.paperW = scaled(p.paperW, sx);
    copy.paperH = scaled(p.paperH, sy);
    copy.textHeight = scaled(p.textHeight, sy);
    copy.indent = scaled(p.indent, sx);
    copy.paragraphSpace = p.paragraphSpace * sy;
    copy.lineGap = p.lineGap * sy;
    const int ppi = screenPixelsPerInch;
    copy.bodyFontHeight = scaled(deviceFontHeight(p.bodyFont.sizePt, ppi), zoom);
    copy.titleFontHeight = scaled(deviceFontHeight(p.titleFont.sizePt, ppi), zoom);
    copy.pageNoFontHeight = scaled(deviceFontHeight(p.pageNoFont.sizePt, ppi), zoom);
    copy.bodyLineHeight = std::abs(copy.bodyFontHeight) + copy.lineGap;
    copy.titleLineHeight = std::abs(copy.titleFontHeight) + copy.lineGap;
}

} // namespace tarvo
