#pragma once
// A pair of small arrow buttons that step a whole number between limits,
// the spin buttons beside the piece-count fields. The page shows the
// position in the field beside it and reacts to `stepped`.
#include <QWidget>

class QToolButton;

namespace tarvo::gui {

class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    UpDownButtons(int minimum, int maximum, QWidget* parent = nullptr);

    [[nodiscard]] int position() const { return position_; }
    // Sets the position (clamped to the limits) without a signal.
    void setPosition(int position);
    [[nodiscard]] QToolButton* upButton() const { return up_; }
    [[nodiscard]] QToolButton* downButton() const { return down_; }

signals:
    // The user stepped the position (it changed).
    void stepped(int position);

private:
    void step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int position_;
};

} // namespace tarvo::gui
