#include "core/print/TabStops.h"

#include "core/print/FontSpec.h"
#include "core/print/ReportCanvas.h"

namespace tarvo {

int superscriptHeight(int bodyHeightPx) {
    return static_cast<int>(bodyHeightPx * 0.8);
}

TabStops TabStops::measure(ReportCanvas& canvas, const FontSpec& body, int heightPx, int firstStop) {
    canvas.setFont(body.name, heightPx, body.style);
    TabStops stops;
    auto& x = stops.x;
    x[0] = firstStop;
    x[1] = x[0] + canvas.textWidth("※");
    x[2] = x[0] + canvas.textWidth("99. use ");
    const int strengthLabel = canvas.textWidth("基準強度(N/mm)　　");
    canvas.setFont(body.name, superscriptHeight(heightPx), body.style);
    const int superTwo = canvas.textWidth("2");
    canvas.setFont(body.name, heightPx, body.style);
    x[3] = x[2] + strengthLabel + superTwo;
    x[4] = x[2] + canvas.textWidth("長期積雪時： ");
    x[5] = x[4] + canvas.textWidth("面外曲げ　");
    stops.labelX = x[0] + canvas.textWidth("99. ");
    stops.column = canvas.textWidth("0");
    return stops;
}

} // namespace tarvo
