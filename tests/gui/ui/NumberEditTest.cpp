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
    int seen = -1;
    std::unique_ptr<QWidget> window_;
    NumberEdit* field = nullptr;
    NumberEdit* next = nullptr;
};

TEST_F(NumberEditTest, NewFieldIsCentredSixtyPixelsWideWithoutInputMethod) {
    EXPECT_EQ(field->alignment(), Qt::AlignCenter);
    EXPECT_EQ(field->sizeHint().width(), 60);
    EXPECT_EQ(field->width(), 60);
    EXPECT_EQ(field->text(), "0");
    EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
    field->setReadOnly(true);
    field->setReadOnly(false); // QLineEdit would switch the input method back on
    EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(NumberEditTest, TypedNumberReachesTheDoubleWhenTheFieldIsLeft) {
    double& height = real;
    height = 2.5;
    configureReal(field, 2);
    field->link(&height);
    EXPECT_EQ(field->text(), "2.50");
    QSignalSpy exited(field, &NumberEdit::exited);
    enter(field);
    QTest::keyClicks(field, "1.125");
    EXPECT_EQ(field->text(), "1.125");
    EXPECT_EQ(height, 2.5); // only the text changes while typing
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_DOUBLE_EQ(height, 1.13);
    EXPECT_EQ(field->text(), "1.13");
    EXPECT_EQ(exited.count(), 1);
}

TEST_F(NumberEditTest, TypedNumberReachesTheIntWhenTheFieldIsLeft) {
    int& lkx = whole;
    lkx = 0;
    field->model().setSignState(NumSign::Unsigned);
    field->model().setZeroVisible(false);
    field->link(&lkx);
    EXPECT_EQ(field->text(), "");
    enter(field);
    QTest::keyClicks(field, "2800");
    next->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(lkx, 2800);
}

TEST_F(NumberEditTest, EnterMovesToTheNextControlAndWrites) {
    double& z = real;
    z = 0;
    configureReal(field, 2);
    field->link(&z);
    QSignalSpy returned(field, &QLineEdit::returnPressed);
    enter(field);
    QTest::keyClicks(field, "1e5");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(z, 100000.0);
    EXPECT_EQ(field->text(), "100000.00");
    EXPECT_EQ(returned.count(), 0); // swallowed
    enter(field);
    QTest::keyClicks(field, "3");
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(z, 3.0);
}

TEST_F(NumberEditTest, EscPutsBackTheTextTheFieldHadWhenEntered) {
    double& force = real;
    force = 12.5;
    configureReal(field, 1);
    field->link(&force);
    enter(field);
    QTest::keyClicks(field, "99");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "12.5");
    EXPECT_FALSE(field->isModified());
    QTest::keyClicks(field, "7");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "12.5");
    next->setFocus();
    EXPECT_EQ(force, 12.5);
}

TEST_F(NumberEditTest, EscRemembersTheValueShownOnEnteringNotAStaleText) {
    double& force = real;
    force = 12.5;
    configureReal(field, 1);
    field->link(&force);
    force = 4.0; // changed by the program while the field shows 12.5
    enter(field);
    EXPECT_EQ(field->text(), "4.0");
    QTest::keyClicks(field, "8");
    QTest::keyClick(field, Qt::Key_Escape);
    next->setFocus();
    EXPECT_EQ(force, 4.0);
}

TEST_F(NumberEditTest, RefusedCharactersNeverReachTheText) {
    configureReal(field, 2, NumSign::Unsigned);
    field->link(static_cast<double*>(nullptr));
    enter(field);
    QTest::keyClicks(field, "-1.2.3x E5-,+");
    EXPECT_EQ(field->text(), "1.23E5");
    field->setCursorPosition(5);
    QTest::keyClicks(field, "-");
    EXPECT_EQ(field->text(), "1.23E-5");
    QTest::keyClick(field, Qt::Key_Tab); // into a signed whole-number field, its text selected
    EXPECT_EQ(field->text(), "0.00");
    EXPECT_EQ(next->selectedText(), "0");
    QTest::keyClicks(next, "-12.5e3a");
    EXPECT_EQ(next->text(), "-1253");
    EXPECT_EQ(next->model().pressKey(), U'a');
}

TEST_F(NumberEditTest, KeysWithoutTextAndEditShortcutsPass) {
    int& n = whole;
    n = 123;
    field->link(&n);
    field->setFocus(Qt::OtherFocusReason);
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->text(), "23");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "3");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "23");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field->selectedText(), "23");
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "23");
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
}

TEST_F(NumberEditTest, PieceCountFieldIsAtLeastOneWhateverIsPasted) {
    int& members = whole;
    members = 3;
    field->model().setSignState(NumSign::Unsigned);
    field->model().setUseMin(true);
    field->model().setValueMin(1);
    field->model().setZeroValue(1);
    field->link(&members);
    enter(field);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "-");
    EXPECT_EQ(field->text(), "");
    next->setFocus();
    EXPECT_EQ(members, 1);
    EXPECT_EQ(field->text(), "1");

    QApplication::clipboard()->setText("abc");
    enter(field);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); // refused
    EXPECT_EQ(field->text(), "1");
    field->paste(); // what the context menu does: not filtered
    EXPECT_EQ(field->text(), "abc");
    members = 4;
    field->commit();
    EXPECT_EQ(members, 1);
    EXPECT_EQ(field->text(), "1");
}

TEST_F(NumberEditTest, CommitWritesAndSignalsWithoutMovingTheFocus) {
    double& cf = real;
    cf = 0.9;
    configureReal(field, 3, NumSign::Unsigned);
    field->link(&cf);
    QSignalSpy exited(field, &NumberEdit::exited);
    enter(field);
    QTest::keyClicks(field, "1.2345");
    field->commit();
    EXPECT_DOUBLE_EQ(cf, 1.235);
    EXPECT_EQ(field->text(), "1.235");
    EXPECT_EQ(exited.count(), 1);
    EXPECT_TRUE(field->hasFocus());
}

TEST_F(NumberEditTest, LeavingForAPopupWritesToo) {
    double& w = real;
    w = 0;
    configureReal(field, 2);
    field->link(&w);
    QSignalSpy exited(field, &NumberEdit::exited);
    enter(field);
    QTest::keyClicks(field, "4.5");
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field, &out);
    EXPECT_EQ(w, 4.5);
    EXPECT_EQ(exited.count(), 1);
}

TEST_F(NumberEditTest, ExitSignalSeesTheNewValue) {
    int& b = whole;
    b = 0;
    field->link(&b);
    QObject::connect(field, &NumberEdit::exited, [&] { seen = b; });
    enter(field);
    QTest::keyClicks(field, "105");
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(seen, 105);
}

TEST_F(NumberEditTest, EnteringShowsTheVariablesPresentValue) {
    int& lkx = whole;
    lkx = 100;
    field->link(&lkx);
    lkx = 250;
    EXPECT_EQ(field->text(), "100");
    enter(field);
    EXPECT_EQ(field->text(), "250");
}

TEST_F(NumberEditTest, ProgramTextChangesSignalAndKeepTheModifiedFlag) {
    int& n = whole;
    n = 1;
    field->link(&n);
    QSignalSpy changed(field, &QLineEdit::textChanged);
    field->setModified(true);
    field->setValue(7);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(field->isModified());
    EXPECT_EQ(n, 7);
    field->setValue(7);
    EXPECT_EQ(changed.count(), 1); // same text, no change
    field->setModified(false);
    n = 9;
    field->showUpdate();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_FALSE(field->isModified());
    field->linkOff();
    EXPECT_EQ(field->text(), "0");
    EXPECT_EQ(n, 9);
}

TEST_F(NumberEditTest, ReadOnlyFieldNeverWritesItsVariable) {
    double& v = real;
    v = 2.0;
    configureReal(field, 1);
    field->link(&v);
    field->setReadOnly(true);
    field->setValue(5);
    field->commit();
    EXPECT_EQ(v, 2.0);
    EXPECT_EQ(field->text(), "5.0");
    field->setReadOnly(false);
    field->commit();
    EXPECT_EQ(v, 5.0);
}

TEST(NumberEditEsc, EscClosesTheDialogAfterRestoring) {
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
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), " 本数");
    EXPECT_EQ(label->parentWidget(), &page);
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_EQ(edit->alignment(), Qt::AlignCenter);
    page.show();
    EXPECT_TRUE(label->isVisible());
    edit->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    edit->setEnabled(true);
    EXPECT_TRUE(label->isEnabled());
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
    layout->addWidget(edit->editLabel());
    layout->addWidget(edit);
    page.show();
    EXPECT_EQ(edit->editLabel()->parentWidget(), &page);
    EXPECT_TRUE(edit->editLabel()->isVisible());
    EXPECT_TRUE(edit->isVisible());
}

TEST(NumLabeledEdit, WorksAsANumberField) {
    double z = 0;
    QWidget page;
    auto* edit = new NumLabeledEdit("Z", &page);
    edit->model().setType(NumType::Double);
    edit->model().setDigits(2);
    edit->link(&z);
    edit->setValue(1.125);
    EXPECT_EQ(edit->text(), "1.13");
    EXPECT_DOUBLE_EQ(z, 1.13);
}

} // namespace
} // namespace tarvo::gui
