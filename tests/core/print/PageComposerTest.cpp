#include "core/print/PageComposer.h"

#include <gtest/gtest.h>

#include <limits>

#include "FakeCanvas.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"

namespace tarvo {
namespace {

using testing::FakeCanvas;

// Body 20 px high: a half-width character is 10 px wide, a full-width one 20.
class PageComposerTest : public ::testing::Test {
protected:
    PageComposerTest() {
        printer.titleFont = {"ＭＳ Ｐゴシック", 11, kRegularStyle};
        printer.bodyFont = {"ＭＳ Ｐ明朝", 10, kRegularStyle};
        printer.pageNoFont = {"Century", 12, kRegularStyle};
        printer.top = 100;
        printer.left = 50;
        printer.indent = 20;
        printer.bodyFontHeight = -20;
        printer.titleFontHeight = -24;
        printer.pageNoFontHeight = -30;
        printer.bodyLineHeight = 30;
        printer.titleLineHeight = 34;
        printer.paragraphSpace = 7;
        printer.pageNoY = 40;
        printer.pageNoLeftX = 15;
        printer.pageNoRightX = 900;
        settings.printTitle = false;
    }

    int draw(int pageIndex, int pageNumber = 1, bool suppress = false) {
        canvas.texts.clear();
        PageComposer composer(printer, settings, lines, pageStarts);
        return composer.drawPage(canvas, printer, pageIndex, pageNumber, suppress);
    }

    PrinterInfomation printer;
    PrintSettings settings;
    ReportLines lines;
    std::vector<int> pageStarts;
    FakeCanvas canvas;
};

// Tab stops for these fonts: #0 70, #1 90, #2 150, #3 338, #4 280, #5 380;
// the "use " label at 110.
TEST_F(PageComposerTest, TabTagsPlaceSegmentsAtTheirStops) {
    lines = {"#0※凡例", "#1A：全断面積", "#2常　時： #4N＝12.0kN", "#3Fk＝1.00", "#5M＝1.00kN", "a#b#9c"};
    pageStarts = {0, 6};
    draw(1);
    EXPECT_EQ(canvas.find("※凡例")->x, 70);
    EXPECT_EQ(canvas.find("A：全断面積")->x, 90);
    EXPECT_EQ(canvas.find("常　時： ")->x, 150);
    EXPECT_EQ(canvas.find("N＝12.0kN")->x, 280);
    EXPECT_EQ(canvas.find("N＝12.0kN")->y, canvas.find("常　時： ")->y);
    EXPECT_EQ(canvas.find("Fk＝1.00")->x, 338);
    EXPECT_EQ(canvas.find("M＝1.00kN")->x, 380);
    // A "#" without a stop digit is text.
    EXPECT_EQ(canvas.find("a#b#9c")->x, 70);
}

// Table columns count the width of "0" (10 px here) from stop #0 (70 px):
// a cell starts there or ends there; "#{=N}" rules the line up to column N.
TEST_F(PageComposerTest, TableColumnsPlaceCellsAndRules) {
    lines = {"#{-3}12#{5}柱の名称#{20}0.83", "#{=20}", "#{x}#{12345}#{5"};
    pageStarts = {0, 3};
    draw(1);
    EXPECT_EQ(canvas.find("12")->x, 80);
    EXPECT_EQ(canvas.find("柱の名称")->x, 120);
    EXPECT_EQ(canvas.find("0.83")->x, 270);
    ASSERT_EQ(canvas.rects.size(), 1u);
    const PixelRect& rule = canvas.rects.front();
    EXPECT_EQ(rule.left, 70);
    EXPECT_EQ(rule.right, 270);
    EXPECT_GT(rule.bottom, rule.top);
    // Malformed tags are text.
    EXPECT_EQ(canvas.find("#{x}#{12345}#{5")->x, 70);
}

TEST_F(PageComposerTest, UseLabelIsItalicBehindTheNumberColumn) {
    lines = {"&#0 2. @b×D=105", "#2x@y"};
    pageStarts = {0, 2};
    draw(1);
    const auto* number = canvas.find(" 2. ");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->x, 70);
    ASSERT_EQ(canvas.texts.size(), 6u);
    const auto& label = canvas.texts[1];
    EXPECT_EQ(label.text, "use ");
    EXPECT_EQ(label.x, 110);
    EXPECT_TRUE(label.style.italic);
    const auto* section = canvas.find("b×D=105");
    EXPECT_EQ(section->x, 150); // directly behind the label
    EXPECT_FALSE(section->style.italic);
    // The label column does not depend on the segment's own stop.
    EXPECT_EQ(canvas.texts[4].text, "use ");
    EXPECT_EQ(canvas.texts[4].x, 110);
}

TEST_F(PageComposerTest, SuperscriptIsSmallerOnTheSameTopAndAdvances) {
    lines = {"#2A＝12.0cm^2,　Z＝1.5cm^3", "#0q＝Vo^2^"};
    pageStarts = {0, 2};
    draw(1);
    const auto* base = canvas.find("A＝12.0cm");
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base->x, 150);
    const auto& two = canvas.texts[1];
    EXPECT_EQ(two.text, "2");
    EXPECT_EQ(two.heightPx, 16); // 0.8 × 20
    EXPECT_EQ(two.y, base->y);
    EXPECT_EQ(two.x, 150 + 90);
    const auto* rest = canvas.find(",　Z＝1.5cm");
    EXPECT_EQ(rest->x, 240 + 8);
    EXPECT_EQ(rest->heightPx, 20);
    EXPECT_EQ(canvas.texts[3].text, "3");
    // A "^" at the very end raises nothing.
    EXPECT_NE(canvas.find("q＝Vo"), nullptr);
    EXPECT_EQ(canvas.texts.back().text, "2");
}

TEST_F(PageComposerTest, ParagraphSpaceBeforeTheFirstItemOfEveryPage) {
    lines = {"&#0 1. A", "#2a", "&#0 2. B", "#2b"};
    pageStarts = {0, 2, 4};
    EXPECT_EQ(draw(1), 100 + 7 + 60);
    EXPECT_EQ(canvas.find(" 1. A")->y, 107);
    EXPECT_EQ(canvas.find("a")->y, 137);
    draw(2);
    EXPECT_EQ(canvas.find(" 2. B")->y, 107); // pagination counted no space here, drawing does
    EXPECT_EQ(canvas.find("b")->y, 137);
}

TEST_F(PageComposerTest, TitleOnPageOneOnlyAtTheLeftMargin) {
    settings.printTitle = true;
    settings.title = "§　柱の設計  \n（その２）";
    lines = {"&#0 1. A", "&#0 2. B"};
    pageStarts = {0, 1, 2};
    draw(1);
    const auto* first = canvas.find("§　柱の設計");
    ASSERT_NE(first, nullptr); // trailing blanks removed
    EXPECT_EQ(first->x, 50);   // not indented
    EXPECT_EQ(first->y, 100);
    EXPECT_EQ(first->heightPx, 24);
    EXPECT_EQ(canvas.find("（その２）")->y, 134);
    EXPECT_EQ(printer.bodyStart, 100 + 68 + 7);
    EXPECT_EQ(canvas.find(" 1. A")->y, 175 + 7);
    draw(2);
    EXPECT_EQ(canvas.find("§　柱の設計"), nullptr);
    EXPECT_EQ(printer.bodyStart, 100);
    settings.printTitle = false;
    draw(1);
    EXPECT_EQ(canvas.find("§　柱の設計"), nullptr);
}

TEST_F(PageComposerTest, EvenPagesCarryTheirNumberOnTheLeftWhenReversed) {
    lines = {"x", "y"};
    pageStarts = {0, 1, 2};
    settings.firstPageNo = 2;
    printer.ChangeEvenHeaderPos = true;
    draw(1, printedPageNumber(2, 1));
    const auto* right = canvas.find("2");
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->x, 900 - 15); // ends at pageNoRightX; "2" is 15 px wide at 30 px
    EXPECT_EQ(right->y, 40);
    EXPECT_EQ(right->font, "Century");
    draw(2, printedPageNumber(2, 2)); // page index 2 prints number 3
    const auto* left = canvas.find("3");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->x, 15);
    printer.ChangeEvenHeaderPos = false;
    draw(2, 3);
    EXPECT_EQ(canvas.find("3")->x, 900 - 15);
}

TEST_F(PageComposerTest, NoPageNumberWhenSwitchedOffOrSuppressed) {
    lines = {"x"};
    pageStarts = {0, 1};
    draw(1, 7);
    EXPECT_EQ(canvas.find("7"), nullptr);
    settings.firstPageNo = 7;
    draw(1, 7, true);
    EXPECT_EQ(canvas.find("7"), nullptr);
    draw(1, 7);
    EXPECT_NE(canvas.find("7"), nullptr);
    EXPECT_EQ(printedPageNumber(0, 4), 4);
    EXPECT_EQ(printedPageNumber(7, 4), 10);
    EXPECT_EQ(printedPageNumber(std::numeric_limits<int>::max(), 3), std::numeric_limits<int>::max());
}

TEST_F(PageComposerTest, EndOfPageRoundsUpAwayFromZero) {
    settings.printTitle = true;
    settings.title = "§　柱の設計";
    printer.paragraphSpace = -140.5; // 100 + 34 − 140.5 = −6.5
    EXPECT_EQ(draw(1), -7);
    printer.paragraphSpace = 7.5;
    EXPECT_EQ(draw(1), 142);
}

TEST_F(PageComposerTest, ReportWidthIsTheWidestTitleOrBodyLine) {
    lines = {"&#0 1. 柱A", "#4N＝1", ""};
    pageStarts = {0, 3};
    PageComposer composer(printer, settings, lines, pageStarts);
    EXPECT_EQ(composer.measureReportWidth(canvas, printer), 280 + 40 - 70);
    EXPECT_EQ(printer.maxWidth, 250);
    settings.printTitle = true;
    settings.title = "ABCDEFGHIJKLMNOPQRSTUVWXYZ   ";
    EXPECT_EQ(composer.measureReportWidth(canvas, printer), 26 * 12);
}

} // namespace
} // namespace tarvo
