#include "core/print/PreviewZoom.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

// A4 at 600 dpi seen on a 96 ppi screen is about 794 × 1123 pixels; the
// 10 pt body font is 13 pixels high there.
PreviewPaper a4() {
    PreviewPaper paper;
    paper.paperW = 4961;
    paper.paperH = 7016;
    paper.dpiX = 600;
    paper.dpiY = 600;
    paper.bodyScreenHeight = 13;
    return paper;
}

PreviewViewport window(int width, int height) {
    PreviewViewport view;
    view.clientWidth = width;
    view.clientHeight = height;
    return view;
}

TEST(PreviewZoomLevels, FitLevelsAroundActualSizeLeaveActualSizeAndAboutOneAndAHalf) {
    // Both fit levels snap to 13/13 = 1.0 and are dropped.
    EXPECT_EQ(previewZoomLevels(window(810, 1140), a4()), (std::vector<double>{1.0, 19.0 / 13.0}));
    // A window too small for any paper offers no fit level at all.
    EXPECT_EQ(previewZoomLevels(window(5, 5), a4()), (std::vector<double>{1.0, 19.0 / 13.0}));
}

TEST(PreviewZoomLevels, EqualFitLevelsAreOfferedOnce) {
    // Height 680 fits at 0.5995 and width 480 at 0.5959: both snap to 7/13.
    EXPECT_EQ(previewZoomLevels(window(480, 680), a4()), (std::vector<double>{7.0 / 13.0, 1.0}));
}

TEST(PreviewZoomLevels, ThreeLevelsInAscendingOrderSnappedToWholeBodyPixels) {
    // A wide, low window: the height fits at 0.617 (8/13), the width at 2.007 (26/13).
    const std::vector<double> levels = previewZoomLevels(window(1600, 700), a4());
    EXPECT_EQ(levels, (std::vector<double>{8.0 / 13.0, 1.0, 2.0}));
    for (const double zoom : levels)
        EXPECT_DOUBLE_EQ(zoom * 13, static_cast<int>(zoom * 13 + 1e-9)) << zoom;
}

TEST(PreviewZoomLevels, FitLevelsCountTheFrameAndTheShadow) {
    PreviewPaper paper = a4();
    paper.bodyScreenHeight = 0; // no snapping: the raw fit levels
    // (1129 − 2 − 5) / 1122.5 and (500 − 7) / 793.8
    const std::vector<double> levels = previewZoomLevels(window(500, 1129), paper);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_NEAR(levels[0], 493.0 / (96.0 * 4961 / 600), 1e-12);
    EXPECT_DOUBLE_EQ(levels[1], 1.0); // 1122/1122.56 rounds to 1.0 and is dropped
}

TEST(PreviewZoomCaption, PercentRoundedToAWholeNumber) {
    EXPECT_EQ(zoomCaption(1.0), "表示倍率　100%");
    EXPECT_EQ(zoomCaption(8.0 / 13.0), "表示倍率　62%");
    EXPECT_EQ(zoomCaption(0.625), "表示倍率　63%");
}

} // namespace
} // namespace tarvo

namespace tarvo {
namespace {

TEST(PreviewZoomAboutClick, ThePaperPointUnderTheMouseStaysUnderIt) {
    // At zoom 1 the paper starts at 1; the viewport shows 300 … 800 and the
    // mouse is 400 pixels into it, on paper point 699.
    PreviewAxis axis{1, 300, 1, 1200, 500};
    // Zoom 1.5: the point moves to 1 + 1048.5, less the 400 of the mouse.
    EXPECT_EQ(scrollAfterZoom(axis, 700, 1.0, 1.5), 650);
    // Back again from there: the same position as before.
    PreviewAxis back{1, 650, 1, 800, 500};
    EXPECT_EQ(scrollAfterZoom(back, 650 + 400, 1.5, 1.0), 300);
}

TEST(PreviewZoomAboutClick, PositionStaysWithinTheImage) {
    // Near the paper's far end the image ends before the point can stay.
    PreviewAxis axis{1, 300, 1, 1200, 500};
    EXPECT_EQ(scrollAfterZoom(axis, 790, 1.0, 2.0), 700);
    // Near its start the position cannot go below 0.
    PreviewAxis start{1, 0, 1, 1200, 500};
    EXPECT_EQ(scrollAfterZoom(start, 10, 1.0, 0.5), 0);
    // A paper smaller than the viewport is centred and not scrolled.
    PreviewAxis fitting{1, 300, 100, 500, 500};
    EXPECT_EQ(scrollAfterZoom(fitting, 700, 1.0, 0.5), 0);
    EXPECT_EQ(scrollAfterZoom(axis, 700, 0.0, 1.5), 0);
}

} // namespace
} // namespace tarvo
