#include "core/print/LayoutProblem.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/print/PrintDefault.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/WholeSheetTarget.h"

namespace tarvo {
namespace {

// The layout a stored `defaults` gives on the A4 sheet of the `pdf` command.
std::optional<LayoutProblem> problemOf(const PrintDefault& defaults) {
    PrinterInfomation printer;
    PrintSettings settings;
    applyPrintDefault(defaults, printer, settings, WholeSheetTarget::a4Pdf());
    return findLayoutProblem(printer);
}

std::string settingOf(void (*change)(PrintDefault&)) {
    PrintDefault defaults = builtInPrintDefault();
    change(defaults);
    const auto problem = problemOf(defaults);
    return problem ? problem->setting : std::string();
}

TEST(LayoutProblem, UsualLayoutsPrint) {
    EXPECT_FALSE(problemOf(builtInPrintDefault()));
    PrintDefault generous = builtInPrintDefault();
    generous.LeftMargin = 150;
    generous.TopMargin = 100;
    generous.BottomMargin = 100;
    generous.BodyFontSize = kMinimumLegibleFontPt;
    generous.TitleFontSize = 72;
    EXPECT_FALSE(problemOf(generous));
}

TEST(LayoutProblem, NamesTheSettingThatLeavesNoRoom) {
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.LeftMargin = 210; }), "LeftMargin");
    EXPECT_EQ(settingOf([](PrintDefault& d) {
                  d.TopMargin = 200;
                  d.BottomMargin = 97;
              }),
              "TopMargin");
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.BottomMargin = 297; }), "BottomMargin");
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.HeaderSideMargin = 300; }), "HeaderSideMargin");
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.HeaderTopMargin = 297; }), "HeaderTopMargin");
}

TEST(LayoutProblem, NamesTheFontThatCannotBeRead) {
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.BodyFontSize = 0; }), "BodyFontSize");
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.TitleFontSize = kMinimumLegibleFontPt - 1; }), "TitleFontSize");
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.HeaderFontSize = -12; }), "HeaderFontSize");
    // A line taller than the page.
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.BodyFontSize = 1000; }), "BodyFontSize");
    EXPECT_EQ(settingOf([](PrintDefault& d) { d.TitleFontSize = 1000; }), "TitleFontSize");
}

TEST(LayoutProblem, MessageGivesTheValueAndTheFallback) {
    PrintDefault defaults = builtInPrintDefault();
    defaults.LeftMargin = 300;
    const auto problem = problemOf(defaults);
    ASSERT_TRUE(problem);
    EXPECT_EQ(
        refusedStoredLayoutMessage(*problem),
        "印刷設定の LeftMargin（300 mm）では用紙に本文を印刷する場所が残りません。\n既定の印刷設定で印刷します。");
}

} // namespace
} // namespace tarvo
