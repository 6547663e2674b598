#include "gui/ui/UpDownButtons.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvo::gui {

UpDownButtons::UpDownButtons(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)), minimum_(minimum),
      maximum_(std::max(minimum, maximum)), position_(minimum) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDownButtons::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void UpDownButtons::step(int delta) {
    const int next = std::clamp(position_ + delta, minimum_, maximum_);
    if (next == position_) return;
    position_ = next;
    emit stepped(position_);
}

} // namespace tarvo::gui
