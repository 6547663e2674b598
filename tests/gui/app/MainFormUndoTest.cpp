// Undo and redo in the window: one step per user action, named after what it
// changed, and every step taken back and made again exactly.
#include <QAction>
#include <QLineEdit>
#include <QUndoStack>

#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "core/project/InputChange.h"
#include "gui/ModalDialog.h"
#include "gui/app/FileCommands.h"
#include "gui/ui/ArrangeListBox.h"
#include "gui/ui/ReplaceForm.h"

namespace tarvo::gui {
namespace {

// Names what differs between two saved projects, for failure messages.
std::string difference(const std::string& expected, const std::string& actual) {
    ProjectContents a;
    ProjectContents b;
    if (parseProject(expected, a) != ProjectParseStatus::Ok || parseProject(actual, b) != ProjectParseStatus::Ok)
        return "unreadable";
    std::string text = DescribeCommonChange(a.common, b.common);
    if (a.items.size() != b.items.size()) return text + " count " + std::to_string(b.items.size());
    for (std::size_t i = 0; i < a.items.size(); ++i) {
        const std::string what = DescribeItemChange(a.items[i], b.items[i]);
        if (!what.empty()) text += " item " + std::to_string(i) + ": " + what;
    }
    return text;
}

class MainFormUndoTest : public MainFormFixture {
protected:
    QUndoStack& stack() { return window_->undoStack(); }
    QAction* action(const char* name) { return window_->findChild<QAction*>(QLatin1String(name)); }
    QStringList stepTexts() {
        QStringList texts;
        for (int i = 0; i < stack().count(); ++i)
            texts.append(stack().text(i));
        return texts;
    }
    // Showing an item fits its storey height to the common conditions, and
    // every check derives the wind coefficient of every item: values that
    // follow from the inputs whenever the window shows anything. Projects
    // are compared once they have settled.
    void showEveryItem() {
        const int shown = window_->currentIndex();
        for (int i = 0; i < window_->columns().Count(); ++i)
            window_->ShowItem(i, true);
        window_->ShowItem(shown, true);
    }
    std::string settledBytes() {
        window_->recomputeItem();
        return projectBytes();
    }
    std::vector<QString> entryNames() {
        auto* list = find<QComboBox>("NameList");
        std::vector<QString> names;
        names.reserve(static_cast<std::size_t>(list->count()));
        for (int i = 0; i < list->count(); ++i)
            names.push_back(list->itemText(i));
        return names;
    }
    std::vector<QString> itemNames() {
        std::vector<QString> names;
        names.reserve(static_cast<std::size_t>(window_->columns().Count()));
        for (int i = 0; i < window_->columns().Count(); ++i)
            names.push_back(QString::fromStdString(window_->columns().Item(i).Name));
        return names;
    }
    // Undoes every step, comparing the project with `states` from the last
    // to the first, then redoes them all.
    void undoAndRedoThrough(const std::vector<std::string>& states) {
        for (std::size_t i = states.size() - 1; i > 0; --i) {
            window_->undo();
            const std::string now = settledBytes();
            EXPECT_TRUE(now == states[i - 1]) << "undo to state " << i - 1 << difference(states[i - 1], now);
            EXPECT_EQ(entryNames(), itemNames()) << "undo to state " << i - 1;
        }
        EXPECT_FALSE(stack().canUndo());
        for (std::size_t i = 1; i < states.size(); ++i) {
            window_->redo();
            const std::string now = settledBytes();
            EXPECT_TRUE(now == states[i]) << "redo to state " << i << difference(states[i], now);
            EXPECT_EQ(entryNames(), itemNames()) << "redo to state " << i;
        }
        EXPECT_FALSE(stack().canRedo());
    }
};

// Steps of field edits: one per user action, named after what changed.

TEST_F(MainFormUndoTest, TypedNumberIsOneStepNamedAfterItsField) {
    openSample("sawn-lumber-wind.tvp");
    const std::string before = projectBytes();
    type("LkxEdit", "3150");
    QApplication::processEvents();
    ASSERT_EQ(stack().count(), 1) << stepTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(stack().undoText(), QStringLiteral("Lkx の変更"));
    EXPECT_EQ(action("MenuUndo")->text(), QStringLiteral("元に戻す: Lkx の変更(&U)"));
    EXPECT_EQ(action("MenuRedo")->text(), QStringLiteral("やり直し(&R)"));
    EXPECT_FALSE(action("MenuRedo")->isEnabled());
    const std::string after = projectBytes();
    ASSERT_NE(after, before);

    window_->undo();
    EXPECT_EQ(projectBytes(), before);
    EXPECT_EQ(item().Lkx, 2800);
    EXPECT_EQ(find<NumberEdit>("LkxEdit")->text(), QStringLiteral("2800"));
    EXPECT_EQ(action("MenuRedo")->text(), QStringLiteral("やり直し: Lkx の変更(&R)"));
    window_->redo();
    EXPECT_EQ(projectBytes(), after);
}

TEST_F(MainFormUndoTest, ChoicesChecksCommonAndMaterialEditsAreStepsOfTheirOwn) {
    openSample("sawn-lumber-wind.tvp");
    // Each user action is its own event; the history records it when the
    // event is done.
    std::vector<std::string> states{settledBytes()};
    clickRadio("ProductKind", 2);
    QApplication::processEvents();
    states.push_back(settledBytes());
    find<QCheckBox>("Auto_Deduct")->click();
    QApplication::processEvents();
    states.push_back(settledBytes());
    find<QTabWidget>("PageControl")->setCurrentIndex(0);
    type("BuildingHeight", "12");
    QApplication::processEvents();
    // Leaving the page fits the shown item to the new storeys.
    find<QTabWidget>("PageControl")->setCurrentIndex(1);
    states.push_back(settledBytes());
    find<QRadioButton>("BaseMatButton5")->click();
    QApplication::processEvents();
    states.push_back(settledBytes());
    ASSERT_EQ(stack().count(), 4) << stepTexts().join(QLatin1Char('|')).toStdString();
    undoAndRedoThrough(states);
}

TEST_F(MainFormUndoTest, UndoShowsTheItemAndPageOfTheEdit) {
    openSample("mixed-with-ng.tvp");
    find<QToolButton>("NextButton")->click();
    find<QToolButton>("NextButton")->click();
    type("NL1", "33");
    find<QToolButton>("FirstButton")->click();
    find<QTabWidget>("PageControl")->setCurrentIndex(0);
    window_->undo();
    EXPECT_EQ(window_->currentIndex(), 2);
    EXPECT_EQ(find<QTabWidget>("PageControl")->currentIndex(), 3);
    EXPECT_EQ(find<QLabel>("PagePanel")->text(), QStringLiteral("3/") + QString::number(window_->columns().Count()));
}

TEST_F(MainFormUndoTest, UndoKeyInAFieldTakesBackTheProjectStep) {
    openSample("sawn-lumber-wind.tvp");
    const std::string before = projectBytes();
    type("LkxEdit", "3150");
    QApplication::processEvents();
    // Back in the field, whose own undo would only take back its typing.
    find<NumberEdit>("LkxEdit")->setFocus();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QLineEdit*>(focused), nullptr);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(projectBytes(), before);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(item().Lkx, 3150);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(item().Lkx, 3150) << "nothing left to redo";
}

TEST_F(MainFormUndoTest, NumberBeingTypedIsWrittenAndTakenBackByUndo) {
    openSample("sawn-lumber-wind.tvp");
    const std::string before = projectBytes();
    NumberEdit* edit = find<NumberEdit>("LkxEdit");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("4000"));
    window_->undo();
    EXPECT_EQ(projectBytes(), before);
    EXPECT_EQ(edit->text(), QStringLiteral("2800"));
}

TEST_F(MainFormUndoTest, NavigationAndShowingRecordNothing) {
    openSample("mixed-with-ng.tvp");
    for (int i = 0; i < 4; ++i)
        find<QToolButton>("NextButton")->click();
    find<QTabWidget>("PageControl")->setCurrentIndex(2);
    find<QTabWidget>("PageControl")->setCurrentIndex(3);
    QApplication::processEvents();
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(action("MenuUndo")->isEnabled());
    EXPECT_EQ(action("MenuUndo")->text(), QStringLiteral("元に戻す(&U)"));
}

// Steps of the list commands.

TEST_F(MainFormUndoTest, AddCopyDeleteAndArrangeAreUndoneAndRedoneByteForByte) {
    openSample("sawn-lumber-wind.tvp");
    showEveryItem();
    std::vector<std::string> states{settledBytes()};
    find<QToolButton>("AddButton")->click();
    states.push_back(settledBytes());
    window_->ShowItem(1, true);
    find<QToolButton>("AddCopyButton")->click();
    states.push_back(settledBytes());
    window_->ShowItem(2, true);
    find<QToolButton>("DeleteButton")->click();
    states.push_back(settledBytes());
    test::answerModal<ReplaceForm>([](ReplaceForm* form) {
        form->listBox()->moveLine(0, 3);
        form->accept();
    });
    find<QToolButton>("ArrangeButton")->click();
    states.push_back(settledBytes());
    ASSERT_EQ(stepTexts(), (QStringList{QStringLiteral("データの追加"), QStringLiteral("データのコピー"),
                                        QStringLiteral("データの削除"), QStringLiteral("データの整理")}));

    window_->undo(); // the arrangement
    EXPECT_EQ(settledBytes(), states[3]);
    window_->undo(); // the delete: the deleted item is back and shown
    EXPECT_TRUE(settledBytes() == states[2]) << difference(states[2], settledBytes());
    EXPECT_EQ(window_->currentIndex(), 2);
    EXPECT_EQ(find<QLabel>("PagePanel")->text(), QStringLiteral("3/7"));
    window_->redo();
    window_->redo();
    undoAndRedoThrough(states);
}

TEST_F(MainFormUndoTest, RenamingInTheNameListIsOneStepPerRunOfTyping) {
    openSample("sawn-lumber-wind.tvp");
    const std::string before = projectBytes();
    const QString name = find<QComboBox>("NameList")->itemText(0);
    QLineEdit* edit = find<QComboBox>("NameList")->lineEdit();
    find<QComboBox>("NameList")->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("AB"));
    find<NumberEdit>("LkxEdit")->setFocus(); // leaving the list ends the run
    QApplication::processEvents();
    find<QComboBox>("NameList")->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("C"));
    QApplication::processEvents();
    ASSERT_EQ(stack().count(), 2) << stepTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(stack().undoText(), QStringLiteral("名称 の変更"));
    window_->undo();
    EXPECT_EQ(item().Name, (name + QStringLiteral("AB")).toStdString());
    window_->undo();
    EXPECT_EQ(projectBytes(), before);
    EXPECT_EQ(find<QComboBox>("NameList")->itemText(0), name);
}

// The history and the save state.

TEST_F(MainFormUndoTest, NewAndOpenForgetTheHistory) {
    type("SizeD", "120");
    QApplication::processEvents();
    EXPECT_GT(stack().count(), 0);
    openSample("lvl-wind.tvp");
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(action("MenuUndo")->isEnabled());
    type("LkxEdit", "3000");
    QApplication::processEvents();
    EXPECT_GT(stack().count(), 0);
    answerBoxes({QMessageBox::No}); // the save prompt
    action("MenuFileNew")->trigger();
    EXPECT_EQ(stack().count(), 0);
    EXPECT_EQ(window_->modifiedCount(), 0);
}

TEST_F(MainFormUndoTest, UndoingBackToTheSavedStateNeedsNoSave) {
    openSample("sawn-lumber-wind.tvp");
    type("NS", "20");
    EXPECT_GT(window_->modifiedCount(), 0);
    window_->undo();
    EXPECT_EQ(window_->modifiedCount(), 0);
    EXPECT_TRUE(window_->fileCommands().AskToSave()) << "no prompt is shown";
    window_->redo();
    EXPECT_GT(window_->modifiedCount(), 0);

    // Saved with the edit: undoing it leaves the saved state.
    const auto file = dir_ / "saved.tvp";
    ASSERT_EQ(window_->fileCommands().SaveProjectFile(file), 0);
    EXPECT_EQ(window_->modifiedCount(), 0);
    window_->undo();
    EXPECT_GT(window_->modifiedCount(), 0);
    window_->redo();
    EXPECT_EQ(window_->modifiedCount(), 0);
}

} // namespace
} // namespace tarvo::gui

namespace tarvo::gui {
namespace {

class DocumentUndoTest : public MainFormFixture {};

TEST_F(DocumentUndoTest, ACommonEditThenAPageChangeIsOneStepAndOneUndoTakesItBack) {
    openSample("sawn-lumber-wind.tvp");
    const double height = window_->common().BuildingHeight;
    auto* pages = find<QTabWidget>("PageControl");
    pages->setCurrentIndex(0);
    type("BuildingHeight", "12");
    pages->setCurrentIndex(3); // the shown item is fitted: no edit of the user
    QApplication::processEvents();
    ASSERT_EQ(window_->undoStack().count(), 1)
        << window_->undoStack().text(0).toStdString() << " / " << window_->undoStack().text(1).toStdString();
    EXPECT_EQ(window_->undoStack().undoText(), QStringLiteral("建物高さ H の変更"));
    window_->undo();
    EXPECT_EQ(window_->common().BuildingHeight, height);
    EXPECT_FALSE(window_->undoStack().canUndo());
}

TEST_F(DocumentUndoTest, ATypedValueIsInTheProjectWhenTheFieldIsLeft) {
    openSample("sawn-lumber-wind.tvp");
    type("LkxEdit", "3150");
    // No event has run since: the command is on the stack already, with Lky derived.
    EXPECT_EQ(window_->columns().Item(0).Lkx, 3150);
    EXPECT_EQ(window_->columns().Item(0).Lky, 3150);
    ASSERT_EQ(window_->undoStack().count(), 1);
    EXPECT_EQ(window_->undoStack().undoText(), QStringLiteral("Lkx の変更"));
}

TEST_F(DocumentUndoTest, ListChangesWhileAFieldHasTheFocusKeepTheTypedValue) {
    openSample("sawn-lumber-wind.tvp");
    NumberEdit* lkx = find<NumberEdit>("LkxEdit");
    for (const char* button : {"AddCopyButton", "DeleteButton", "AddButton", "LastButton"}) {
        lkx->setFocus();
        lkx->selectAll();
        QTest::keyClicks(lkx, QLatin1String("3210"));
        find<QToolButton>(button)->click();
        QApplication::processEvents();
    }
    window_->undo();
    window_->redo();
    EXPECT_EQ(window_->columns().Count(), 6);
    EXPECT_EQ(window_->columns().Item(4).Lkx, 3210);
}

} // namespace
} // namespace tarvo::gui
