#include "gui/ui/NumberEdit.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>

namespace tarvo::gui {

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
    // Numbers are typed without an input method; the key filter sees every character.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(NumberEdit::sizeHint()); // this class's hint: no subclass exists yet
    model_.setReadOnly(isReadOnly());
    display(QString::fromStdString(model_.text()));
}

QSize NumberEdit::sizeHint() const {
    return {60, QLineEdit::sizeHint().height()};
}

void NumberEdit::link(double* variable) {
    model_.link(variable);
    display(QString::fromStdString(model_.text()));
}

void NumberEdit::link(int* variable) {
    model_.link(variable);
    display(QString::fromStdString(model_.text()));
}

void NumberEdit::holdValue(bool whole) {
    holds_ = true;
    holdsWhole_ = whole;
    if (whole)
        model_.link(&heldWhole_);
    else
        model_.link(&held_);
    display(QString::fromStdString(model_.text()));
}

void NumberEdit::showValue(double v) {
    if (holdsWhole_)
        heldWhole_ = static_cast<int>(v);
    else
        held_ = v;
    showUpdate();
}

void NumberEdit::linkOff() {
    model_.linkOff();
    display(QString::fromStdString(model_.text()));
}

void NumberEdit::showUpdate() {
    display(QString::fromStdString(model_.showUpdate()));
}

void NumberEdit::valueUpdate() {
    const std::string typed = text().toStdString();
    const std::string refused = model_.refusal(typed);
    if (!refused.empty()) {
        // The field keeps the value it had; its variable is not written.
        display(QString::fromStdString(model_.text()));
        emit entryRefused(QString::fromStdString(refused));
        return;
    }
    const double before = heldValue();
    display(QString::fromStdString(model_.valueUpdate(typed)));
    // NaN is never held: the model checks every value it writes.
    if (holds_ && heldValue() != before) emit valueEdited(heldValue());
}

void NumberEdit::setValue(double v) {
    display(QString::fromStdString(model_.setValue(v)));
}

void NumberEdit::commit() {
    valueUpdate();
    emit exited();
}

void NumberEdit::display(const QString& text) {
    if (this->text() == text) return;
    const bool modified = isModified();
    setText(text);
    setModified(modified);
}

bool NumberEdit::acceptsTypedText(const QString& typed) {
    // The model counts positions in bytes of the UTF-8 text.
    const QString current = text();
    const auto bytes = [&current](int pos) {
        return pos <= 0 ? 0 : static_cast<int>(current.left(pos).toUtf8().size());
    };
    const std::string utf8 = current.toStdString();
    const int caret = bytes(cursorPosition());
    int selStart = -1;
    int selLength = 0;
    if (hasSelectedText()) {
        const int start = selectionStart();
        selStart = bytes(start);
        selLength = bytes(start + static_cast<int>(selectedText().size())) - selStart;
    }
    for (const char32_t ch : typed.toUcs4()) {
        if (!model_.keyPress(ch, utf8, caret, selStart, selLength)) return false;
    }
    return true;
}

void NumberEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter moves on to the next control and never reaches the text.
        focusNextChild();
        event->accept();
        return;
    case Qt::Key_Escape:
        // Esc drops the edit made since the field got the focus and goes on
        // to the window (a dialog may close on it).
        model_.keyPress(U'\x1b', {}, 0, -1, 0);
        if (text() != enterText_) {
            setText(enterText_);
            setModified(false);
        }
        event->ignore();
        return;
    case Qt::Key_Delete: QLineEdit::keyPressEvent(event); return;
    default: break;
    }
    // Pasting with the keyboard goes through the filter (and is refused);
    // the edit's own shortcuts for copy, cut, select all, undo and redo work.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Undo) ||
        event->matches(QKeySequence::Redo)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && !acceptsTypedText(typed)) {
        event->accept(); // dropped
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Input methods are switched off; should one still deliver text, it
    // passes the same filter as typed keys, and composing text is dropped.
    if (event->preeditString().isEmpty() && !event->commitString().isEmpty() &&
        acceptsTypedText(event->commitString())) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    event->accept();
}

void NumberEdit::focusInEvent(QFocusEvent* event) {
    showUpdate();
    // Esc goes back to what the field showed when the user came to it; a
    // context menu taking the focus for a moment does not start anew.
    if (event->reason() != Qt::PopupFocusReason) enterText_ = text();
    QLineEdit::focusInEvent(event);
}

void NumberEdit::focusOutEvent(QFocusEvent* event) {
    // The exit handler sees the new value already in the linked variable.
    valueUpdate();
    const QPointer<NumberEdit> self(this);
    emit exited();
    if (self.isNull()) return;
    QLineEdit::focusOutEvent(event);
}

void NumberEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange) {
        model_.setReadOnly(isReadOnly());
        // QLineEdit turns the input method back on when it becomes editable.
        setAttribute(Qt::WA_InputMethodEnabled, false);
    }
}

} // namespace tarvo::gui
