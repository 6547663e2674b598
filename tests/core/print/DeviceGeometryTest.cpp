#include "core/print/DeviceGeometry.h"

#include <gtest/gtest.h>

#include "core/print/PrinterInfomation.h"
#include "core/print/ScreenScale.h"
#include "core/print/WholeSheetTarget.h"

namespace tarvo {
namespace {

// A 600 dpi printer with unprintable edges: 100 px left (4.2 mm), 60 px top
// (2.5 mm), 130 px right (5.5 mm), 150 px bottom (6.4 mm).
class LaserPrinter final : public PrinterTarget {
public:
    PrinterFacts facts() const override {
        PrinterFacts f;
        f.printerName = "Laser";
        f.paperW = 4961;
        f.paperH = 7016;
        f.offX = 100;
        f.offY = 60;
        f.pageW = 4961 - 100 - 130;
        f.pageH = 7016 - 60 - 150;
        f.hasPaperInfo = false;
        f.paperName = "A4";
        return f;
    }
};

PrinterInfomation defaultPrinter() {
    PrinterInfomation p;
    p.titleFont = {"ＭＳ Ｐゴシック", 11, kRegularStyle};
    p.bodyFont = {"ＭＳ Ｐ明朝", 10, kRegularStyle};
    p.pageNoFont = {"Century", 12, kRegularStyle};
    return p;
}

TEST(DeviceGeometry, WholeSheetA4At600Dpi) {
    PrinterInfomation p = defaultPrinter();
    refreshPrinterGeometry(p, WholeSheetTarget::a4Pdf());
    EXPECT_EQ(p.paperW, 4958); // 595 × 842 pt
    EXPECT_EQ(p.paperH, 7017);
    EXPECT_EQ(p.lineGap, 25);            // 3 pt = 25.0
    EXPECT_EQ(p.bodyFontHeight, -83);    // 10 pt = 83.3
    EXPECT_EQ(p.titleFontHeight, -92);   // 11 pt = 91.7
    EXPECT_EQ(p.pageNoFontHeight, -100); // 12 pt
    EXPECT_EQ(p.bodyLineHeight, 108);
    EXPECT_EQ(p.titleLineHeight, 117);
    EXPECT_EQ(p.paragraphSpace, 71); // 3 mm = 70.9
    EXPECT_EQ(p.top, 354);           // 15 mm = 354.3
    EXPECT_EQ(p.bottom, 354);
    EXPECT_EQ(p.textHeight, 7017 - 354 - 354);
    EXPECT_EQ(p.left, 472);    // 20 mm = 472.4
    EXPECT_EQ(p.indent, 118);  // 5 mm = 118.1
    EXPECT_EQ(p.pageNoY, 142); // 6 mm = 141.7
    EXPECT_EQ(p.pageNoRightX, 4958 - 354);
    EXPECT_EQ(p.pageNoLeftX, 354);
    EXPECT_EQ(p.orientationText, "タテ");
    EXPECT_EQ(p.paperName, "A4");
}

TEST(DeviceGeometry, HalfMillimetreRoundsAwayFromZero) {
    PrinterInfomation p = defaultPrinter();
    p.dpiX = p.dpiY = 254; // 1 mm = 10 px
    p.ParagraphSpace = 3;
    p.pageH = p.pageW = 3000;
    computeDeviceGeometry(p);
    EXPECT_EQ(p.paragraphSpace, 30);
    EXPECT_EQ(p.lineGap, 11);         // 10.58
    EXPECT_EQ(p.bodyFontHeight, -35); // 35.28
    p.dpiY = 12;                      // 3 pt = 0.5 px, 10 pt = 1.67 px
    computeDeviceGeometry(p);
    EXPECT_EQ(p.lineGap, 1);
}

TEST(DeviceGeometry, MarginsBelowThePrinterLimitsAreRaised) {
    PrinterInfomation p = defaultPrinter();
    p.LeftMargin = 0;
    p.TopMargin = 1;
    p.BottomMargin = 3;
    p.HeaderTopMargin = 0;
    p.HeaderSideMargin = 2;
    refreshPrinterGeometry(p, LaserPrinter());
    EXPECT_EQ(p.minLeftMm, 4);
    EXPECT_EQ(p.minTopMm, 3); // 2.54 mm
    EXPECT_EQ(p.minBottomMm, 6);
    EXPECT_EQ(p.minRightMm, 6); // 5.50 mm
    EXPECT_EQ(p.LeftMargin, 4);
    EXPECT_EQ(p.TopMargin, 3);
    EXPECT_EQ(p.BottomMargin, 6);
    EXPECT_EQ(p.HeaderTopMargin, 3);
    EXPECT_EQ(p.HeaderSideMargin, 6);
    EXPECT_EQ(p.unprR, 130);
    EXPECT_EQ(p.unprB, 150);
    EXPECT_EQ(p.paperName, ""); // no paper information reported
    // Positions are measured from the printable area's corner.
    EXPECT_EQ(p.left, 94 - 100);
    EXPECT_EQ(p.top, 71 - 60);
    EXPECT_EQ(p.bottom, 142 - 150);
    EXPECT_EQ(p.textHeight, p.pageH - p.top - p.offY - p.bottom);
    EXPECT_EQ(p.pageNoRightX, p.pageW + 130 - 142);
    EXPECT_EQ(p.pageNoLeftX, 142 - 100);

    // Larger margins stay as they are.
    p.LeftMargin = 30;
    refreshPrinterGeometry(p, LaserPrinter());
    EXPECT_EQ(p.LeftMargin, 30);
}

TEST(ScreenScale, PositionsFromThePaperCornerAndFontsAtScreenResolution) {
    PrinterInfomation p = defaultPrinter();
    refreshPrinterGeometry(p, LaserPrinter());
    OutputInfo copy;
    scaleForScreen(copy, p, 1.5, 96); // 600 dpi → 144 px per inch: factor 0.24
    EXPECT_EQ(copy.top, 85);          // (294 + 60) × 0.24 = 84.96
    EXPECT_EQ(copy.left, 113);        // (372 + 100) × 0.24 = 113.3
    EXPECT_EQ(copy.printableRect, (PixelRect{24, 14, 1159, 1648}));
    EXPECT_EQ(copy.paperW, 1191);        // 4961 × 0.24 = 1190.6
    EXPECT_EQ(copy.bodyFontHeight, -20); // 10 pt at 96 dpi = −13, × 1.5 = −19.5
    EXPECT_DOUBLE_EQ(copy.lineGap, 25 * 0.24);
    EXPECT_DOUBLE_EQ(copy.bodyLineHeight, 20 + 25 * 0.24);
    EXPECT_DOUBLE_EQ(copy.paragraphSpace, p.paragraphSpace * 0.24);
}

} // namespace
} // namespace tarvo
