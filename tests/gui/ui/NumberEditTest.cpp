#include "gui/ui/NumberEdit.h"
#include "gui/ui/NumLabeledEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
// Failure messages show texts as text.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tarvo::gui {
namespace {

// A window with a plain edit holding the focus and two fields after it,
// `field` before `next` in the focus chain.
class NumberEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window_.get());
        auto* start = new QLineEdit(window_.get());
        field = new NumberEdit(window_.get());
        next = new NumberEdit(window_.get());
        layout->addWidget(start);
        layout->addWidget(field);
        layout->addWidget(next);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        start->setFocus();
        ASSERT_TRUE(start->hasFocus());
    }

    // Focus as Tab gives it: the text is selected, so typing replaces it.
    void enter(NumberEdit* edit) {
        edit->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(edit->hasFocus());
    }

    void configureReal(NumberEdit* edit, int digits, NumSign sign = NumSign::Signed) {
        edit->model().setType(NumType::Double);
        edit->model().setDigits(digits);
        edit->model().setSignState(sign);
    }

    // Variables the fields link to; they outlive the window, whose
    // destruction still takes the focus from a field.
    double real = 0.0;
    int whole = 0;
    std::unique_ptr<QWidget> window_;
    NumberEdit* field = nullptr;
    NumberEdit* next = nullptr;
};

TEST_F(NumberEditTest, NewFieldIsCentredSixtyPixelsWideWithoutInputMethod) {
    EXPECT_EQ(field->alignment(), Qt::AlignCenter);
    EXPECT_EQ(field->width(), 60);
    EXPECT_EQ(field->text(), "0");
    field->setReadOnly(true);
    field->setReadOnly(false); // QLineEdit would switch the input method back on
    EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(NumberEditTest, LeavingWritesTheVariableBeforeExitedIsEmitted) {
    configureReal(field, 2);
    real = 2.5;
    field->link(&real);
    EXPECT_EQ(field->text(), "2.50");
    double seen = 0;
    // The connection ends with the test body: the window's destruction
    // afterwards still takes the focus from the field and emits `exited`.
    const QObject scope;
    QObject::connect(field, &NumberEdit::exited, &scope, [&] { seen = real; });
    enter(field);
    QTest::keyClicks(field, "1.125");
    EXPECT_EQ(real, 2.5); // only the text changes while typing
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_DOUBLE_EQ(seen, 1.13);
    EXPECT_EQ(field->text(), "1.13");

    next->model().setZeroVisible(false);
    next->link(&whole);
    EXPECT_EQ(next->text(), "");
    QTest::keyClicks(next, "2800");
    field->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(whole, 2800);
    // A context menu taking the focus is a way of leaving too.
    field->selectAll();
    QTest::keyClicks(field, "4");
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field, &out);
    EXPECT_EQ(real, 4.0);
}

TEST_F(NumberEditTest, EnterMovesToTheNextControlAndWrites) {
    configureReal(field, 2);
    field->link(&real);
    QSignalSpy returned(field, &QLineEdit::returnPressed);
    enter(field);
    QTest::keyClicks(field, "1e5");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(real, 100000.0);
    EXPECT_EQ(field->text(), "100000.00");
    EXPECT_EQ(returned.count(), 0); // swallowed
    enter(field);
    QTest::keyClicks(field, "3");
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(real, 3.0);
}

TEST_F(NumberEditTest, EscPutsBackTheValueShownWhenTheFieldWasEntered) {
    configureReal(field, 1);
    real = 12.5;
    field->link(&real);
    real = 4.0; // changed by the program while the field still shows 12.5
    enter(field);
    EXPECT_EQ(field->text(), "4.0");
    QTest::keyClicks(field, "99");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "4.0");
    EXPECT_FALSE(field->isModified());
    next->setFocus();
    EXPECT_EQ(real, 4.0);
}

TEST_F(NumberEditTest, RefusedCharactersNeverReachTheText) {
    configureReal(field, 2, NumSign::Unsigned);
    enter(field);
    QTest::keyClicks(field, "-1.2.3x E5-,+");
    EXPECT_EQ(field->text(), "1.23E5");
    field->setCursorPosition(5);
    QTest::keyClicks(field, "-");
    EXPECT_EQ(field->text(), "1.23E-5");
    QTest::keyClick(field, Qt::Key_Tab); // into a signed whole-number field, its text selected
    EXPECT_EQ(field->text(), "0.00");
    QTest::keyClicks(next, "-12.5e3a");
    EXPECT_EQ(next->text(), "-1253");
}

TEST_F(NumberEditTest, KeysWithoutTextAndEditShortcutsPass) {
    whole = 123;
    field->link(&whole);
    field->setFocus(Qt::OtherFocusReason);
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "2");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "23");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "23");
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
}

TEST_F(NumberEditTest, PieceCountFieldIsAtLeastOneWhateverIsPasted) {
    whole = 3;
    field->model().setSignState(NumSign::Unsigned);
    field->model().setUseMin(true);
    field->model().setValueMin(1);
    field->model().setZeroValue(1);
    field->link(&whole);
    enter(field);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "-");
    EXPECT_EQ(field->text(), "");
    next->setFocus();
    EXPECT_EQ(whole, 1);
    EXPECT_EQ(field->text(), "1");

    QApplication::clipboard()->setText("abc");
    enter(field);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); // refused
    EXPECT_EQ(field->text(), "1");
    field->paste(); // what the context menu does: not filtered
    EXPECT_EQ(field->text(), "abc");
    whole = 4;
    field->commit();
    EXPECT_EQ(whole, 1);
    EXPECT_EQ(field->text(), "1");
}

TEST_F(NumberEditTest, CommitWritesAndSignalsWithoutMovingTheFocus) {
    configureReal(field, 3, NumSign::Unsigned);
    field->link(&real);
    QSignalSpy exited(field, &NumberEdit::exited);
    enter(field);
    QTest::keyClicks(field, "1.2345");
    field->commit();
    EXPECT_DOUBLE_EQ(real, 1.235);
    EXPECT_EQ(field->text(), "1.235");
    EXPECT_EQ(exited.count(), 1);
    EXPECT_TRUE(field->hasFocus());
    field->setReadOnly(true);
    QTest::keyClicks(field, "9");
    field->setValue(5);
    field->commit();
    EXPECT_DOUBLE_EQ(real, 1.235); // a read-only field never writes
}

TEST_F(NumberEditTest, ProgramTextChangesSignalAndKeepTheModifiedFlag) {
    whole = 1;
    field->link(&whole);
    QSignalSpy changed(field, &QLineEdit::textChanged);
    field->setModified(true);
    field->setValue(7);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(field->isModified());
    EXPECT_EQ(whole, 7);
    field->setValue(7);
    EXPECT_EQ(changed.count(), 1); // same text, no change
    whole = 9;
    field->showUpdate();
    EXPECT_EQ(field->text(), "9");
    EXPECT_TRUE(field->isModified());
}

TEST(NumberEditInDialog, EscClosesTheDialogAfterRestoring) {
    int n = 5; // outlives the dialog
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new NumberEdit(&dialog);
    layout->addWidget(field);
    field->link(&n);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, "9");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "5");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(NumLabeledEdit, LabelIsASiblingThatFollowsTheField) {
    QWidget page;
    auto* edit = new NumLabeledEdit(" 本数", &page);
    QLabel* label = edit->editLabel();
    EXPECT_EQ(label->text(), " 本数");
    EXPECT_EQ(label->parentWidget(), &page);
    EXPECT_EQ(label->buddy(), edit);
    page.show();
    EXPECT_TRUE(label->isVisible());
    edit->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    edit->hide();
    EXPECT_FALSE(label->isVisible());
    edit->show();
    EXPECT_TRUE(label->isVisible());
    const QPointer<QLabel> watched(label);
    delete edit;
    EXPECT_TRUE(watched.isNull());
}

TEST(NumLabeledEdit, LabelMovesWithTheFieldIntoALayout) {
    auto* edit = new NumLabeledEdit("Lkx");
    EXPECT_EQ(edit->editLabel()->parentWidget(), nullptr);
    QWidget page;
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(edit);
    layout->addWidget(edit->editLabel());
    EXPECT_EQ(edit->editLabel()->parentWidget(), &page);
    page.show();
    EXPECT_TRUE(edit->editLabel()->isVisible());
}

} // namespace
} // namespace tarvo::gui
