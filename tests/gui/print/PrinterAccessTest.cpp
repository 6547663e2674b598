#include "gui/print/PrinterAccess.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "core/print/WholeSheetTarget.h"
#include "gui/ModalDialog.h"
#include "gui/print/PrinterSetupDialog.h"

namespace tarvo::gui {
namespace {

TEST(PrinterAccess, FactsDescribeThePrintableAreaInsideThePaper) {
    PrinterAccess access;
    const PrinterFacts facts = access.facts();
    EXPECT_GT(facts.dpiX, 0);
    EXPECT_GT(facts.dpiY, 0);
    EXPECT_GT(facts.pageW, 0);
    EXPECT_GT(facts.pageH, 0);
    EXPECT_GE(facts.offX, 0);
    EXPECT_GE(facts.offY, 0);
    EXPECT_LE(facts.offX + facts.pageW, facts.paperW);
    EXPECT_LE(facts.offY + facts.pageH, facts.paperH);
    EXPECT_EQ(facts.printerName, access.printerName().toStdString());
}

TEST(PrinterAccess, OrientationAndCopiesReachTheDevice) {
    PrinterAccess access;
    const PrinterFacts portrait = access.facts();
    access.setLandscape(true);
    EXPECT_TRUE(access.landscape());
    const PrinterFacts landscape = access.facts();
    EXPECT_TRUE(landscape.landscape);
    EXPECT_EQ(landscape.paperW, portrait.paperH);
    EXPECT_EQ(landscape.paperH, portrait.paperW);
    access.setCopies(0);
    EXPECT_EQ(access.printer().copyCount(), 1);
    access.setCopies(3);
    EXPECT_EQ(access.printer().copyCount(), 3);
}

TEST(PrinterAccess, SetupDialogChangesOrientationOnlyOnOk) {
    PrinterAccess access;
    test::answerModal<PrinterSetupDialog>([](PrinterSetupDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("LandscapeButton"))->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    EXPECT_FALSE(access.printerSetupDialog(nullptr));
    EXPECT_FALSE(access.landscape());
    test::answerModal<PrinterSetupDialog>([](PrinterSetupDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("LandscapeButton"))->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    EXPECT_TRUE(access.printerSetupDialog(nullptr));
    EXPECT_TRUE(access.landscape());
    EXPECT_TRUE(access.facts().landscape);
}

TEST(PrinterAccess, PrintersOfferTheirPaperSizes) {
    PrinterAccess access;
    if (!access.hasPrinter()) GTEST_SKIP() << "no printer installed";
    const int index = access.currentIndex();
    ASSERT_GE(index, 0);
    const QStringList papers = access.paperSizeNames(index);
    ASSERT_FALSE(papers.isEmpty());
    EXPECT_GE(access.paperSizeIndex(), 0);
    EXPECT_TRUE(access.makesCopies());
    EXPECT_FALSE(access.printsToFile());
}

TEST(NoPrinterAccess, PrintsIntoAnA4PdfFileWithThePdfLayout) {
    PrinterAccess access;
    if (access.hasPrinter()) GTEST_SKIP() << "this system has printers (run with CUPS_SERVER pointing nowhere)";
    EXPECT_EQ(access.currentIndex(), -1);
    EXPECT_TRUE(access.printsToFile());
    EXPECT_FALSE(access.makesCopies());
    EXPECT_EQ(access.paperSizeNames(-1), QStringList{QStringLiteral("A4")});
    const PrinterFacts facts = access.facts();
    const PrinterFacts pdf = WholeSheetTarget::a4Pdf().facts();
    EXPECT_EQ(facts.printerName, "");
    EXPECT_EQ(facts.dpiX, pdf.dpiX);
    EXPECT_EQ(facts.dpiY, pdf.dpiY);
    EXPECT_EQ(facts.paperW, pdf.paperW);
    EXPECT_EQ(facts.paperH, pdf.paperH);
    EXPECT_EQ(facts.pageW, pdf.pageW);
    EXPECT_EQ(facts.pageH, pdf.pageH);
    EXPECT_EQ(facts.offX, 0);
    EXPECT_EQ(facts.paperName, "A4");
}

TEST(PrinterAccessProposal, ThePdfFileWithoutAPrinterIsNamedAfterTheProject) {
    EXPECT_EQ(PrinterAccess::proposedPdfFile("/work/site/X1 通り.tvp"), QStringLiteral("/work/site/X1 通り.pdf"));
    EXPECT_EQ(PrinterAccess::proposedPdfFile({}), QDir::home().filePath(QStringLiteral("Tarvo Posts.pdf")));
}

} // namespace
} // namespace tarvo::gui
