#pragma once
// The zoom levels of the print preview: actual size and the levels at which
// the paper fits the height and the width of the window, each snapped so that
// the body text gets a whole pixel height on the screen.
#include <string>
#include <vector>

namespace tarvo {

// The window the preview draws in.
struct PreviewViewport {
    int clientWidth = 0; // client area of the scroll box, pixels
    int clientHeight = 0;
    int screenPixelsPerInch = 96;
    int borderWidth = 1;  // frame around the paper
    int shadowOffset = 5; // drop shadow
};

// The paper as the printer measures it.
struct PreviewPaper {
    int paperW = 0; // printer pixels
    int paperH = 0;
    int dpiX = 600;
    int dpiY = 600;
    int bodyScreenHeight = 0; // |body font height| at the screen resolution
};

// Up to three zoom factors in ascending order, 1.0 always among them: a fit
// level that comes out at 1.0 to one decimal is left out, a fit-width level
// equal to the fit-height level to one decimal too; when only 1.0 is left, a
// level of about 1.5 is added. Fit levels of zero or less (a window too small
// to show any paper) are never offered.
std::vector<double> previewZoomLevels(const PreviewViewport& view, const PreviewPaper& paper);

// One axis of the preview image before and after a change of zoom: where
// the paper starts on the image, the image and viewport lengths and the
// scroll position (the image coordinate at the viewport's edge).
struct PreviewAxis {
    int oldPaperOffset = 0;
    int oldScroll = 0;
    int newPaperOffset = 0;
    int newImageLength = 0;
    int viewportLength = 0;
};

// The scroll position after zooming from `oldZoom` to `newZoom` about the
// image point `clicked` (old image coordinates): the point of the paper under
// it stays under the mouse where the new image allows, the position held
// within 0 … image length − viewport length.
int scrollAfterZoom(const PreviewAxis& axis, int clicked, double oldZoom, double newZoom);

// The zoom as the preview's tool bar shows it: "表示倍率　100%".
std::string zoomCaption(double zoom);

} // namespace tarvo
