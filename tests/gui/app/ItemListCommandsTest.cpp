#include "gui/app/ItemListCommands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <memory>

#include "gui/ModalDialog.h"
#include "gui/app/MainForm.h"
#include "gui/ui/ArrangeListBox.h"
#include "gui/ui/InputDlg.h"
#include "gui/ui/ReplaceForm.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

using test::answerModal;

// A window on a project of five items that all check (names 1 to 5 below).
class ItemListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<MainForm>(dir_.path());
        window_->show();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void TearDown() override { window_.reset(); }

    void openSample() {
        window_->openProjectOnStart(QStringLiteral(TARVO_SAMPLES_DIR "/sawn-lumber-wind.tvp"));
        ASSERT_EQ(columns().Count(), 5);
        for (int i = 0; i < 5; ++i)
            names_.push_back(columns().Item(i).Name);
    }
    template <typename T> T* find(const char* name) {
        T* widget = window_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button) { find<QToolButton>(button)->click(); }
    const ColumnsData& columns() { return window_->columns(); }
    // Renames an item as a command of the document would.
    void setName(int index, const std::string& name) {
        MemberInputData item = columns().Item(index).input();
        item.Name = name;
        window_->document().editItem(index, item, 3);
    }
    QComboBox* nameList() { return find<QComboBox>("NameList"); }
    QString panel() { return find<QLabel>("PagePanel")->text(); }
    std::vector<std::string> listNames() {
        std::vector<std::string> names;
        names.reserve(static_cast<std::size_t>(columns().Count()));
        for (int i = 0; i < columns().Count(); ++i)
            names.push_back(columns().Item(i).Name);
        return names;
    }
    std::vector<std::string> entryNames() {
        std::vector<std::string> names;
        names.reserve(static_cast<std::size_t>(nameList()->count()));
        for (int i = 0; i < nameList()->count(); ++i)
            names.push_back(nameList()->itemText(i).toStdString());
        return names;
    }
    // Types Japanese or ASCII text into the focused name list.
    void typeName(const QString& text) {
        QTest::sendKeyEvent(QTest::Click, nameList()->lineEdit(), Qt::Key_unknown, text, Qt::NoModifier);
    }
    // Runs the arrange dialog, doing `arrange` in it and closing it with OK
    // (or Cancel).
    void arrange(const std::function<void(ReplaceForm*)>& work, bool ok = true) {
        answerModal<ReplaceForm>([work, ok](ReplaceForm* form) {
            work(form);
            if (ok)
                form->accept();
            else
                form->reject();
        });
        click("ArrangeButton");
    }

    test::TempDir dir_;
    std::unique_ptr<MainForm> window_;
    std::vector<std::string> names_;
};

TEST_F(ItemListCommandsTest, AddingAnItemThatDoesNotCheckIsRefusedWithAMessage) {
    // The new project's item has no section: it does not check.
    click("AddButton");
    EXPECT_EQ(find<QLabel>("MessageBord")->text(), QStringLiteral("現在のデータが未入力です。"));
    click("AddCopyButton");
    EXPECT_EQ(columns().Count(), 1);
    EXPECT_EQ(nameList()->count(), 1);
    EXPECT_EQ(window_->modifiedCount(), 0);
}

TEST_F(ItemListCommandsTest, AddAppendsTheShownItemWithoutNameAndForces) {
    openSample();
    window_->ShowItem(1, true);
    const ColumnMember shown = columns().Item(1);
    click("AddButton");
    ASSERT_EQ(columns().Count(), 6);
    const ColumnMember& added = columns().Item(5);
    EXPECT_EQ(window_->currentIndex(), 5);
    EXPECT_EQ(panel(), QStringLiteral("6/6"));
    EXPECT_EQ(added.Name, "");
    for (const double force : added.AxialForce)
        EXPECT_EQ(force, 0.0);
    EXPECT_EQ(added.B, shown.B);
    EXPECT_EQ(added.Lkx, shown.Lkx);
    EXPECT_EQ(entryNames().back(), "");
    EXPECT_EQ(nameList()->currentIndex(), 5);
    EXPECT_GT(window_->modifiedCount(), 0);
}

TEST_F(ItemListCommandsTest, CopyKeepsNameAndForces) {
    openSample();
    click("AddCopyButton");
    ASSERT_EQ(columns().Count(), 6);
    EXPECT_EQ(columns().Item(5).Name, names_[0]);
    EXPECT_EQ(columns().Item(5).AxialForce, columns().Item(0).AxialForce);
    EXPECT_EQ(entryNames().back(), names_[0]);
    EXPECT_EQ(panel(), QStringLiteral("6/6"));
}

TEST_F(ItemListCommandsTest, ACopyThatWouldTakeTheProjectPastTheReadersLimitIsRefused) {
    openSample();
    // A name of 40 MiB: a copy would make a file of more than 64 MiB.
    setName(0, std::string(std::size_t{40} << 20, 'n'));
    QString said;
    answerModal<QMessageBox>(
        [&](QMessageBox* box) {
            said = box->text();
            box->accept();
        },
        nullptr);
    click("AddCopyButton");
    EXPECT_EQ(said, QStringLiteral("データを追加できません。\nプロジェクトファイルが上限の 64 MiB を超えます。"));
    EXPECT_EQ(columns().Count(), 5);
    EXPECT_EQ(nameList()->count(), 5);
    // Adding goes on working once the project has room again.
    setName(0, names_[0]);
    click("AddButton");
    EXPECT_EQ(columns().Count(), 6);
}

TEST_F(ItemListCommandsTest, DeleteOfFirstMiddleAndLastItem) {
    openSample();
    click("DeleteButton"); // the first item stays
    EXPECT_EQ(columns().Count(), 5);
    EXPECT_EQ(window_->modifiedCount(), 0);

    window_->ShowItem(2, true);
    click("DeleteButton");
    EXPECT_EQ(listNames(), (std::vector<std::string>{names_[0], names_[1], names_[3], names_[4]}));
    EXPECT_EQ(entryNames(), listNames());
    EXPECT_EQ(window_->currentIndex(), 2); // the item that moved up
    EXPECT_EQ(nameList()->currentText().toStdString(), names_[3]);

    window_->ShowItem(3, true);
    click("DeleteButton");
    EXPECT_EQ(listNames(), (std::vector<std::string>{names_[0], names_[1], names_[3]}));
    EXPECT_EQ(window_->currentIndex(), 2);
    EXPECT_EQ(panel(), QStringLiteral("3/3"));
    EXPECT_GT(window_->modifiedCount(), 0);
}

TEST_F(ItemListCommandsTest, DeleteIsOffOnTheFirstItemAndARefusalSaysWhy) {
    openSample();
    window_->ShowItem(1, true);
    EXPECT_TRUE(find<QToolButton>("DeleteButton")->isEnabled());
    window_->ShowItem(0, true);
    EXPECT_FALSE(find<QToolButton>("DeleteButton")->isEnabled());
    // The command reached by another way than the button is refused aloud.
    window_->itemCommands().DeleteButtonClick();
    EXPECT_EQ(columns().Count(), 5);
    EXPECT_EQ(find<QLabel>("MessageBord")->text(), QStringLiteral("先頭のデータは削除できません。"));
    EXPECT_EQ(window_->modifiedCount(), 0);
    EXPECT_FALSE(window_->undoStack().canUndo());
}

TEST_F(ItemListCommandsTest, NavigationButtonsAtBothEnds) {
    const auto enabled = [this](const char* name) { return find<QToolButton>(name)->isEnabled(); };
    openSample();
    EXPECT_FALSE(enabled("FirstButton"));
    EXPECT_FALSE(enabled("BeforButton"));
    EXPECT_TRUE(enabled("NextButton"));
    EXPECT_TRUE(enabled("LastButton"));
    EXPECT_FALSE(enabled("DeleteButton")); // the first item is never deleted
    EXPECT_TRUE(enabled("ArrangeButton"));
    click("LastButton");
    EXPECT_TRUE(enabled("DeleteButton"));
    EXPECT_EQ(panel(), QStringLiteral("5/5"));
    EXPECT_TRUE(enabled("FirstButton"));
    EXPECT_TRUE(enabled("BeforButton"));
    EXPECT_FALSE(enabled("NextButton"));
    EXPECT_FALSE(enabled("LastButton"));
    click("BeforButton");
    EXPECT_EQ(panel(), QStringLiteral("4/5"));
    // Deleting down to one item disables them all.
    for (int i = 0; i < 4; ++i)
        click("DeleteButton");
    EXPECT_EQ(columns().Count(), 1);
    for (const char* name : {"FirstButton", "BeforButton", "NextButton", "LastButton", "DeleteButton", "ArrangeButton"})
        EXPECT_FALSE(enabled(name)) << name;
}

TEST_F(ItemListCommandsTest, TypingInTheNameListRenamesTheItemAsOneTypes) {
    openSample();
    window_->ShowItem(1, true);
    nameList()->setFocus();
    nameList()->lineEdit()->selectAll();
    typeName(QStringLiteral("東"));
    EXPECT_EQ(columns().Item(1).Name, "東");
    typeName(QStringLiteral("柱"));
    EXPECT_EQ(columns().Item(1).Name, "東柱");
    EXPECT_EQ(entryNames()[1], "東柱");
    // The caret stays where one types, also in the middle of the name.
    nameList()->lineEdit()->setCursorPosition(1);
    typeName(QStringLiteral("の"));
    EXPECT_EQ(columns().Item(1).Name, "東の柱");
    EXPECT_EQ(nameList()->lineEdit()->cursorPosition(), 2);
    EXPECT_EQ(columns().Item(0).Name, names_[0]);
    EXPECT_GT(window_->modifiedCount(), 0);
}

TEST_F(ItemListCommandsTest, EscRestoresTheNameTheItemHadWhenTheListGotTheFocus) {
    openSample();
    nameList()->setFocus();
    nameList()->lineEdit()->selectAll();
    typeName(QStringLiteral("X"));
    ASSERT_EQ(columns().Item(0).Name, "X");
    QTest::keyClick(nameList(), Qt::Key_Escape);
    EXPECT_EQ(columns().Item(0).Name, names_[0]);
    EXPECT_EQ(nameList()->currentText().toStdString(), names_[0]);
    EXPECT_EQ(entryNames()[0], names_[0]);
}

TEST_F(ItemListCommandsTest, EscAfterMovingToAnotherItemKeepsThatItemsOwnName) {
    openSample();
    nameList()->setFocus();
    QTest::keyClick(nameList(), Qt::Key_Down);
    EXPECT_EQ(window_->currentIndex(), 1);
    nameList()->lineEdit()->selectAll();
    typeName(QStringLiteral("Y"));
    QTest::keyClick(nameList(), Qt::Key_Escape);
    EXPECT_EQ(listNames(), names_);
}

TEST_F(ItemListCommandsTest, ArrowKeysMoveBetweenItemsAndStopAtTheEnds) {
    openSample();
    nameList()->setFocus();
    QTest::keyClick(nameList(), Qt::Key_Up);
    EXPECT_EQ(window_->currentIndex(), 0);
    QTest::keyClick(nameList(), Qt::Key_Down);
    QTest::keyClick(nameList(), Qt::Key_Down);
    EXPECT_EQ(window_->currentIndex(), 2);
    EXPECT_EQ(nameList()->currentIndex(), 2);
    EXPECT_EQ(panel(), QStringLiteral("3/5"));
    EXPECT_EQ(listNames(), names_);
    EXPECT_EQ(window_->modifiedCount(), 0);
}

TEST_F(ItemListCommandsTest, ChoosingAnEntryShowsItsItemAndRenamesNothing) {
    openSample();
    nameList()->setFocus();
    nameList()->showPopup();
    QAbstractItemView* view = nameList()->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(nameList()->model()->index(3, 0)).center());
    EXPECT_EQ(window_->currentIndex(), 3);
    EXPECT_EQ(panel(), QStringLiteral("4/5"));
    EXPECT_EQ(listNames(), names_);
    EXPECT_EQ(window_->modifiedCount(), 0);
    typeName(QStringLiteral("Z")); // the first key after a choice renames too
    EXPECT_EQ(columns().Item(3).Name, names_[3] + "Z");
}

TEST_F(ItemListCommandsTest, LeavingTheListWithALongNameFromAFileRenamesNothing) {
    openSample();
    const std::string longName(40, 'n');
    setName(0, longName);
    window_->FillNameList();
    window_->ShowItem(0, true);
    nameList()->setFocus();
    find<QToolButton>("NextButton")->setFocus(); // tool buttons take no focus
    window_->findChild<QWidget*>(QStringLiteral("LkxEdit"))->setFocus();
    EXPECT_EQ(columns().Item(0).Name, longName);
}

TEST_F(ItemListCommandsTest, ArrangingMovesRenamesAndDeletesThenShowsTheFirstItem) {
    openSample();
    window_->ShowItem(4, true);
    arrange([](ReplaceForm* form) {
        ArrangeListBox* list = form->listBox();
        ASSERT_EQ(list->count(), 5);
        EXPECT_EQ(list->item(0)->text().left(5), QStringLiteral("  1; "));
        list->moveLine(0, 2); // line 1 dropped on line 3
        list->setCurrentRow(4);
        answerModal<InputDlg>([](InputDlg* dialog) {
            dialog->inputBox()->setText(QStringLiteral("  新しい名前 "));
            dialog->accept();
        });
        form->NameChangeClick();
        list->setCurrentRow(3);
        form->DeleteNameClick();
    });
    EXPECT_EQ(listNames(), (std::vector<std::string>{names_[1], names_[2], names_[0], "新しい名前"}));
    EXPECT_EQ(entryNames(), listNames());
    EXPECT_EQ(window_->currentIndex(), 0);
    EXPECT_EQ(panel(), QStringLiteral("1/4"));
    EXPECT_GT(window_->modifiedCount(), 0);
}

TEST_F(ItemListCommandsTest, ArrangingWithoutChangesOrWithCancelChangesNothing) {
    openSample();
    window_->ShowItem(3, true);
    arrange([](ReplaceForm*) {});
    EXPECT_EQ(window_->currentIndex(), 3);
    EXPECT_EQ(window_->modifiedCount(), 0);

    arrange([](ReplaceForm* form) { form->listBox()->moveLine(0, 4); }, false);
    EXPECT_EQ(listNames(), names_);
    EXPECT_EQ(window_->currentIndex(), 3);
    EXPECT_EQ(window_->modifiedCount(), 0);
}

TEST_F(ItemListCommandsTest, ArrangingNeverEmptiesTheList) {
    openSample();
    arrange([](ReplaceForm* form) {
        for (int i = 0; i < 5; ++i) {
            form->listBox()->setCurrentRow(0);
            form->DeleteNameClick();
        }
        EXPECT_EQ(form->listBox()->count(), 1);
    });
    EXPECT_EQ(listNames(), std::vector<std::string>{names_[4]});
}

} // namespace
} // namespace tarvo::gui
