#include "gui/app/FileCommands.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <memory>

#include <sys/stat.h>

#include "core/project/ProjectFile.h"
#include "core/text/Cp932Codec.h"
#include "gui/ModalDialog.h"
#include "gui/app/MainForm.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

using std::filesystem::path;
using test::answerModal;
using test::readBytes;

QString text(const path& file) {
    return QString::fromStdString(file.string());
}

// Answers the next message box with `button`, keeping its text.
void answerBox(QMessageBox::StandardButton button, QString* shown = nullptr) {
    answerModal<QMessageBox>([button, shown](QMessageBox* box) {
        if (shown != nullptr) *shown = box->text();
        box->button(button)->click();
    });
}

// Answers the next save dialog with `file`, or cancels it for an empty path.
void answerSaveDialog(const path& file) {
    answerModal<QFileDialog>(
        [file](QFileDialog* dialog) {
            if (file.empty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(text(file));
            static_cast<QDialog*>(dialog)->accept(); // the file dialog's own check of the name runs
        },
        "SaveDialog");
}

// A window whose settings folder is a temporary folder that also holds the
// projects A.tvp (five items) and B.tvp (two items).
class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        a_ = dir_ / "A.tvp";
        b_ = dir_ / "B.tvp";
        std::filesystem::copy_file(TARVO_SAMPLES_DIR "/sawn-lumber-wind.tvp", a_);
        std::filesystem::copy_file(TARVO_SAMPLES_DIR "/lvl-wind.tvp", b_);
        start();
    }
    void TearDown() override { window_.reset(); }

    void start() {
        window_ = std::make_unique<MainForm>(dir_.path());
        window_->show();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    FileCommands& commands() { return window_->fileCommands(); }
    void trigger(const char* action) { window_->findChild<QAction*>(QLatin1String(action))->trigger(); }
    void open(const path& file) { ASSERT_EQ(commands().OpenProjectFile(file), 0); }
    // An edit through the name list, as the engineer types it.
    void edit() {
        auto* names = window_->findChild<QComboBox*>(QStringLiteral("NameList"));
        names->setFocus();
        QTest::sendKeyEvent(QTest::Click, names->lineEdit(), Qt::Key_unknown, QStringLiteral("改"), Qt::NoModifier);
        ASSERT_GT(window_->modifiedCount(), 0);
    }
    // The texts of the file menu's entries between Sep1 and the exit entry.
    QStringList historyEntries() {
        QStringList entries;
        bool inside = false;
        for (QAction* action : window_->findChild<QMenu*>(QStringLiteral("MenuFile"))->actions()) {
            if (action->objectName() == QLatin1String("Sep1")) {
                inside = true;
                continue;
            }
            if (action->objectName() == QLatin1String("MenuExit")) break;
            if (inside) entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return entries;
    }
    QString caption() const { return window_->windowTitle(); }

    test::TempDir dir_;
    path a_;
    path b_;
    std::unique_ptr<MainForm> window_;
};

TEST_F(FileCommandsTest, NoUnsavedEditsNoPrompt) {
    open(a_);
    trigger("MenuFileNew");
    EXPECT_EQ(caption(), QStringLiteral("木造柱の設計　(無題)"));
    EXPECT_EQ(window_->columns().Count(), 1);
}

TEST_F(FileCommandsTest, PromptAnswerNoDiscardsTheEdits) {
    open(a_);
    edit();
    QString question;
    answerBox(QMessageBox::No, &question);
    trigger("MenuFileNew");
    EXPECT_EQ(question, QStringLiteral("現在のデータを保存しますか？"));
    EXPECT_EQ(window_->columns().Count(), 1);
    EXPECT_EQ(window_->modifiedCount(), 0);
    EXPECT_EQ(caption(), QStringLiteral("木造柱の設計　(無題)"));
}

TEST_F(FileCommandsTest, PromptAnswerCancelKeepsEverything) {
    open(a_);
    edit();
    const std::string name = window_->columns().Item(0).Name;
    const int edits = window_->modifiedCount();
    answerBox(QMessageBox::Cancel);
    trigger("MenuFileNew");
    EXPECT_EQ(window_->columns().Count(), 5);
    EXPECT_EQ(window_->columns().Item(0).Name, name);
    EXPECT_EQ(window_->modifiedCount(), edits);
    EXPECT_EQ(window_->currentFile(), a_);
}

TEST_F(FileCommandsTest, PromptAnswerYesWithACancelledSaveDialogKeepsEverything) {
    open(a_);
    edit();
    const std::string before = readBytes(a_);
    const int edits = window_->modifiedCount();
    answerBox(QMessageBox::Yes);
    answerSaveDialog({});
    trigger("MenuFileNew");
    EXPECT_EQ(window_->columns().Count(), 5);
    EXPECT_EQ(window_->modifiedCount(), edits);
    EXPECT_EQ(window_->currentFile(), a_);
    EXPECT_EQ(readBytes(a_), before);
}

TEST_F(FileCommandsTest, PromptAnswerYesSavesThenGoesOn) {
    open(a_);
    edit();
    const path saved = dir_ / "saved.tvp";
    answerBox(QMessageBox::Yes);
    answerSaveDialog(saved);
    trigger("MenuFileNew");
    EXPECT_EQ(window_->columns().Count(), 1);
    ASSERT_TRUE(std::filesystem::exists(saved));
    // The saved project is the edited one, and its file is in the history.
    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(saved, common, columns, messages), 0);
    EXPECT_EQ(columns.Count(), 5);
    EXPECT_EQ(historyEntries().value(0), QStringLiteral("&1 ") + text(saved));
}

TEST_F(FileCommandsTest, PromptAlsoWhenNoItemChecksAndForAReadOnlyFile) {
    edit(); // the new project's item does not check
    answerBox(QMessageBox::Cancel);
    trigger("MenuFileNew");
    EXPECT_GT(window_->modifiedCount(), 0);

    ASSERT_EQ(::chmod(a_.c_str(), 0444), 0);
    answerBox(QMessageBox::No);
    trigger("MenuFileNew"); // the answer No lets the edits go
    open(a_);
    edit();
    answerBox(QMessageBox::Cancel);
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(FileCommandsTest, ClosingWithEditsAsksAndCancelKeepsTheWindowOpen) {
    open(a_);
    edit();
    answerBox(QMessageBox::Cancel);
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());
    answerBox(QMessageBox::No);
    EXPECT_TRUE(window_->close());
}

TEST_F(FileCommandsTest, OverwriteSavesTheCurrentFileInPlace) {
    open(a_);
    edit();
    trigger("MenuOverWrite");
    EXPECT_EQ(window_->modifiedCount(), 0);
    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(a_, common, columns, messages), 0);
    EXPECT_EQ(columns.Item(0).Name, window_->columns().Item(0).Name);
}

TEST_F(FileCommandsTest, OverwriteOfAReadOnlyFileOpensSaveAs) {
    ASSERT_EQ(::chmod(a_.c_str(), 0444), 0);
    open(a_);
    edit();
    const std::string before = readBytes(a_);
    bool asked = false;
    answerModal<QFileDialog>(
        [&asked](QFileDialog* dialog) {
            asked = true;
            dialog->reject();
        },
        "SaveDialog");
    trigger("MenuOverWrite");
    EXPECT_TRUE(asked);
    EXPECT_EQ(readBytes(a_), before);
    EXPECT_GT(window_->modifiedCount(), 0);
}

TEST_F(FileCommandsTest, SaveAsAddsOrReplacesTheExtension) {
    open(a_);
    answerSaveDialog(dir_ / "plan");
    trigger("MenuSaveAs");
    EXPECT_TRUE(std::filesystem::exists(dir_ / "plan.tvp"));
    EXPECT_EQ(window_->currentFile(), dir_ / "plan.tvp");
    EXPECT_EQ(caption(), QStringLiteral("木造柱の設計　") + text(dir_ / "plan.tvp"));

    answerSaveDialog(dir_ / "notes.txt");
    trigger("MenuSaveAs");
    EXPECT_TRUE(std::filesystem::exists(dir_ / "notes.tvp"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "notes.txt"));
}

TEST_F(FileCommandsTest, SaveAsOverAnotherExistingFileAsksFirst) {
    open(a_);
    const std::string before = readBytes(b_);
    // "B.txt" is written as B.tvp, which exists: the question comes first.
    answerSaveDialog(dir_ / "B.txt");
    QString question;
    answerBox(QMessageBox::No, &question);
    answerSaveDialog({}); // the dialog comes back; cancel it
    trigger("MenuSaveAs");
    EXPECT_TRUE(question.endsWith(text(b_)));
    EXPECT_EQ(readBytes(b_), before);
    EXPECT_EQ(window_->currentFile(), a_);
}

TEST_F(FileCommandsTest, SaveAsUnderTheCurrentNameKeepsTheHistoryMenu) {
    open(b_);
    open(a_);
    const QStringList before = historyEntries();
    answerSaveDialog(a_);
    answerBox(QMessageBox::Yes); // overwrite A.tvp
    trigger("MenuSaveAs");
    EXPECT_EQ(historyEntries(), before);
    EXPECT_EQ(window_->currentFile(), a_);
}

TEST_F(FileCommandsTest, OpeningAThenBListsAAndTheHistoryFileListsBThenA) {
    open(a_);
    EXPECT_TRUE(historyEntries().isEmpty());
    open(b_);
    EXPECT_EQ(historyEntries(), (QStringList{QStringLiteral("&1 ") + text(a_), QStringLiteral("-")}));
    EXPECT_EQ(caption(), QStringLiteral("木造柱の設計　") + text(b_));
    window_.reset();
    EXPECT_EQ(readBytes(dir_ / "Tarvo_File.history"), toCp932(b_.string()) + "\r\n" + toCp932(a_.string()) + "\r\n");
}

TEST_F(FileCommandsTest, HistoryEntriesOpenTheirFileAndVanishedOnesStay) {
    open(a_);
    open(b_);
    window_.reset();
    start();
    // Both files exist at start: B (most recent) is &1, A is &2.
    ASSERT_EQ(historyEntries().size(), 3);
    window_->findChild<QAction*>(QStringLiteral("History2"))->trigger();
    EXPECT_EQ(window_->currentFile(), a_);
    EXPECT_EQ(window_->columns().Count(), 5);

    std::filesystem::remove(b_);
    QString error;
    answerBox(QMessageBox::Ok, &error);
    window_->findChild<QAction*>(QStringLiteral("History1"))->trigger();
    EXPECT_EQ(error, QStringLiteral("ファイルを開くことが出来ませんでした。\n") + text(b_) +
                         QStringLiteral("\nNo such file or directory"));
    EXPECT_EQ(window_->currentFile(), a_);
    EXPECT_EQ(window_->columns().Count(), 5);
    EXPECT_EQ(historyEntries().value(0), QStringLiteral("&1 ") + text(b_));
}

TEST_F(FileCommandsTest, VanishedFilesAreDroppedFromTheHistoryAtStart) {
    test::writeBytes(dir_ / "Tarvo_File.history", (dir_ / "gone.tvp").string() + "\r\n" + a_.string() + "\r\n");
    window_.reset();
    start();
    EXPECT_EQ(historyEntries(), (QStringList{QStringLiteral("&1 ") + text(a_), QStringLiteral("-")}));
}

TEST_F(FileCommandsTest, AFailedOpenLeavesTheWindowAndTheProjectAsTheyWere) {
    open(a_);
    edit();
    const path broken = dir_ / "broken.tvp";
    test::writeBytes(broken, "Tarvo_Posts but cut short");
    const std::string name = window_->columns().Item(0).Name;
    const int edits = window_->modifiedCount();
    answerBox(QMessageBox::Ok);
    EXPECT_EQ(commands().OpenProjectFile(broken), 1);
    EXPECT_EQ(window_->columns().Count(), 5);
    EXPECT_EQ(window_->columns().Item(0).Name, name);
    EXPECT_EQ(window_->modifiedCount(), edits);
    // The unsaved edits keep their mark.
    EXPECT_EQ(caption(), QStringLiteral("木造柱の設計　") + text(a_) + QLatin1Char('*'));
    EXPECT_TRUE(historyEntries().isEmpty());
}

TEST_F(FileCommandsTest, AProjectDroppedOnTheWindowOpensAsOpenWould) {
    open(a_);
    edit();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(text(b_))});
    QWidget* target = window_->centralWidget();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QString question;
    answerBox(QMessageBox::No, &question);
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QTRY_COMPARE(window_->currentFile(), b_);
    EXPECT_EQ(question, QStringLiteral("現在のデータを保存しますか？"));
    EXPECT_EQ(window_->columns().Count(), 2);

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(text(dir_ / "notes.txt"))});
    QDragEnterEvent refused(at, Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(FileCommandsTest, FileCommandsHaveTheirKeys) {
    const auto keys = [this](const char* action) {
        return window_->findChild<QAction*>(QLatin1String(action))->shortcut().toString(QKeySequence::PortableText);
    };
    EXPECT_EQ(keys("MenuFileNew"), QStringLiteral("Ctrl+N"));
    EXPECT_EQ(keys("MenuOpen"), QStringLiteral("Ctrl+O"));
    EXPECT_EQ(keys("MenuOverWrite"), QStringLiteral("Ctrl+S"));
    EXPECT_EQ(keys("MenuSaveAs"), QStringLiteral("Ctrl+Shift+S"));
    EXPECT_EQ(keys("MenuExit"), QStringLiteral("Ctrl+Q"));
}

} // namespace
} // namespace tarvo::gui
