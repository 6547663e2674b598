#include "gui/print/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/print/PrinterAccess.h"

namespace tarvo::gui {

PrinterSetupDialog::PrinterSetupDialog(PrinterAccess& access, QWidget* parent) : QDialog(parent), access_(access) {
    setObjectName(QStringLiteral("PrinterSetupDialog"));
    setWindowTitle(QStringLiteral("プリンタの設定"));
    if (parent != nullptr) setFont(parent->font());

    printers_ = new QComboBox(this);
    printers_->setObjectName(QStringLiteral("PrinterList"));
    papers_ = new QComboBox(this);
    papers_->setObjectName(QStringLiteral("PaperList"));
    portrait_ = new QRadioButton(QStringLiteral("タテ"), this);
    portrait_->setObjectName(QStringLiteral("PortraitButton"));
    landscape_ = new QRadioButton(QStringLiteral("ヨコ"), this);
    landscape_->setObjectName(QStringLiteral("LandscapeButton"));

    const QStringList names = access_.printerNames();
    const int current = access_.currentIndex();
    if (names.isEmpty()) {
        // Printing goes into a PDF file; there is nothing to choose.
        printers_->addItem(QStringLiteral("プリンタがインストールされていません（PDFファイルに印刷）"));
        printers_->setEnabled(false);
        papers_->setEnabled(false);
    } else {
        printers_->addItems(names);
        if (current < 0) printers_->addItem(QStringLiteral("PDFファイル"));
        printers_->setCurrentIndex(current >= 0 ? current : printers_->count() - 1);
    }
    fillPapers(current, access_.paperSizeIndex());
    (access_.landscape() ? landscape_ : portrait_)->setChecked(true);
    connect(printers_, &QComboBox::activated, this, [this, names](int index) {
        if (index < names.size()) fillPapers(index, access_.defaultPaperSizeIndex(index));
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("プリンタ："), printers_);
    form->addRow(QStringLiteral("用紙："), papers_);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    orientation->addStretch();
    form->addRow(QStringLiteral("印刷の向き："), orientation);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void PrinterSetupDialog::fillPapers(int printerIndex, int paperIndex) {
    papers_->clear();
    papers_->addItems(access_.paperSizeNames(printerIndex));
    papers_->setCurrentIndex(paperIndex >= 0 ? paperIndex : 0);
}

void PrinterSetupDialog::accept() {
    const int chosen = printers_->isEnabled() ? printers_->currentIndex() : -1;
    if (chosen >= 0 && chosen < access_.printerNames().size() && chosen != access_.currentIndex()) {
        access_.setCurrentIndex(chosen);
    }
    if (papers_->isEnabled() && access_.currentIndex() >= 0) access_.setPaperSize(papers_->currentIndex());
    access_.setLandscape(landscape_->isChecked());
    QDialog::accept();
}

} // namespace tarvo::gui
