#include "core/print/WholeSheetTarget.h"

#include <utility>

#include "core/text/Rounding.h"

namespace tarvo {

WholeSheetTarget::WholeSheetTarget(std::string name, std::string paperName, double widthMm, double heightMm, int dpi) {
    facts_.printerName = std::move(name);
    facts_.dpiX = dpi;
    facts_.dpiY = dpi;
    facts_.paperW = static_cast<std::int32_t>(roundToInteger(widthMm * dpi / 25.4));
    facts_.paperH = static_cast<std::int32_t>(roundToInteger(heightMm * dpi / 25.4));
    facts_.pageW = facts_.paperW;
    facts_.pageH = facts_.paperH;
    facts_.hasPaperInfo = true;
    facts_.paperName = std::move(paperName);
    facts_.landscape = widthMm > heightMm;
}

// PDF pages are measured in whole points: A4 is 595 × 842 pt.
WholeSheetTarget WholeSheetTarget::a4Pdf() {
    constexpr double kMmPerPoint = 25.4 / 72.0;
    return WholeSheetTarget("PDF", "A4", 595 * kMmPerPoint, 842 * kMmPerPoint, 600);
}

} // namespace tarvo
