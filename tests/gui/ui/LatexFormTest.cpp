#include "gui/ui/LatexForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "core/text/Cp932Codec.h"
#include "core/text/IniFile.h"
#include "gui/ModalDialog.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

class LatexFormTest : public ::testing::Test {
protected:
    std::unique_ptr<LatexForm> makeForm() {
        return std::make_unique<LatexForm>(dir_ / "Tarvo.ini", dir_ / "LatexHeader.txt");
    }
    std::string program(const std::string& name) {
        const auto path = dir_ / name;
        test::writeBytes(path, "#!/bin/sh\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path.string();
    }
    template <typename T> static T* find(QWidget* form, const char* name) {
        T* widget = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    test::TempDir dir_;
};

TEST_F(LatexFormTest, StoredToolsThatExistAreShownAndTheModeEnablesThem) {
    const std::string compiler = program("my-platex");
    test::writeBytes(dir_ / "Tarvo.ini",
                     "[LaTeX2e]\r\nCompiler=" + compiler + "\r\nViewer=/no/such/viewer\r\nMode=0\r\n");
    const auto form = makeForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("LaTeX 環境設定"));
    EXPECT_EQ(find<QLineEdit>(form.get(), "CompilerEdit")->text(), QString::fromStdString(compiler));
    EXPECT_FALSE(form->settings().compileAndPreview);
    auto* mode = find<QCheckBox>(form.get(), "CheckBox1");
    EXPECT_FALSE(mode->isChecked());
    for (const char* name : {"CompilerButton", "CompilerEdit", "ViewerButton", "ViewerEdit"})
        EXPECT_FALSE(find<QWidget>(form.get(), name)->isEnabled()) << name;
    mode->setChecked(true);
    for (const char* name : {"CompilerButton", "CompilerEdit", "ViewerButton", "ViewerEdit"})
        EXPECT_TRUE(find<QWidget>(form.get(), name)->isEnabled()) << name;
    EXPECT_TRUE(form->settings().compileAndPreview);
}

TEST_F(LatexFormTest, DefaultHeaderWithoutFileAndTheSavedHeaderAfterwards) {
    {
        const auto form = makeForm();
        auto* edit = find<QPlainTextEdit>(form.get(), "Edit");
        EXPECT_EQ(edit->toPlainText(), QStringLiteral("\\documentclass[a4j]{jarticle}"));
        EXPECT_TRUE(edit->document()->isModified());
        edit->setPlainText(QStringLiteral("\\documentclass[a4j]{jarticle}\n% 見出し"));
        find<QPushButton>(form.get(), "HeaderSaveButton")->click();
        EXPECT_EQ(test::readBytes(dir_ / "LatexHeader.txt"), toCp932("\\documentclass[a4j]{jarticle}\r\n% 見出し\r\n"));
    }
    const auto form = makeForm();
    auto* edit = find<QPlainTextEdit>(form.get(), "Edit");
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("\\documentclass[a4j]{jarticle}\n% 見出し"));
    EXPECT_FALSE(edit->document()->isModified());
    EXPECT_EQ(form->headerText(), "\\documentclass[a4j]{jarticle}\n% 見出し");
}

TEST_F(LatexFormTest, HeaderEditorShowsBackslashesInAMonospacedFont) {
    const auto form = makeForm();
    const QFont font = find<QPlainTextEdit>(form.get(), "Edit")->font();
    const QFontInfo shown(font);
    EXPECT_TRUE(shown.fixedPitch()) << shown.family().toStdString();
    // Not a Japanese font, whose 0x5C is a yen sign.
    EXPECT_FALSE(shown.family().startsWith(QStringLiteral("IPA"))) << shown.family().toStdString();
    EXPECT_TRUE(QFontMetrics(font).inFont(QLatin1Char('\\')));
}

TEST_F(LatexFormTest, FailedHeaderSaveSaysSoWithThePath) {
    test::writeBytes(dir_ / "plain", "x");
    LatexForm form(dir_ / "Tarvo.ini", dir_ / "plain" / "LatexHeader.txt");
    QString said;
    test::answerModal<QMessageBox>([&said](QMessageBox* box) {
        said = box->text();
        box->accept();
    });
    find<QPushButton>(&form, "HeaderSaveButton")->click();
    EXPECT_EQ(said, QString::fromStdString("Header Save Error: \n" + (dir_ / "plain" / "LatexHeader.txt").string()));
}

TEST_F(LatexFormTest, EditsCountAsChangesAndClosingTakesTrimmedPathsThatAreStored) {
    test::writeBytes(dir_ / "Tarvo.ini", "[LaTeX2e]\r\nMode=1\r\n");
    const std::string compiler = program("platex");
    const std::string viewer = program("pxdvi");
    {
        const auto form = makeForm();
        QSignalSpy changed(form.get(), &LatexForm::changed);
        find<QLineEdit>(form.get(), "CompilerEdit")->setText(QString::fromStdString("  " + compiler + " "));
        find<QLineEdit>(form.get(), "ViewerEdit")->setText(QString::fromStdString(viewer));
        find<QPlainTextEdit>(form.get(), "Edit")->appendPlainText(QStringLiteral("\\usepackage{amsmath}"));
        EXPECT_EQ(changed.count(), 3);
        find<QPushButton>(form.get(), "SpeedButton1")->click();
        EXPECT_EQ(form->settings().tools.compiler, compiler);
        EXPECT_EQ(form->settings().tools.viewer, viewer);
        EXPECT_TRUE(form->settings().tools.pdfConverter.empty());
    }
    IniFile ini;
    ASSERT_TRUE(ini.load(dir_ / "Tarvo.ini"));
    EXPECT_EQ(ini.getString("LaTeX2e", "Compiler"), compiler);
    EXPECT_EQ(ini.getString("LaTeX2e", "Viewer"), viewer);
    EXPECT_EQ(ini.getInt("LaTeX2e", "Mode", -1), 1);
}

TEST_F(LatexFormTest, ProgramDialogsShowEveryFile) {
    const std::string compiler = program("uplatex");
    const auto form = makeForm();
    QStringList filters;
    test::answerModal<QFileDialog>(
        [&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            dialog->selectFile(QString::fromStdString(compiler));
            static_cast<QDialog*>(dialog)->accept();
        },
        "CompilerDialog");
    find<QPushButton>(form.get(), "CompilerButton")->click();
    EXPECT_EQ(filters, QStringList{QStringLiteral("Compiler (*)")});
    EXPECT_EQ(find<QLineEdit>(form.get(), "CompilerEdit")->text(), QString::fromStdString(compiler));
}

} // namespace
} // namespace tarvo::gui
