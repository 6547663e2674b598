#include "gui/ui/InputDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvo::gui {

InputDlg::InputDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InputDlg"));
    setWindowTitle(QStringLiteral("名称の変更"));
    if (parent != nullptr) setFont(parent->font());

    auto* label = new QLabel(QStringLiteral("新しい名称を入力してください"), this);
    inputBox_ = new QLineEdit(this);
    inputBox_->setObjectName(QStringLiteral("InputBox"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(inputBox_);
    layout->addWidget(buttons);
    // A fixed frame of 236 x 93 at 96 dpi, grown only if the font needs more.
    setFixedSize(sizeHint().expandedTo(QSize(236, 93)));
}

QString InputDlg::text() const {
    return inputBox_->text();
}

void InputDlg::setText(const QString& text) {
    inputBox_->setText(text);
}

void InputDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Typing stops at the name list's limit; a longer name the project
    // already holds is shown whole, never cut.
    inputBox_->setMaxLength(std::max<int>(kMaxLength, static_cast<int>(inputBox_->text().size())));
    inputBox_->setFocus(Qt::OtherFocusReason);
    inputBox_->selectAll();
}

} // namespace tarvo::gui
