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

#include "core/form/tables/FormChoiceTexts.h"
#include "core/material/tables/SpeciesLists.h"
#include "core/project/ColumnMember.h"
#include "gui/print/QtText.h"
#include "gui/ui/FormDrawing.h"
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

} // namespace

BaseMaterialPage::BaseMaterialPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet2"));

    productButtons_ = new QButtonGroup(this);
    for (int tag = 0; tag < kProductKindCount; ++tag) {
        auto* button = new QRadioButton(toQString(form::kBaseProductTexts[static_cast<std::size_t>(tag)]), this);
        button->setObjectName(QStringLiteral("BaseMatButton%1").arg(tag + 1));
        productButtons_->addButton(button, tag);
        baseMatButtons_[static_cast<std::size_t>(tag)] = button;
    }

    baseMatGroup1_ = makeSpeciesGroup(QStringLiteral("BaseMatGroup1"), textsOf(material::kUngradedSpecies), this);
    baseMatGroup2_ = makeSpeciesGroup(QStringLiteral("BaseMatGroup2"), textsOf(form::kSpeciesGroup2x4Texts), this);
    baseMatGroup3_ = makeSpeciesGroup(QStringLiteral("BaseMatGroup3"), textsOf(material::kLaminaSpecies), this);

    fcvUpper_ = new QCheckBox(QStringLiteral("土台その他に類する横架材"), this);
    fcvUpper_->setObjectName(QStringLiteral("Fcv_Upper"));
    fcvUpper_->setToolTip(QStringLiteral("長期 1.5/3･Fcv、積雪時 2/3･Fcv"));
    endPosition_ = new QCheckBox(QStringLiteral("柱が横架材の材端に位置する"), this);
    endPosition_->setObjectName(QStringLiteral("EndPosition"));
    endPosition_->setToolTip(QStringLiteral("めり込み強度の低減 0.75～0.80"));
    selectBaseName_ = new QComboBox(this);
    selectBaseName_->setObjectName(QStringLiteral("SelectBaseName"));
    selectBaseName_->addItems(textsOf(form::kBaseNameTexts));
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

    // The product buttons tell themselves apart by their tag, the product.
    connect(productButtons_, &QButtonGroup::idClicked, this,
            [this](int tag) { take(ChooseBaseMaterial(shown(), ItemFieldId::BaseSelectProduct, tag)); });
    connect(baseMatGroup1_, &RadioGroup::itemClicked, this, [this](int index) {
        take(ChooseBaseMaterial(shown(), ItemFieldId::BaseKindOfWood0, valueAt(state_.baseMatGroup1, index)));
    });
    connect(baseMatGroup2_, &RadioGroup::itemClicked, this, [this](int index) {
        take(ChooseBaseMaterial(shown(), ItemFieldId::BaseKindOfWood1, valueAt(state_.baseMatGroup2, index)));
    });
    // Glulam and LVL share the lamina species group; the form names the slot.
    connect(baseMatGroup3_, &RadioGroup::itemClicked, this, [this](int index) {
        take(ChooseBaseMaterial(shown(), state_.baseMatGroup3Field, valueAt(state_.baseMatGroup3, index)));
    });
    connect(fcvUpper_, &QCheckBox::clicked, this,
            [this](bool checked) { take(SetBaseMaterialFlag(shown(), ItemFieldId::FcvUpper, checked)); });
    connect(endPosition_, &QCheckBox::clicked, this,
            [this](bool checked) { take(SetBaseMaterialFlag(shown(), ItemFieldId::BaseUseEndPosFcv, checked)); });
    connect(selectBaseName_, &QComboBox::activated, this, [this](int index) {
        take(ChooseBaseMaterial(shown(), ItemFieldId::BaseNameIndex, valueAt(state_.selectBaseName, index)));
    });
    connect(defaultButton2_, &QPushButton::clicked, this, [this] {
        context_.document().saveMaterialDefault(MaterialDefault::Base, shown().BaseMaterial, context_.messages());
    });
}

MemberInputData& BaseMaterialPage::shown() {
    return context_.currentItem().input();
}

void BaseMaterialPage::showItem() {
    redraw();
}

void BaseMaterialPage::take(const std::optional<MemberInputData>& after) {
    if (after) {
        shown() = *after;
        context_.markChanged();
    }
    redraw();
}

void BaseMaterialPage::redraw() {
    state_ = MakeBaseMaterialFormState(shown());
    // A product beyond the buttons checks none of them.
    productButtons_->setExclusive(false);
    for (std::size_t tag = 0; tag < baseMatButtons_.size(); ++tag)
        drawFlag(*baseMatButtons_[tag], state_.baseMatButtons[tag]);
    productButtons_->setExclusive(true);
    drawChoice(*baseMatGroup1_, state_.baseMatGroup1);
    drawChoice(*baseMatGroup2_, state_.baseMatGroup2);
    drawChoice(*baseMatGroup3_, state_.baseMatGroup3);
    drawFlag(*fcvUpper_, state_.fcvUpper);
    drawFlag(*endPosition_, state_.endPosition);
    drawChoice(*selectBaseName_, state_.selectBaseName);
    drawButton(*defaultButton2_, state_.defaultButton2);
}

} // namespace tarvo::gui
