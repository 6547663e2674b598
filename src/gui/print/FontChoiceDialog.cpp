#include "gui/print/FontChoiceDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/print/FontStandIns.h"

namespace tarvo::gui {
namespace {

constexpr int kMaxPoints = 144;

} // namespace

FontChoiceDialog::FontChoiceDialog(const FontSpec& font, QWidget* parent) : QDialog(parent), initial_(font) {
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("フォント"));
    if (parent != nullptr) setFont(parent->font());

    family_ = new QFontComboBox(this);
    family_->setObjectName(QStringLiteral("FontFamily"));
    family_->setFontFilters(QFontComboBox::ScalableFonts);
    family_->setCurrentFont(QFont(standInFamily(font.name)));
    size_ = new QSpinBox(this);
    size_->setObjectName(QStringLiteral("FontSize"));
    size_->setRange(1, kMaxPoints);
    size_->setSuffix(QStringLiteral(" pt"));
    size_->setValue(font.sizePt);

    const auto check = [this](const char* name, const QString& text, bool on) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(QLatin1String(name));
        box->setChecked(on);
        connect(box, &QCheckBox::toggled, this, &FontChoiceDialog::showSample);
        return box;
    };
    bold_ = check("Bold", QStringLiteral("太字"), font.style.bold);
    italic_ = check("Italic", QStringLiteral("斜体"), font.style.italic);
    underline_ = check("Underline", QStringLiteral("下線"), font.style.underline);
    strikeOut_ = check("StrikeOut", QStringLiteral("取り消し線"), font.style.strikeOut);

    sample_ = new QLabel(QStringLiteral("柱の設計 Aa 123"), this);
    sample_->setObjectName(QStringLiteral("Sample"));
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumSize(280, 64);
    sample_->setFrameShape(QFrame::Panel);
    sample_->setFrameShadow(QFrame::Sunken);
    connect(family_, &QFontComboBox::currentFontChanged, this, &FontChoiceDialog::showSample);
    connect(size_, &QSpinBox::valueChanged, this, &FontChoiceDialog::showSample);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("フォント名："), family_);
    form->addRow(QStringLiteral("サイズ："), size_);
    auto* styleBox = new QGroupBox(QStringLiteral("スタイル"), this);
    auto* styles = new QGridLayout(styleBox);
    styles->addWidget(bold_, 0, 0);
    styles->addWidget(italic_, 0, 1);
    styles->addWidget(underline_, 1, 0);
    styles->addWidget(strikeOut_, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(styleBox);
    layout->addWidget(sample_);
    layout->addWidget(buttons);
    showSample();
}

FontSpec FontChoiceDialog::chosenFont() const {
    FontSpec chosen = initial_;
    const QString family = family_->currentFont().family();
    if (family != standInFamily(initial_.name)) chosen.name = family.toStdString();
    chosen.sizePt = size_->value();
    chosen.style = {bold_->isChecked(), italic_->isChecked(), underline_->isChecked(), strikeOut_->isChecked()};
    return chosen;
}

void FontChoiceDialog::showSample() {
    QFont font = family_->currentFont();
    font.setPointSize(size_->value());
    font.setBold(bold_->isChecked());
    font.setItalic(italic_->isChecked());
    font.setUnderline(underline_->isChecked());
    font.setStrikeOut(strikeOut_->isChecked());
    sample_->setFont(font);
}

} // namespace tarvo::gui
