#include "gui/print/PrintSetup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <cerrno>
#include <memory>
#include <system_error>

#include "core/print/DeviceGeometry.h"
#include "core/print/PrintDefault.h"
#include "core/text/Cp932Codec.h"
#include "core/text/MessageSink.h"
#include "gui/ModalDialog.h"
#include "gui/print/FontChoiceDialog.h"
#include "gui/print/PrinterAccess.h"
#include "gui/ui/NumberEdit.h"
#include "gui/ui/UpDownButtons.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

class PrintSetupTest : public ::testing::Test {
protected:
    std::unique_ptr<PrintSetup> makeSetup() {
        auto setup = std::make_unique<PrintSetup>(access_, settingsFile(), messages_);
        setup->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(setup.get()));
        return setup;
    }
    [[nodiscard]] std::filesystem::path settingsFile() const { return dir_ / "Tarvo.ini"; }
    void writeSettings(const std::string& text) const { test::writeBytes(settingsFile(), toCp932(text)); }

    template <typename T> static T* find(QWidget* parent, const char* name) {
        T* widget = parent->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QString text(QWidget* parent, const char* name) { return find<QLabel>(parent, name)->text(); }
    static QString field(QWidget* parent, const char* name) { return find<NumberEdit>(parent, name)->text(); }
    // Types into a numeric field and leaves it, as a user does.
    static void type(QWidget* parent, const char* name, const char* typed) {
        NumberEdit* edit = find<NumberEdit>(parent, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(typed));
        QTest::keyClick(edit, Qt::Key_Tab);
    }

    test::TempDir dir_;
    PrinterAccess access_;
    RecordingMessageSink messages_;
};

TEST_F(PrintSetupTest, FirstStartWithoutSettingsFileShowsTheBuiltInLayout) {
    const auto setup = makeSetup();
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("印刷設定"));
    EXPECT_EQ(field(setup.get(), "MLeft"), QStringLiteral("20"));
    EXPECT_EQ(field(setup.get(), "MTop"), QStringLiteral("15"));
    EXPECT_EQ(field(setup.get(), "MBottom"), QStringLiteral("15"));
    EXPECT_EQ(field(setup.get(), "PgNoTop"), QStringLiteral("6"));
    EXPECT_EQ(field(setup.get(), "PgNoSide"), QStringLiteral("15"));
    EXPECT_EQ(field(setup.get(), "ParagraphSpace"), QStringLiteral("3"));
    EXPECT_EQ(field(setup.get(), "Indent"), QStringLiteral("5"));
    EXPECT_EQ(field(setup.get(), "FirstPgNo"), QStringLiteral("0"));
    EXPECT_EQ(text(setup.get(), "TitleFontName"), QStringLiteral("ＭＳ Ｐゴシック　11pt"));
    EXPECT_EQ(text(setup.get(), "BodyFontName"), QStringLiteral("ＭＳ Ｐ明朝　10pt"));
    EXPECT_EQ(text(setup.get(), "HeaderFontName"), QStringLiteral("Century　12pt"));
    EXPECT_EQ(find<QPlainTextEdit>(setup.get(), "TitleEdit")->toPlainText(), QStringLiteral("§　柱の設計"));
    EXPECT_TRUE(find<QCheckBox>(setup.get(), "IsTitlePrint")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(setup.get(), "IsHeaderPrint")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(setup.get(), "IsSummaryPrint")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(setup.get(), "IsMaterialsPrint")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(setup.get(), "HeaderPosChange")->isChecked());
    EXPECT_TRUE(text(setup.get(), "SelectPrinter").startsWith(QStringLiteral("プリンタ： ")));
    EXPECT_TRUE(text(setup.get(), "PaperInfo").startsWith(QStringLiteral("用紙： ")));
    EXPECT_TRUE(text(setup.get(), "PaperInfo").endsWith(QStringLiteral("   タテ")));
    EXPECT_EQ(find<NumberEdit>(setup.get(), "FirstPgNo")->toolTip(),
              QStringLiteral("０の場合、ページ番号を出力しない"));
}

TEST_F(PrintSetupTest, SettingsFileWithoutBottomMarginGivesTen) {
    writeSettings("[Print Layout]\r\nLeftMargin=25\r\n");
    const auto setup = makeSetup();
    EXPECT_EQ(field(setup.get(), "MLeft"), QStringLiteral("25"));
    EXPECT_EQ(field(setup.get(), "MBottom"), QStringLiteral("10"));
    EXPECT_EQ(setup->printer().BottomMargin, 10);
}

TEST_F(PrintSetupTest, TwoLineTitleSurvivesRegisteringAndRereading) {
    {
        const auto setup = makeSetup();
        find<QPlainTextEdit>(setup.get(), "TitleEdit")->setPlainText(QStringLiteral("§　柱の設計\n２階部分"));
        EXPECT_EQ(setup->settings().title, "§　柱の設計\n２階部分");
        find<QPushButton>(setup.get(), "DefSetButton")->click();
        EXPECT_NE(test::readBytes(settingsFile()).find(toCp932("Title=§　柱の設計\\n２階部分")), std::string::npos);
        // Clearing the title and reading the defaults brings it back.
        find<QPushButton>(setup.get(), "SpeedButton1")->click();
        EXPECT_TRUE(setup->settings().title.empty());
        find<QPushButton>(setup.get(), "DefReadButton")->click();
        EXPECT_EQ(find<QPlainTextEdit>(setup.get(), "TitleEdit")->toPlainText(),
                  QStringLiteral("§　柱の設計\n２階部分"));
    }
    const auto reopened = makeSetup();
    EXPECT_EQ(reopened->settings().title, "§　柱の設計\n２階部分");
    EXPECT_TRUE(messages_.entries.empty());
}

TEST_F(PrintSetupTest, BoldItalicFontIsStoredAndRestoredWithoutUnderline) {
    const auto setup = makeSetup();
    int size = 0;
    test::answerModal<FontChoiceDialog>(
        [&size](FontChoiceDialog* dialog) {
            size = dialog->findChild<QSpinBox*>(QStringLiteral("FontSize"))->value();
            for (const char* style : {"Bold", "Italic", "Underline"})
                dialog->findChild<QCheckBox*>(QLatin1String(style))->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        },
        "FontDialog");
    find<QPushButton>(setup.get(), "BodyFontButton")->click();
    const FontStyle chosen = setup->printer().bodyFont.style;
    EXPECT_TRUE(chosen.bold && chosen.italic && chosen.underline);
    // The dialog opened with the body font; its stand-in face keeps the
    // stored Windows name.
    EXPECT_EQ(size, 10);
    EXPECT_EQ(setup->printer().bodyFont.name, "ＭＳ Ｐ明朝");
    QLabel* label = find<QLabel>(setup.get(), "BodyFontName");
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(label->font().italic());

    find<QPushButton>(setup.get(), "DefSetButton")->click();
    EXPECT_NE(test::readBytes(settingsFile()).find("BodyFontStyle=Bold & Italic\r\n"), std::string::npos);
    find<QPushButton>(setup.get(), "DefReadButton")->click();
    const FontStyle restored = setup->printer().bodyFont.style;
    EXPECT_TRUE(restored.bold);
    EXPECT_TRUE(restored.italic);
    EXPECT_FALSE(restored.underline);
    EXPECT_FALSE(label->font().underline());
}

TEST_F(PrintSetupTest, MarginsAreRaisedToThePrintersLimits) {
    // A device whose printable area starts 4 mm from every edge.
    access_.printer().setFullPage(false);
    access_.printer().setPageMargins(QMarginsF(4, 4, 4, 4), QPageLayout::Millimeter);
    writeSettings("[Print Layout]\r\nLeftMargin=2\r\nHeaderSideMargin=1\r\n");
    const auto setup = makeSetup();
    // Stored values below the limits are raised when the defaults are applied.
    EXPECT_EQ(field(setup.get(), "MLeft"), QStringLiteral("4"));
    EXPECT_EQ(field(setup.get(), "PgNoSide"), QStringLiteral("4"));
    EXPECT_EQ(setup->printer().LeftMargin, 4);

    type(setup.get(), "MLeft", "30");
    EXPECT_EQ(setup->printer().LeftMargin, 30);
    type(setup.get(), "MLeft", "0");
    EXPECT_EQ(field(setup.get(), "MLeft"), QStringLiteral("4"));
    EXPECT_EQ(setup->printer().LeftMargin, 4);
    type(setup.get(), "MBottom", "1");
    EXPECT_EQ(setup->printer().BottomMargin, 4);
    type(setup.get(), "PgNoTop", "2");
    EXPECT_EQ(setup->printer().HeaderTopMargin, 4);

    // The up-down stops at the limit, and at 300 on the way up.
    find<UpDownButtons>(setup.get(), "MLeftUpDown")->downButton()->click();
    EXPECT_EQ(setup->printer().LeftMargin, 4);
    find<UpDownButtons>(setup.get(), "MLeftUpDown")->upButton()->click();
    EXPECT_EQ(setup->printer().LeftMargin, 5);
    EXPECT_EQ(field(setup.get(), "MLeft"), QStringLiteral("5"));
    type(setup.get(), "MTop", "999");
    EXPECT_EQ(setup->printer().TopMargin, 300);
    // Indent and paragraph space are not held to the printer.
    type(setup.get(), "Indent", "0");
    EXPECT_EQ(setup->printer().Indent, 0);
}

TEST_F(PrintSetupTest, SwitchesAndFieldsWriteStraightIntoTheSettings) {
    const auto setup = makeSetup();
    find<QCheckBox>(setup.get(), "IsTitlePrint")->setChecked(false);
    find<QCheckBox>(setup.get(), "IsHeaderPrint")->setChecked(false);
    find<QCheckBox>(setup.get(), "HeaderPosChange")->setChecked(true);
    find<QCheckBox>(setup.get(), "IsSummaryPrint")->setChecked(true);
    find<QCheckBox>(setup.get(), "IsMaterialsPrint")->setChecked(true);
    type(setup.get(), "FirstPgNo", "5");
    EXPECT_FALSE(setup->settings().printTitle);
    EXPECT_FALSE(setup->settings().printLegend);
    EXPECT_TRUE(setup->settings().printSummary);
    EXPECT_TRUE(setup->settings().printMaterials);
    EXPECT_TRUE(setup->printer().ChangeEvenHeaderPos);
    EXPECT_EQ(setup->settings().firstPageNo, 5);
    find<UpDownButtons>(setup.get(), "FirstPgNoUpDown")->upButton()->click();
    EXPECT_EQ(setup->settings().firstPageNo, 6);
    // Reading the defaults discards them.
    find<QPushButton>(setup.get(), "DefReadButton")->click();
    EXPECT_TRUE(setup->settings().printTitle);
    EXPECT_EQ(setup->settings().firstPageNo, 0);
    EXPECT_FALSE(find<QCheckBox>(setup.get(), "HeaderPosChange")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(setup.get(), "IsSummaryPrint")->isChecked());
    EXPECT_FALSE(setup->settings().printMaterials);
}

TEST_F(PrintSetupTest, ClosesOnlyThroughOkAndRecomputesTheGeometry) {
    const auto setup = makeSetup();
    setup->reject();
    QTest::keyClick(setup.get(), Qt::Key_Escape);
    setup->close();
    EXPECT_TRUE(setup->isVisible());

    setup->printer().bodyFont.sizePt = 20;
    find<QPushButton>(setup.get(), "OkButton")->click();
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(setup->result(), QDialog::Accepted);
    EXPECT_EQ(setup->printer().bodyFontHeight, deviceFontHeight(20, setup->printer().dpiY));
}

TEST_F(PrintSetupTest, FailedRegistrationIsReported) {
    // A settings file under a regular file cannot be written, even as root.
    test::writeBytes(dir_ / "plain", "x");
    PrintSetup setup(access_, dir_ / "plain" / "Tarvo.ini", messages_);
    EXPECT_FALSE(setup.registerDefaults());
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].kind, MessageKind::Error);
    EXPECT_EQ(messages_.entries[0].text, "File Write Error: \n" + (dir_ / "plain" / "Tarvo.ini").string() + "\n" +
                                             std::generic_category().message(ENOTDIR));
}

TEST_F(PrintSetupTest, LayoutWithoutRoomForTheTextIsRefused) {
    // Stored: the built-in layout applies and the message names the setting.
    writeSettings("[Print Layout]\r\nLeftMargin=300\r\n");
    const auto setup = makeSetup();
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_NE(messages_.entries[0].text.find("LeftMargin（300 mm）"), std::string::npos);
    EXPECT_EQ(setup->printer().LeftMargin, builtInPrintDefault().LeftMargin);

    // Entered: OK and registering are refused, the dialog stays open on the field.
    messages_.entries.clear();
    type(setup.get(), "MBottom", "290");
    find<QPushButton>(setup.get(), "OkButton")->click();
    EXPECT_TRUE(setup->isVisible());
    EXPECT_FALSE(setup->registerDefaults());
    ASSERT_EQ(messages_.entries.size(), 2u);
    EXPECT_NE(messages_.entries[0].text.find("BottomMargin（290 mm）"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(settingsFile()) &&
                 test::readBytes(settingsFile()).find("BottomMargin=290") != std::string::npos);
    type(setup.get(), "MBottom", "15");
    find<QPushButton>(setup.get(), "OkButton")->click();
    EXPECT_FALSE(setup->isVisible());
}

TEST(NoPrinterSetup, SaysThatNoPrinterIsInstalledAndLaysOutOnA4) {
    PrinterAccess access;
    if (access.hasPrinter()) GTEST_SKIP() << "this system has printers (run with CUPS_SERVER pointing nowhere)";
    RecordingMessageSink messages;
    test::TempDir dir;
    PrintSetup setup(access, dir / "Tarvo.ini", messages);
    setup.show();
    EXPECT_EQ(setup.findChild<QLabel*>(QStringLiteral("SelectPrinter"))->text(),
              QStringLiteral("プリンタ： プリンタがインストールされていません（PDFファイルに印刷）"));
    EXPECT_EQ(setup.findChild<QLabel*>(QStringLiteral("PaperInfo"))->text(), QStringLiteral("用紙： A4   タテ"));
    EXPECT_EQ(setup.printer().dpiY, 600);
    EXPECT_EQ(setup.printer().minLeftMm, 0);
    EXPECT_TRUE(messages.entries.empty());
}

} // namespace
} // namespace tarvo::gui
