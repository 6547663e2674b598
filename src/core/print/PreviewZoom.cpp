#include "core/print/PreviewZoom.h"

#include <algorithm>

#include "core/print/PixelArithmetic.h"
#include "core/text/Rounding.h"

namespace tarvo {
namespace {

// The zoom at which the body font has a whole pixel height.
double snapToBodyPixels(double zoom, int bodyHeight) {
    if (bodyHeight <= 0) return zoom;
    return static_cast<double>(truncateToPixels(bodyHeight * zoom)) / bodyHeight;
}

long long tenths(double zoom) {
    return roundToInteger(zoom * 10.0);
}

// The zoom at which `paperPx` printer pixels fill `clientPx` screen pixels
// less the frame and the shadow.
double fitLevel(int clientPx, const PreviewViewport& view, int paperPx, int dpi) {
    const double paperOnScreen = static_cast<double>(view.screenPixelsPerInch) * paperPx / (dpi > 0 ? dpi : 1);
    if (paperOnScreen <= 0) return 0.0;
    return (clientPx - 2.0 * view.borderWidth - view.shadowOffset) / paperOnScreen;
}

} // namespace

std::vector<double> previewZoomLevels(const PreviewViewport& view, const PreviewPaper& paper) {
    const int h = paper.bodyScreenHeight;
    const double fitHeight = snapToBodyPixels(fitLevel(view.clientHeight, view, paper.paperH, paper.dpiY), h);
    const double fitWidth = snapToBodyPixels(fitLevel(view.clientWidth, view, paper.paperW, paper.dpiX), h);

    const auto offered = [](double zoom) { return zoom > 0 && tenths(zoom) != 10; };
    const bool heightOffered = offered(fitHeight);
    const bool widthOffered = offered(fitWidth) && !(heightOffered && tenths(fitHeight) == tenths(fitWidth));

    std::vector<double> levels{1.0};
    if (heightOffered) levels.push_back(fitHeight);
    if (widthOffered) levels.push_back(fitWidth);
    std::stable_sort(levels.begin(), levels.end());
    if (levels.size() == 1) {
        // A body font of a pixel or two cannot snap above 1.0.
        const double larger = snapToBodyPixels(1.5, h);
        levels.push_back(larger > 1.0 ? larger : 1.5);
    }
    return levels;
}

int scrollAfterZoom(const PreviewAxis& axis, int clicked, double oldZoom, double newZoom) {
    const int maximum = std::max(axis.newImageLength - axis.viewportLength, 0);
    if (!(oldZoom > 0) || !(newZoom > 0)) return 0;
    // The paper point under the mouse, in paper pixels at zoom 1, and where
    // the mouse stands in the viewport.
    const double paperPoint = (clicked - axis.oldPaperOffset) / oldZoom;
    const int inViewport = clicked - axis.oldScroll;
    const double wanted = axis.newPaperOffset + paperPoint * newZoom - inViewport;
    return static_cast<int>(std::clamp(roundToInteger(wanted), 0LL, static_cast<long long>(maximum)));
}

std::string zoomCaption(double zoom) {
    return "表示倍率　" + std::to_string(roundToInteger(zoom * 100.0)) + "%";
}

} // namespace tarvo
