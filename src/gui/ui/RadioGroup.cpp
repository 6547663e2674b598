#include "gui/ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace tarvo::gui {

RadioGroup::RadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), grid_(new QGridLayout(this)) {
    group_->setExclusive(true);
    grid_->setContentsMargins(6, 2, 6, 2);
    grid_->setVerticalSpacing(0);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == index_) return;
        index_ = id;
        emit itemClicked(id);
    });
}

void RadioGroup::setItems(const QStringList& items) {
    for (QRadioButton* button : buttons_) {
        group_->removeButton(button);
        delete button;
    }
    buttons_.clear();
    index_ = -1;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        buttons_.append(button);
    }
    relayout();
}

QStringList RadioGroup::items() const {
    QStringList texts;
    for (const QRadioButton* button : buttons_)
        texts.append(button->text());
    return texts;
}

int RadioGroup::count() const {
    return static_cast<int>(buttons_.size());
}

void RadioGroup::setColumns(int columns) {
    columns_ = columns < 1 ? 1 : columns;
    relayout();
}

int RadioGroup::itemIndex() const {
    return index_;
}

void RadioGroup::setItemIndex(int index) {
    if (index < 0 || index >= count()) index = -1;
    if (index == index_) return;
    if (index < 0) {
        // An exclusive group cannot uncheck its last button directly.
        group_->setExclusive(false);
        if (QAbstractButton* checked = group_->checkedButton()) checked->setChecked(false);
        group_->setExclusive(true);
    } else {
        buttons_[index]->setChecked(true);
    }
    index_ = index;
    emit itemClicked(index);
}

QRadioButton* RadioGroup::button(int index) const {
    return index >= 0 && index < count() ? buttons_[index] : nullptr;
}

void RadioGroup::relayout() {
    for (QRadioButton* button : buttons_)
        grid_->removeWidget(button);
    const int rows = (count() + columns_ - 1) / columns_;
    for (int i = 0; i < count(); ++i)
        grid_->addWidget(buttons_[i], rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
}

} // namespace tarvo::gui
