#include "gui/print/QtPainterCanvas.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tarvo::gui {
namespace {

// Rows of `image` that hold a dark pixel: first and last.
std::pair<int, int> inkRows(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

QImage blankImage() {
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(QtPainterCanvas, TextHangsFromItsTopAndHasTheEmHeight) {
    QImage image = blankImage();
    {
        QPainter painter(&image);
        QtPainterCanvas canvas(painter);
        canvas.setFont("ＭＳ Ｐ明朝", 50, kRegularStyle);
        canvas.drawText(10, 40, "■");
    }
    const auto [first, last] = inkRows(image);
    ASSERT_GE(first, 0);
    EXPECT_GE(first, 40);             // nothing above the line's top
    EXPECT_LE(first, 40 + 12);        // and the glyph starts near it
    EXPECT_NEAR(last - first, 45, 8); // a full-width square fills most of the em
}

TEST(QtPainterCanvas, WidthsScaleWithHeightAndFullWidthIsTwiceHalfWidth) {
    QImage image = blankImage();
    QPainter painter(&image);
    QtPainterCanvas canvas(painter);
    canvas.setFont("ＭＳ ゴシック", 40, kRegularStyle);
    EXPECT_EQ(canvas.textWidth("あ"), 2 * canvas.textWidth("a"));
    EXPECT_EQ(canvas.textWidth("あ"), 40);
    canvas.setFont("ＭＳ Ｐ明朝", 32, kRegularStyle);
    const int superscript = canvas.textWidth("2");
    canvas.setFont("ＭＳ Ｐ明朝", 40, kRegularStyle);
    EXPECT_LT(superscript, canvas.textWidth("2"));
    EXPECT_EQ(canvas.pixelsPerInch(), image.logicalDpiY());
}

TEST(QtPainterCanvas, ClipRectangleStopsDrawing) {
    QImage image = blankImage();
    {
        QPainter painter(&image);
        QtPainterCanvas canvas(painter);
        canvas.setClipRect({0, 0, 400, 100});
        canvas.setColor({0, 0, 0});
        canvas.fillRect({0, 50, 400, 150});
    }
    EXPECT_EQ(inkRows(image), (std::pair<int, int>{50, 99}));
}

} // namespace
} // namespace tarvo::gui
