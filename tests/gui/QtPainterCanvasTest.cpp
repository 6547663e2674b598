#include "gui/print/QtPainterCanvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include <iterator>
#include <string>
#include <utility>

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

// The columns of `image` that hold a dark pixel: first and last.
std::pair<int, int> inkColumns(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

struct FontChoice {
    const char* name;
    int height;
    FontStyle style;
};

constexpr FontChoice kFonts[] = {{"ＭＳ Ｐ明朝", 83, kRegularStyle},
                                 {"ＭＳ Ｐ明朝", 58, kRegularStyle},
                                 {"ＭＳ Ｐ明朝", 83, kItalicStyle},
                                 {"ＭＳ Ｐゴシック", 92, FontStyle{true, false, false, false}},
                                 {"Century", 83, FontStyle{true, true, false, false}}};

constexpr const char* kTexts[] = {"use ",
                                  "A＝110.3cm",
                                  "（ほぞ寸法 30×75）,　As＝22.5cm",
                                  "σc/fk＋σb/fbx＝1.09/2.44＋3.16/8.14＝0.84　OK",
                                  "  leading and trailing  ",
                                  "ｱﾗｽｶ ｶﾞｯｺｳ",
                                  "2"};

// Kept shapes give every width Qt's own measure gives, in every font, also
// for a text met the second time.
TEST(QtPainterCanvas, KeptShapesMeasureAsQtDoes) {
    QImage image = blankImage();
    QPainter painter(&image);
    QtPainterCanvas perCall(painter);
    QtPainterCanvas kept(painter, TextShaping::Kept);
    for (int round = 0; round < 2; ++round) {
        for (const FontChoice& font : kFonts) {
            perCall.setFont(font.name, font.height, font.style);
            kept.setFont(font.name, font.height, font.style);
            for (const char* text : kTexts)
                EXPECT_EQ(kept.textWidth(text), perCall.textWidth(text)) << font.name << " " << text;
        }
    }
    EXPECT_EQ(kept.keptTextCount(), std::size(kFonts) * std::size(kTexts));
    EXPECT_EQ(perCall.keptTextCount(), 0u);
}

// Drawn from its kept glyph runs, a text puts its ink where Qt's drawText puts it.
TEST(QtPainterCanvas, KeptShapesDrawWhereQtDraws) {
    for (const char* text : {"柱の設計 b×D=105×105", "Fk＝η･Fc＝6.66", "use "}) {
        QImage byQt = blankImage();
        QImage byKept = blankImage();
        for (QImage* image : {&byQt, &byKept}) {
            QPainter painter(image);
            QtPainterCanvas canvas(painter, image == &byKept ? TextShaping::Kept : TextShaping::PerCall);
            canvas.setFont("ＭＳ Ｐ明朝", 24, kRegularStyle);
            canvas.drawText(12, 30, text);
            canvas.drawText(12, 90, text);
        }
        const auto [top, bottom] = inkRows(byQt);
        const auto [left, right] = inkColumns(byQt);
        const auto [keptTop, keptBottom] = inkRows(byKept);
        const auto [keptLeft, keptRight] = inkColumns(byKept);
        EXPECT_NEAR(keptTop, top, 1) << text;
        EXPECT_NEAR(keptBottom, bottom, 1) << text;
        EXPECT_NEAR(keptLeft, left, 1) << text;
        EXPECT_NEAR(keptRight, right, 1) << text;
    }
}

// A name holding a line feed or a tab is drawn and measured whole by Qt, not
// cut at the line feed by a one-line layout.
TEST(QtPainterCanvas, TextsWithControlsAreLeftToQt) {
    QImage image = blankImage();
    QPainter painter(&image);
    QtPainterCanvas perCall(painter);
    QtPainterCanvas kept(painter, TextShaping::Kept);
    perCall.setFont("ＭＳ Ｐ明朝", 30, kRegularStyle);
    kept.setFont("ＭＳ Ｐ明朝", 30, kRegularStyle);
    for (const char* text : {"X1\n通り", "a\tb",
                             "C\xc2\x85"
                             "1",
                             "line\xe2\x80\xa8"
                             "two"}) {
        EXPECT_EQ(kept.textWidth(text), perCall.textWidth(text)) << text;
        kept.drawText(0, 0, text);
    }
    EXPECT_EQ(kept.keptTextCount(), 0u);
    EXPECT_GT(kept.textWidth("X1\n通り"), kept.textWidth("X1"));
}

// However many different texts a report draws, the kept ones stay bounded
// and every width stays right, also of a text that was let go.
TEST(QtPainterCanvas, KeptShapesStayBounded) {
    QImage image = blankImage();
    QPainter painter(&image);
    QtPainterCanvas perCall(painter);
    QtPainterCanvas kept(painter, TextShaping::Kept);
    perCall.setFont("ＭＳ Ｐ明朝", 20, kRegularStyle);
    kept.setFont("ＭＳ Ｐ明朝", 20, kRegularStyle);
    const std::size_t count = QtPainterCanvas::kKeptTexts * 2 + 100;
    for (std::size_t i = 0; i < count; ++i) {
        kept.drawText(0, 0, "N＝" + std::to_string(i) + "kN");
        ASSERT_LE(kept.keptTextCount(), QtPainterCanvas::kKeptTexts);
    }
    for (const std::size_t i : {std::size_t{0}, count / 2, count - 1}) {
        const std::string text = "N＝" + std::to_string(i) + "kN";
        EXPECT_EQ(kept.textWidth(text), perCall.textWidth(text)) << text;
    }
}

} // namespace
} // namespace tarvo::gui
