#include "core/print/PrintDefault.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/print/DeviceGeometry.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/WholeSheetTarget.h"
#include "core/text/IniFile.h"

namespace tarvo {
namespace {

class PrintDefaultFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tarvo-print-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        ini_ = dir_ / "Tarvo.ini";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void writeFile(const std::string& bytes) const { std::ofstream(ini_, std::ios::binary) << bytes; }
    std::string readFile() const {
        std::ifstream in(ini_, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::filesystem::path dir_;
    std::filesystem::path ini_;
};

TEST_F(PrintDefaultFile, FirstStartWithoutSettingsFileUsesBuiltInLayout) {
    const PrintDefault d = loadPrintDefault(ini_);
    PrinterInfomation printer;
    PrintSettings settings;
    applyPrintDefault(d, printer, settings, WholeSheetTarget::a4Pdf());
    EXPECT_EQ(printer.LeftMargin, 20);
    EXPECT_EQ(printer.TopMargin, 15);
    EXPECT_EQ(printer.BottomMargin, 15);
    EXPECT_EQ(settings.title, "§　柱の設計");
    EXPECT_EQ(printer.titleFont, (FontSpec{"ＭＳ Ｐゴシック", 11, kRegularStyle}));
    EXPECT_EQ(printer.bodyFont, (FontSpec{"ＭＳ Ｐ明朝", 10, kRegularStyle}));
    EXPECT_EQ(printer.pageNoFont, (FontSpec{"Century", 12, kRegularStyle}));
    EXPECT_EQ(settings.firstPageNo, 0);
    EXPECT_EQ(printer.HeaderTopMargin, 6);
    EXPECT_EQ(printer.HeaderSideMargin, 15);
    EXPECT_TRUE(settings.printTitle);
    EXPECT_TRUE(settings.printLegend);
    EXPECT_FALSE(settings.printSummary);
    EXPECT_FALSE(settings.printMaterials);
}

TEST_F(PrintDefaultFile, MissingBottomMarginKeyGivesTenMillimetres) {
    writeFile("[Print Layout]\r\nLeftMargin=25\r\n[Common]\r\nV0Index=3\r\n");
    const PrintDefault d = loadPrintDefault(ini_);
    EXPECT_EQ(d.BottomMargin, 10);
    EXPECT_EQ(d.LeftMargin, 25);
    EXPECT_EQ(d.Title, "§　柱の設計");
}

// A layout stored before the front pages existed prints as it did: without them.
TEST_F(PrintDefaultFile, StoredLayoutWithoutFrontPageKeysPrintsNoFrontPages) {
    writeFile("[Print Header]\r\nIsTitlePrint=0\r\nIsHeaderPrint=1\r\n");
    PrinterInfomation printer;
    PrintSettings settings;
    settings.printSummary = true;
    applyPrintDefault(loadPrintDefault(ini_), printer, settings, WholeSheetTarget::a4Pdf());
    EXPECT_FALSE(settings.printSummary);
    EXPECT_FALSE(settings.printMaterials);
    settings.printSummary = true;
    EXPECT_TRUE(currentPrintDefault(printer, settings).IsSummaryPrint);
}

TEST_F(PrintDefaultFile, TwoLineTitleSurvivesRegisteringAndReading) {
    PrintDefault d;
    d.Title = "§　柱の設計\r\n（その２）";
    ASSERT_TRUE(savePrintDefault(ini_, d));
    // Stored on one line, the break written as the two characters "\n".
    const IniFile file = IniFile::parse(readFile());
    EXPECT_EQ(file.getString("Print Header", "Title"), "§　柱の設計\\n（その２）");
    EXPECT_EQ(loadPrintDefault(ini_).Title, "§　柱の設計\n（その２）");

    PrintSettings settings;
    settings.title = loadPrintDefault(ini_).Title;
    EXPECT_EQ(settings.titleLines(), (std::vector<std::string>{"§　柱の設計", "（その２）"}));
}

TEST_F(PrintDefaultFile, RegisteringKeepsOtherSectionsAndReadsBackEveryKey) {
    writeFile("[Common]\r\nV0Index=3\r\n");
    PrintDefault d;
    d.BodyFontName = "ＭＳ 明朝";
    d.BodyFontSize = 9;
    d.LeftMargin = 0;
    d.BottomMargin = 12;
    d.ChangeEvenHeaderPos = true;
    d.FirstPageNo = 5;
    d.IsHeaderPrint = false;
    d.IsMaterialsPrint = true;
    ASSERT_TRUE(savePrintDefault(ini_, d));
    EXPECT_EQ(loadPrintDefault(ini_), d);
    EXPECT_EQ(IniFile::parse(readFile()).getInt("Common", "V0Index", 0), 3);
}

TEST(FontStyleText, BoldItalicRoundTripsAndUnderlineIsLost) {
    PrinterInfomation printer;
    PrintSettings settings;
    printer.bodyFont.style = {true, true, true, true};
    const PrintDefault d = currentPrintDefault(printer, settings);
    EXPECT_EQ(d.BodyFontStyle, "Bold & Italic");
    EXPECT_EQ(parseFontStyleText(d.BodyFontStyle), (FontStyle{true, true, false, false}));
    EXPECT_EQ(fontStyleText({false, false, true, false}), "");
    EXPECT_EQ(parseFontStyleText("Italic"), kItalicStyle);
    EXPECT_EQ(parseFontStyleText("bold"), kRegularStyle);
    EXPECT_EQ(parseFontStyleText("Bold&Italic"), kRegularStyle);
}

TEST(StoredTitle, LineBreaksAndCarriageReturns) {
    EXPECT_EQ(encodeStoredTitle("a\r\nb\nc"), "a\\nb\\nc");
    EXPECT_EQ(decodeStoredTitle("a\\nb\\"), "a\nb\\");
    EXPECT_EQ(decodeStoredTitle(encodeStoredTitle("C:\\new\nx")), "C:\new\nx"); // a typed "\n" reads as a break
}

} // namespace
} // namespace tarvo
