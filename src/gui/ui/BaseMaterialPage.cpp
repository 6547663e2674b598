#include "gui/ui/BaseMaterialPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/material/tables/SpeciesLists.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"
#include "gui/ui/MaterialChoices.h"
#include "gui/ui/PageContext.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {
namespace {

RadioGroup* makeSpeciesGroup(const QString& name, const QStringList& items, QWidget* parent) {
    auto* group = new RadioGroup(QStringLiteral("樹　種"), parent);
    group->setObjectName(name);
    group->setItems(items);
    group->setColumns(2);
    return group;
}

// The lamina-species slot shown by `BaseMatGroup3`: LVL has its own, every
// other product shows the glulam one (the group is disabled for them).
std::size_t laminaSlot(std::int32_t product) {
    return product == kLvl ? kLvl : kGlulam;
}

} // namespace

BaseMaterialPage::BaseMaterialPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet2"));

    const std::array<QString, kProductKindCount> productCaptions{
        QStringLiteral("構造用製材"), QStringLiteral("２×４製材"), QStringLiteral("構造用集成材"),
        QStringLiteral("LVL"), QStringLiteral("めり込みの検討を省略")};
    productButtons_ = new QButtonGroup(this);
    for (int tag = 0; tag < kProductKindCount; ++tag) {
        auto* button = new QRadioButton(productCaptions[static_cast<std::size_t>(tag)], this);
        button->setObjectName(QStringLiteral("BaseMatButton%1").arg(tag + 1));
        productButtons_->addButton(button, tag);
        baseMatButtons_[static_cast<std::size_t>(tag)] = button;
    }

    baseMatGroup1_ = makeSpeciesGroup(QStringLiteral("BaseMatGroup1"), choiceItems(material::kUngradedSpecies), this);
    baseMatGroup2_ = makeSpeciesGroup(QStringLiteral("BaseMatGroup2"), speciesGroupItems2x4(), this);
    baseMatGroup3_ = makeSpeciesGroup(QStringLiteral("BaseMatGroup3"), choiceItems(material::kLaminaSpecies), this);

    fcvUpper_ = new QCheckBox(QStringLiteral("土台その他に類する横架材"), this);
    fcvUpper_->setObjectName(QStringLiteral("Fcv_Upper"));
    fcvUpper_->setToolTip(QStringLiteral("長期 1.5/3･Fcv、積雪時 2/3･Fcv"));
    endPosition_ = new QCheckBox(QStringLiteral("柱が横架材の材端に位置する"), this);
    endPosition_->setObjectName(QStringLiteral("EndPosition"));
    endPosition_->setToolTip(QStringLiteral("めり込み強度の低減 0.75～0.80"));
    selectBaseName_ = new QComboBox(this);
    selectBaseName_->setObjectName(QStringLiteral("SelectBaseName"));
    selectBaseName_->addItems({QStringLiteral("自動"), QStringLiteral("土台"), QStringLiteral("梁材"),
                               QStringLiteral("下枠"), QStringLiteral("横架材")});
    auto* baseNameLabel = new QLabel(QStringLiteral("表示名称"), this);
    baseNameLabel->setBuddy(selectBaseName_);
    defaultButton2_ = new QPushButton(QStringLiteral("設定の保存"), this);
    defaultButton2_->setObjectName(QStringLiteral("DefaultButton2"));
    defaultButton2_->setFocusPolicy(Qt::NoFocus);

    // Each species group stands under the product button it belongs to. The
    // bearing options sit with the button that switches them off.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setHorizontalSpacing(12);
    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    left->addWidget(baseMatButtons_[kSawnLumber]);
    left->addWidget(baseMatGroup1_);
    left->addSpacing(6);
    left->addWidget(baseMatButtons_[kDimensionLumber]);
    left->addWidget(baseMatGroup2_);
    left->addStretch();
    left->addWidget(baseMatButtons_[kGlulamColumn]);
    left->addWidget(fcvUpper_);
    left->addWidget(endPosition_);
    auto* laminaButtons = new QHBoxLayout;
    laminaButtons->addWidget(baseMatButtons_[kGlulam]);
    laminaButtons->addSpacing(16);
    laminaButtons->addWidget(baseMatButtons_[kLvl]);
    laminaButtons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(baseNameLabel);
    bottom->addWidget(selectBaseName_);
    bottom->addStretch();
    bottom->addWidget(defaultButton2_);
    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->addLayout(laminaButtons);
    right->addWidget(baseMatGroup3_);
    right->addStretch();
    right->addLayout(bottom);
    layout->addLayout(left, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->setColumnStretch(1, 1);

    connect(productButtons_, &QButtonGroup::idClicked, this, &BaseMaterialPage::BaseMatButtonClick);
    connect(baseMatGroup1_, &RadioGroup::itemClicked, this, &BaseMaterialPage::BaseMatGroup1Click);
    connect(baseMatGroup2_, &RadioGroup::itemClicked, this, &BaseMaterialPage::BaseMatGroup2Click);
    connect(baseMatGroup3_, &RadioGroup::itemClicked, this, &BaseMaterialPage::BaseMatGroup3Click);
    connect(fcvUpper_, &QCheckBox::clicked, this, &BaseMaterialPage::Fcv_UpperClick);
    connect(endPosition_, &QCheckBox::clicked, this, &BaseMaterialPage::EndPositionClick);
    connect(selectBaseName_, &QComboBox::activated, this, &BaseMaterialPage::SelectBaseNameChange);
    connect(defaultButton2_, &QPushButton::clicked, this, &BaseMaterialPage::DefaultButton2Click);
}

MatInputData& BaseMaterialPage::material() {
    return context_.currentItem().BaseMaterial;
}

void BaseMaterialPage::showItem() {
    loading_ = true;
    const ColumnMember& item = context_.currentItem();
    const MatInputData& m = item.BaseMaterial;
    fcvUpper_->setChecked(item.FcvUpper);
    endPosition_->setChecked(m.UseEndPosFcv);
    const int name = item.BaseNameIndex;
    selectBaseName_->setCurrentIndex(name >= 0 && name < selectBaseName_->count() ? name : -1);
    baseMatGroup1_->setItemIndex(m.KindOfWood[kSawnLumber]);
    baseMatGroup2_->setItemIndex(m.KindOfWood[kDimensionLumber]);
    baseMatGroup3_->setItemIndex(m.KindOfWood[laminaSlot(m.SelectProduct)]);
    updatePage();
    loading_ = false;
}

void BaseMaterialPage::updatePage() {
    const std::int32_t product = material().SelectProduct;
    const bool known = product >= 0 && product < kProductKindCount;
    if (known) {
        baseMatButtons_[static_cast<std::size_t>(product)]->setChecked(true);
    } else if (QAbstractButton* checked = productButtons_->checkedButton()) {
        // A stored product beyond the buttons checks none of them.
        productButtons_->setExclusive(false);
        checked->setChecked(false);
        productButtons_->setExclusive(true);
    }
    baseMatGroup1_->setEnabled(product == kSawnLumber);
    baseMatGroup2_->setEnabled(product == kDimensionLumber);
    baseMatGroup3_->setEnabled(product == kGlulam || product == kLvl);
    const bool bearingChecked = product != kGlulamColumn;
    fcvUpper_->setEnabled(bearingChecked);
    endPosition_->setEnabled(bearingChecked);
    selectBaseName_->setEnabled(bearingChecked);
}

void BaseMaterialPage::BaseMatButtonClick(int tag) {
    MatInputData& m = material();
    if (tag == m.SelectProduct) return;
    m.SelectProduct = tag;
    // Glulam and LVL share the species group, each with its own slot.
    if (tag == kGlulam || tag == kLvl) baseMatGroup3_->setItemIndex(m.KindOfWood[static_cast<std::size_t>(tag)]);
    context_.markChanged();
    updatePage();
}

void BaseMaterialPage::BaseMatGroup1Click(int index) {
    if (!userChoice(index)) return;
    material().KindOfWood[kSawnLumber] = index;
    context_.markChanged();
}

void BaseMaterialPage::BaseMatGroup2Click(int index) {
    if (!userChoice(index)) return;
    material().KindOfWood[kDimensionLumber] = index;
    context_.markChanged();
}

void BaseMaterialPage::BaseMatGroup3Click(int index) {
    MatInputData& m = material();
    if (!userChoice(index) || (m.SelectProduct != kGlulam && m.SelectProduct != kLvl)) return;
    m.KindOfWood[static_cast<std::size_t>(m.SelectProduct)] = index;
    context_.markChanged();
}

void BaseMaterialPage::Fcv_UpperClick(bool checked) {
    context_.currentItem().FcvUpper = checked;
    context_.markChanged();
}

void BaseMaterialPage::EndPositionClick(bool checked) {
    material().UseEndPosFcv = checked;
    context_.markChanged();
}

void BaseMaterialPage::SelectBaseNameChange(int index) {
    if (index < 0) return;
    context_.currentItem().BaseNameIndex = index;
    context_.markChanged();
}

void BaseMaterialPage::DefaultButton2Click() {
    context_.document().saveMaterialDefault(MaterialDefault::Base, material(), context_.messages());
}

} // namespace tarvo::gui
