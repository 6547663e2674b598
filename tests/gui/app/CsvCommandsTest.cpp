#include "gui/app/CsvCommands.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <filesystem>
#include <memory>
#include <optional>

#include <unistd.h>

#include "core/project/ColumnsCsvWriter.h"
#include "core/project/ProjectFile.h"
#include "gui/app/MainForm.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

using test::readBytes;
using test::writeBytes;

class CsvCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("tarvo-csv-commands-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        window_ = std::make_unique<MainForm>(dir_);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        commands_ = window_->findChild<CsvCommands*>();
        ASSERT_NE(commands_, nullptr);
        commands_->setFileChooser([this](QWidget*, const QString& caption, const QString& suggested, bool save) {
            lastCaption_ = caption;
            lastSuggested_ = suggested;
            lastSave_ = save;
            return chosen_;
        });
        commands_->setModeChooser([this](QWidget*) {
            ++modeQuestions_;
            return mode_;
        });
    }
    void TearDown() override {
        window_.reset();
        std::filesystem::remove_all(dir_);
    }

    QAction* action(const char* name) { return window_->findChild<QAction*>(QLatin1String(name)); }
    void choose(const std::filesystem::path& file) { chosen_ = QFile::decodeName(file.native().c_str()); }
    void openSample(const char* name) {
        window_->openProjectOnStart(QString::fromUtf8(TARVO_SAMPLES_DIR) + QLatin1Char('/') + QLatin1String(name));
    }
    // Triggers `entry` while an error box is expected; returns its text and closes it.
    QString triggerExpectingError(QAction* entry) {
        QString text;
        auto* timer = new QTimer(window_.get());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, &text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                timer->stop();
                text = box->text();
                box->accept();
            }
        });
        timer->start();
        entry->trigger();
        timer->stop();
        return text;
    }

    std::filesystem::path dir_;
    std::unique_ptr<MainForm> window_;
    CsvCommands* commands_ = nullptr;
    QString chosen_;
    QString lastCaption_;
    QString lastSuggested_;
    bool lastSave_ = false;
    std::optional<CsvImportMode> mode_ = CsvImportMode::Append;
    int modeQuestions_ = 0;
};

TEST_F(CsvCommandsTest, EntriesStandInTheFileMenuBeforeTheRecentFiles) {
    QMenu* file = window_->menuBar()->findChild<QMenu*>(QStringLiteral("MenuFile"));
    ASSERT_NE(file, nullptr);
    const QList<QAction*> entries = file->actions();
    const auto position = [&](const char* name) {
        for (qsizetype i = 0; i < entries.size(); ++i)
            if (entries[i]->objectName() == QLatin1String(name)) return i;
        return qsizetype{-1};
    };
    EXPECT_EQ(action("MenuCsvImport")->text(), QStringLiteral("CSV 読込み(&I)..."));
    EXPECT_EQ(action("MenuCsvExport")->text(), QStringLiteral("CSV 書出し(&E)..."));
    EXPECT_EQ(action("MenuCsvResults")->text(), QStringLiteral("結果を CSV に書出し(&R)..."));
    EXPECT_GT(position("MenuCsvImport"), position("SelectPrint"));
    EXPECT_EQ(position("MenuCsvExport"), position("MenuCsvImport") + 1);
    EXPECT_EQ(position("MenuCsvResults"), position("MenuCsvExport") + 1);
    EXPECT_LT(position("MenuCsvResults"), position("Sep1"));
}

TEST_F(CsvCommandsTest, ImportAppendsAndShowsTheFirstImportedItem) {
    openSample("sawn-lumber-wind.tvp");
    const int before = window_->columns().Count();
    const auto csv = dir_ / "forces.csv";
    writeBytes(csv, "Name,B,D,Lkx,AxialForce0\r\n\"X1, 通り\",105,105,2800,12.5\r\nX2,120,120,2800,20\r\n");
    choose(csv);
    action("MenuCsvImport")->trigger();
    EXPECT_FALSE(lastSave_);
    ASSERT_EQ(window_->columns().Count(), before + 2);
    EXPECT_EQ(window_->currentIndex(), before);
    EXPECT_EQ(window_->currentItem().Name, "X1, 通り");
    EXPECT_EQ(window_->currentItem().AxialForce[0], 12.5);
    auto* names = window_->findChild<QComboBox*>(QStringLiteral("NameList"));
    ASSERT_EQ(names->count(), before + 2);
    EXPECT_EQ(names->itemText(before + 1), QStringLiteral("X2"));
    EXPECT_EQ(names->currentIndex(), before);
    EXPECT_EQ(window_->findChild<QLabel*>(QStringLiteral("PagePanel"))->text(),
              QString::number(before + 1) + QLatin1Char('/') + QString::number(before + 2));
    EXPECT_GT(window_->modifiedCount(), 0);
}

TEST_F(CsvCommandsTest, ReplacingAsksToSaveFirstAndPutsTheItemsInPlaceOfTheList) {
    openSample("sawn-lumber-wind.tvp");
    const auto csv = dir_ / "forces.csv";
    writeBytes(csv, "Name,AxialForce0\r\nR1,10\r\nR2,20\r\n");
    choose(csv);
    mode_ = CsvImportMode::Replace;
    const std::string original = serializeProject(window_->common().input(), window_->columns());

    // No unsaved edits: no prompt, the list is replaced.
    action("MenuCsvImport")->trigger();
    ASSERT_EQ(window_->columns().Count(), 2);
    EXPECT_EQ(window_->currentIndex(), 0);
    EXPECT_EQ(window_->currentItem().Name, "R1");
    EXPECT_EQ(window_->findChild<QComboBox*>(QStringLiteral("NameList"))->count(), 2);
    const int edits = window_->modifiedCount();
    EXPECT_GT(edits, 0);

    // Unsaved edits and Cancel at the prompt: nothing changes.
    writeBytes(csv, "Name\r\nS1\r\n");
    QString question;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer.stop();
            question = box->text();
            box->button(QMessageBox::Cancel)->click();
        }
    });
    answer.start();
    action("MenuCsvImport")->trigger();
    EXPECT_EQ(question, QStringLiteral("現在のデータを保存しますか？"));
    ASSERT_EQ(window_->columns().Count(), 2);
    EXPECT_EQ(window_->currentItem().Name, "R1");
    EXPECT_EQ(window_->modifiedCount(), edits);

    // The replacement is one step of the undo history.
    window_->undo();
    EXPECT_EQ(serializeProject(window_->common().input(), window_->columns()), original);
}

TEST_F(CsvCommandsTest, NoPromptWhenAppendingAndNothingWhenTheQuestionIsCancelled) {
    openSample("sawn-lumber-wind.tvp");
    const int before = window_->columns().Count();
    const auto csv = dir_ / "forces.csv";
    writeBytes(csv, "Name\r\nA1\r\n");
    choose(csv);
    window_->markChanged();
    mode_ = std::nullopt;
    action("MenuCsvImport")->trigger();
    EXPECT_EQ(modeQuestions_, 1);
    EXPECT_EQ(window_->columns().Count(), before);
    mode_ = CsvImportMode::Append;
    action("MenuCsvImport")->trigger(); // a prompt here would block the test
    EXPECT_EQ(window_->columns().Count(), before + 1);
}

TEST_F(CsvCommandsTest, ImportIsOneStepOfTheUndoHistory) {
    openSample("sawn-lumber-wind.tvp");
    const std::string before = serializeProject(window_->common().input(), window_->columns());
    const auto csv = dir_ / "two.csv";
    writeBytes(csv, "Name,B,D,Lkx,AxialForce0\r\nX1,105,105,2800,12.5\r\nX2,120,120,2800,20\r\n");
    choose(csv);
    action("MenuCsvImport")->trigger();
    const std::string after = serializeProject(window_->common().input(), window_->columns());
    ASSERT_NE(after, before);
    QUndoStack& stack = window_->undoStack();
    ASSERT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), QStringLiteral("CSV 読込み"));
    window_->undo();
    EXPECT_EQ(serializeProject(window_->common().input(), window_->columns()), before);
    EXPECT_EQ(window_->findChild<QComboBox*>(QStringLiteral("NameList"))->count(), window_->columns().Count());
    window_->redo();
    EXPECT_EQ(serializeProject(window_->common().input(), window_->columns()), after);
}

TEST_F(CsvCommandsTest, RefusedFileShowsItsProblemsAndChangesNothing) {
    openSample("mixed-with-ng.tvp");
    const std::string before = serializeProject(window_->common().input(), window_->columns());
    const int shown = window_->currentIndex();
    const auto csv = dir_ / "bad.csv";
    writeBytes(csv, "Name,B,Width\r\nX1,abc,3\r\n");
    choose(csv);
    const QString text = triggerExpectingError(action("MenuCsvImport"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("CSV ファイルを読み込めませんでした。\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1 行目 Width: 項目の欄の名前ではありません。"))) << text.toStdString();
    EXPECT_EQ(serializeProject(window_->common().input(), window_->columns()), before);
    EXPECT_EQ(window_->currentIndex(), shown);
    EXPECT_EQ(window_->modifiedCount(), 0);
}

TEST_F(CsvCommandsTest, CancelledDialogsDoNothing) {
    chosen_.clear();
    action("MenuCsvImport")->trigger();
    action("MenuCsvExport")->trigger();
    EXPECT_EQ(window_->columns().Count(), 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir_) || !std::filesystem::exists(dir_ / "Tarvo.csv"));
}

TEST_F(CsvCommandsTest, ExportsWriteItemsAndResults) {
    openSample("mixed-with-ng.tvp");
    const auto items = dir_ / "items.csv";
    choose(items);
    action("MenuCsvExport")->trigger();
    EXPECT_TRUE(lastSave_);
    EXPECT_TRUE(lastSuggested_.endsWith(QStringLiteral("/mixed-with-ng.csv"))) << lastSuggested_.toStdString();
    // The file holds every item with its derived inputs; the project itself is not changed by it.
    EXPECT_EQ(readBytes(items), writeColumnsCsv(window_->document().columnsAsSaved()));

    const auto results = dir_ / "results.csv";
    choose(results);
    action("MenuCsvResults")->trigger();
    EXPECT_TRUE(lastSuggested_.endsWith(QStringLiteral("/mixed-with-ng_結果.csv"))) << lastSuggested_.toStdString();
    const std::string bytes = readBytes(results);
    EXPECT_NE(bytes.find("１階柱 過大軸力"), std::string::npos);
    EXPECT_NE(bytes.find(",NG"), std::string::npos);
    EXPECT_EQ(window_->modifiedCount(), 0);
}

TEST_F(CsvCommandsTest, ExportThatCannotBeWrittenSaysSo) {
    writeBytes(dir_ / "file", "x");
    choose(dir_ / "file" / "items.csv");
    const QString text = triggerExpectingError(action("MenuCsvExport"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("CSV ファイルの書き出しに失敗しました。"))) << text.toStdString();
}

} // namespace
} // namespace tarvo::gui
