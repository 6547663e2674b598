#include "gui/ui/NumLabeledEdit.h"

#include <QEvent>
#include <QLabel>

namespace tarvo::gui {

NumLabeledEdit::NumLabeledEdit(const QString& caption, QWidget* parent)
    : NumberEdit(parent), label_(new QLabel(caption, parent)) {
    label_->setBuddy(this);
}

NumLabeledEdit::~NumLabeledEdit() {
    delete label_.data();
}

QLabel* NumLabeledEdit::editLabel() const {
    return label_.data();
}

bool NumLabeledEdit::event(QEvent* event) {
    const bool handled = NumberEdit::event(event);
    if (label_.isNull()) return handled;
    switch (event->type()) {
    case QEvent::ParentChange:
        // The label moves along and is hidden when the field was hidden;
        // otherwise it shows with its new parent or with the field.
        if (label_->parentWidget() != parentWidget()) {
            label_->setParent(parentWidget());
            if (isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide)) label_->hide();
        }
        break;
    case QEvent::ShowToParent:
        if (label_->parentWidget() != nullptr) label_->show();
        break;
    case QEvent::HideToParent: label_->hide(); break;
    default: break;
    }
    return handled;
}

void NumLabeledEdit::changeEvent(QEvent* event) {
    NumberEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !label_.isNull()) {
        label_->setEnabled(!testAttribute(Qt::WA_ForceDisabled));
    }
}

} // namespace tarvo::gui
