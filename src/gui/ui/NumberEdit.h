#pragma once
// The numeric entry field of the window: a single-line edit over a
// NumberFieldModel. Typed characters pass the model's filter; leaving the
// field (or `commit`) reads the text, checks it, writes the linked variable
// and shows the model's text; entering it shows the variable's present
// value. Enter moves on to the next control; Esc puts back the text the
// field had when it got the focus.
//
// A field of a page holds its value itself (`holdValue`): the page shows a
// value of the project in it (`showValue`) and learns of a new one typed
// into it (`valueEdited`), which it commits to the project. No field keeps
// a pointer into the project. Dialogs may link a field to a variable of
// their own instead (`link`).
//
// Configure the model (type, digits, limits, ...) before linking; a change
// of its settings shows at the next link, showUpdate or setValue.
//
// Qt takes the focus from a focused field inside the destructor of its
// top-level window, after the window's own members are gone; the field then
// writes its variable and emits `exited`. Delete the pages holding fields
// (or unlink them) before the data they are linked to goes.
#include <QLineEdit>
#include <QString>

#include "core/text/NumberFieldModel.h"

namespace tarvo::gui {

class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr);

    NumberFieldModel& model() { return model_; }
    [[nodiscard]] const NumberFieldModel& model() const { return model_; }

    // Link to a variable (or unlink: the value becomes 0) and show the value.
    void link(double* variable);
    void link(int* variable);
    void linkOff();
    // The field holds its value itself, a whole number (`whole`) or a real one.
    void holdValue(bool whole);
    // Shows `v` (checked) as the field's held value, without `valueEdited`.
    void showValue(double v);
    // Shows the linked variable's value, checked, without writing it.
    void showUpdate();
    // Reads the text into the value, writes the linked variable, shows the value.
    void valueUpdate();
    // value = v, written to the linked variable and shown.
    void setValue(double v);
    [[nodiscard]] double value() const { return model_.value(); }

    // Does what leaving the field does, without moving the focus: writes
    // the text into the linked variable and emits `exited`. The window calls
    // it for the focused field before any command, so that typed numbers
    // are never lost.
    void commit();

    // The preferred width is 60 pixels.
    [[nodiscard]] QSize sizeHint() const override;

signals:
    // The field was left (any reason) or committed; the linked variable
    // already holds the new value.
    void exited();
    // The text was refused (no number, or outside the field's limits, for
    // a model that refuses those): the field shows its earlier value again.
    // Emitted before `exited`.
    void entryRefused(const QString& message);
    // A held value changed because the user typed it (emitted before
    // `exited`): `v` is the new value, to be committed to the project.
    void valueEdited(double v);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows `text` (emitting textChanged when it differs) and keeps the
    // modified flag as it was.
    void display(const QString& text);
    // Whether the key event's text may go into the field.
    [[nodiscard]] bool acceptsTypedText(const QString& typed);

    [[nodiscard]] double heldValue() const { return holdsWhole_ ? static_cast<double>(heldWhole_) : held_; }

    NumberFieldModel model_;
    bool holds_ = false;
    bool holdsWhole_ = false;
    double held_ = 0;
    int heldWhole_ = 0;
    QString enterText_; // the text when the field got the focus, for Esc
};

} // namespace tarvo::gui
