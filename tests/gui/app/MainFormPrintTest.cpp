// The print and LaTeX entries of the main window: when they are enabled and
// what they open, each command writing a number being typed first.
#include "gui/app/MainForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "gui/ModalDialog.h"
#include "gui/print/PreviewForm.h"
#include "gui/print/PrintCommands.h"
#include "gui/print/PrintSetup.h"
#include "gui/print/SelectDialog.h"
#include "gui/ui/LatexForm.h"
#include "gui/ui/NumberEdit.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

class MainFormPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
        // The LaTeX output is written, not compiled.
        test::writeBytes(dir_ / "Tarvo.ini", "[LaTeX2e]\r\nMode=0\r\n");
        window_ = std::make_unique<MainForm>(dir_.path());
        window_->show();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void TearDown() override { window_.reset(); }

    QAction* action(const char* name) {
        auto* found = window_->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QToolButton* toolButton(const char* name) {
        // The window's own tool bar button (dialogs may have one of that name too).
        for (QToolButton* button : window_->findChildren<QToolButton*>(QLatin1String(name))) {
            if (button->window() == window_.get()) return button;
        }
        ADD_FAILURE() << name;
        return nullptr;
    }
    void openSample(const char* name) {
        window_->openProjectOnStart(QString::fromUtf8(TARVO_SAMPLES_DIR) + QLatin1Char('/') + QLatin1String(name));
    }

    test::TempDir dir_;
    std::unique_ptr<MainForm> window_;
};

TEST_F(MainFormPrintTest, PrintEntriesFollowTheItemsThatCheck) {
    for (const char* name : {"MenuPrint", "SelectPrint"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_FALSE(toolButton("PrintButton")->isEnabled());
    EXPECT_FALSE(toolButton("PreviewButton")->isEnabled());
    for (const char* name : {"SetPrinter", "MenuLatexOut", "MenuSetLatex"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;

    openSample("sawn-lumber-wind.tvp");
    for (const char* name : {"MenuPrint", "SelectPrint"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(toolButton("PrintButton")->isEnabled());
    EXPECT_TRUE(toolButton("PreviewButton")->isEnabled());
    EXPECT_EQ(action("MenuPrint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

TEST_F(MainFormPrintTest, PreviewShowsTheNumberBeingTyped) {
    openSample("sawn-lumber-wind.tvp");
    // Typed but not yet left: the preview command writes it first.
    auto* edit = window_->findChild<NumberEdit*>(QStringLiteral("LkxEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("3100"));
    int pages = 0;
    test::answerModal<PreviewForm>([&pages](PreviewForm* preview) {
        pages = preview->pageCount();
        preview->accept();
    });
    toolButton("PreviewButton")->click();
    EXPECT_DOUBLE_EQ(window_->currentItem().Lkx, 3100);
    EXPECT_GE(pages, 1);
    const auto& lines = window_->columns().reportLines;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.find("310.0") != std::string::npos; }));
}

TEST_F(MainFormPrintTest, LayoutSelectionAndLatexDialogsOpenFromTheMenus) {
    openSample("sawn-lumber-wind.tvp");
    test::answerModal<PrintSetup>(
        [](PrintSetup* setup) { setup->findChild<QAbstractButton*>(QStringLiteral("OkButton"))->click(); });
    action("SetPrinter")->trigger();

    int entries = 0;
    test::answerModal<SelectDialog>([&entries](SelectDialog* dialog) {
        entries = static_cast<int>(dialog->entryIndices().size());
        dialog->reject();
    });
    action("SelectPrint")->trigger();
    EXPECT_EQ(entries, window_->columns().Count());
    EXPECT_TRUE(window_->printCommands().setup().settings().printSelection.empty());

    const int before = window_->modifiedCount();
    test::answerModal<LatexForm>([](LatexForm* form) {
        form->findChild<QLineEdit*>(QStringLiteral("CompilerEdit"))->setText(QStringLiteral("/usr/bin/true"));
        form->accept();
    });
    action("MenuSetLatex")->trigger();
    EXPECT_EQ(window_->latexForm().settings().tools.compiler, "/usr/bin/true");
    EXPECT_GT(window_->modifiedCount(), before);
}

TEST_F(MainFormPrintTest, LatexOutputWritesTheChosenFile) {
    openSample("sawn-lumber-wind.tvp");
    const auto tex = dir_ / "report.tex";
    test::answerModal<QFileDialog>(
        [&tex](QFileDialog* dialog) {
            dialog->selectFile(QString::fromStdString(tex.string()));
            static_cast<QDialog*>(dialog)->accept();
        },
        "LatexSaveDialog");
    action("MenuLatexOut")->trigger();
    const std::string text = test::readBytes(tex);
    EXPECT_EQ(text.rfind("\\documentclass[a4j]{jarticle}\n", 0), 0u);
    EXPECT_NE(text.find("\\end{document}"), std::string::npos);
}

} // namespace
} // namespace tarvo::gui
