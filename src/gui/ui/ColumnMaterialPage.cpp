#include "gui/ui/ColumnMaterialPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <type_traits>

#include "core/form/ColumnFormChoices.h"
#include "core/form/tables/FormChoiceTexts.h"
#include "core/material/tables/SpeciesLists.h"
#include "core/project/ColumnMember.h"
#include "gui/ui/FormDrawing.h"
#include "gui/ui/PageContext.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {
namespace {

RadioGroup* makeRadioGroup(const QString& name, const QString& caption, const QStringList& items, int columns,
                           QWidget* parent) {
    auto* group = new RadioGroup(caption, parent);
    group->setObjectName(name);
    group->setItems(items);
    group->setColumns(columns);
    return group;
}

QComboBox* makeDropDown(const QString& name, const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QPushButton* makeDefaultButton(const QString& name, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("設定の保存"), parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ColumnMaterialPage::ColumnMaterialPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("ColumnMaterialPages"));
    pages_->addTab(buildSawnPage(), QStringLiteral("製　材"));
    pages_->addTab(buildGlulamPage(), QStringLiteral("集成材・LVL"));
    pages_->addTab(buildEnvironPage(), QStringLiteral("使用環境区分"));
    layout->addWidget(pages_);
}

QWidget* ColumnMaterialPage::buildSawnPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);

    auto* sawn = new QGroupBox(QStringLiteral("構造用製材"), page);
    auto* sawnLayout = new QVBoxLayout(sawn);
    productStandard_ = makeDropDown(QStringLiteral("ProductStandard"), textsOf(form::kProductStandardTexts), sawn);
    timberKind_ = makeRadioGroup(QStringLiteral("TimberKind"), QStringLiteral("樹種"), {}, 1, sawn);
    sawnLayout->addWidget(productStandard_);
    sawnLayout->addWidget(timberKind_);
    sawnLayout->addStretch();
    layout->addWidget(sawn, 1);

    auto* right = new QVBoxLayout;
    auto* dimension = new QGroupBox(QStringLiteral("２×４製材"), page);
    auto* dimensionLayout = new QVBoxLayout(dimension);
    productStandard2x4_ =
        makeDropDown(QStringLiteral("ProductStandard2x4"), textsOf(form::kProductStandard2x4Texts), dimension);
    timberKind2x4_ = makeRadioGroup(QStringLiteral("TimberKind2x4"), QStringLiteral("樹種"),
                                    textsOf(form::kSpeciesGroup2x4Texts), 2, dimension);
    useMSR_ = new QCheckBox(QStringLiteral("MSR製材"), dimension);
    useMSR_->setObjectName(QStringLiteral("UseMSR"));
    dimensionLayout->addWidget(productStandard2x4_);
    dimensionLayout->addWidget(timberKind2x4_);
    dimensionLayout->addWidget(useMSR_);
    right->addWidget(dimension);
    right->addStretch();
    defaultButton3_ = makeDefaultButton(QStringLiteral("DefaultButton3"), page);
    right->addWidget(defaultButton3_, 0, Qt::AlignRight);
    layout->addLayout(right, 1);

    connectChoice(productStandard_, ItemFieldId::ProductStandardNormal, &ColumnMaterialFormState::productStandard);
    connectChoice(timberKind_, ItemFieldId::KindOfWood0, &ColumnMaterialFormState::timberKind);
    connectChoice(productStandard2x4_, ItemFieldId::ProductStandard2x4, &ColumnMaterialFormState::productStandard2x4);
    connectChoice(timberKind2x4_, ItemFieldId::KindOfWood1, &ColumnMaterialFormState::timberKind2x4);
    connectFlag(useMSR_, ItemFieldId::UseMSR);
    connect(defaultButton3_, &QPushButton::clicked, this, &ColumnMaterialPage::DefaultButtonClick);
    return page;
}

QWidget* ColumnMaterialPage::buildGlulamPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);

    auto* glulam = new QGroupBox(QStringLiteral("構造用集成材"), page);
    auto* glulamLayout = new QGridLayout(glulam);
    glulamLayout->setContentsMargins(6, 4, 6, 4);
    glulamLayout->setVerticalSpacing(4);
    laminaComposition_ = makeRadioGroup(QStringLiteral("LaminaComposition"), QStringLiteral("ラミナ構成"),
                                        textsOf(form::kLaminaCompositionTexts), 1, glulam);
    laminaCount_ = makeRadioGroup(QStringLiteral("LaminaCount"), QStringLiteral("挽き板の積層数"),
                                  textsOf(form::kLaminaCountTexts), 1, glulam);
    // The 36 species in two columns are taller than the page: they scroll.
    laminaKindScroll_ = new QScrollArea(glulam);
    laminaKindScroll_->setObjectName(QStringLiteral("LaminaKindScroll"));
    laminaKindScroll_->setFrameShape(QFrame::NoFrame);
    laminaKindScroll_->setWidgetResizable(true);
    laminaKindScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    laminaKind_ = makeRadioGroup(QStringLiteral("LaminaKind"), QStringLiteral("挽き板の樹種"),
                                 textsOf(material::kLaminaSpecies), 2, nullptr);
    laminaKindScroll_->setWidget(laminaKind_);
    laminaKindScroll_->installEventFilter(this);
    unValuation_ = new QCheckBox(QStringLiteral("せん断面に幅はぎ未評価ラミナを含む（低減率 0.6）"), glulam);
    unValuation_->setObjectName(QStringLiteral("UnValuation"));
    glulamLayout->addWidget(laminaComposition_, 0, 0);
    glulamLayout->addWidget(laminaCount_, 1, 0);
    glulamLayout->setRowStretch(2, 1);
    glulamLayout->addWidget(laminaKindScroll_, 0, 1, 3, 1);
    glulamLayout->setColumnStretch(1, 1);
    glulamLayout->addWidget(unValuation_, 3, 0, 1, 2);
    layout->addWidget(glulam, 1);
    fitLaminaKindScroll();

    auto* bottom = new QHBoxLayout;
    auto* lvl = new QGroupBox(QStringLiteral("構造用単板積層材 ( LVL )"), page);
    auto* lvlLayout = new QVBoxLayout(lvl);
    lvlShearSelect_ = makeRadioGroup(QStringLiteral("LVL_ShearSelect"), QStringLiteral("水平せん断性能区分"),
                                     textsOf(form::kLvlShearTexts), 4, lvl);
    lvlLayout->addWidget(lvlShearSelect_);
    bottom->addWidget(lvl);
    bottom->addStretch();
    defaultButton4_ = makeDefaultButton(QStringLiteral("DefaultButton4"), page);
    bottom->addWidget(defaultButton4_, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    connectChoice(laminaComposition_, ItemFieldId::LaminaCompositionIndex, &ColumnMaterialFormState::laminaComposition);
    connectChoice(laminaCount_, ItemFieldId::LaminaCountIndex, &ColumnMaterialFormState::laminaCount);
    connectChoice(laminaKind_, ItemFieldId::KindOfWood2, &ColumnMaterialFormState::laminaKind);
    connectFlag(unValuation_, ItemFieldId::UnValuationLamina);
    connectChoice(lvlShearSelect_, ItemFieldId::LVL_Shear_Index, &ColumnMaterialFormState::lvlShearSelect);
    connect(defaultButton4_, &QPushButton::clicked, this, &ColumnMaterialPage::DefaultButtonClick);
    return page;
}

QWidget* ColumnMaterialPage::buildEnvironPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    environSelect_ = makeRadioGroup(QStringLiteral("EnvironSelect"), QStringLiteral("使用環境区分による強度低減係数"),
                                    textsOf(form::kEnvironTexts), 1, page);
    layout->addWidget(environSelect_, 0, Qt::AlignLeft);
    layout->addStretch();
    connectChoice(environSelect_, ItemFieldId::UseEnvironIndex, &ColumnMaterialFormState::environSelect);
    return page;
}

void ColumnMaterialPage::fitLaminaKindScroll() {
    // Never narrower than both columns; a few rows tall at the least, so that
    // the page fits the window.
    const QSize content = laminaKind_->sizeHint();
    laminaKindScroll_->setMinimumWidth(content.width() + laminaKindScroll_->verticalScrollBar()->sizeHint().width());
    laminaKindScroll_->setMinimumHeight(content.height() / 3);
}

void ColumnMaterialPage::revealLaminaKind() {
    if (QRadioButton* chosen = laminaKind_->button(laminaKind_->itemIndex()))
        laminaKindScroll_->ensureWidgetVisible(chosen);
}

bool ColumnMaterialPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == laminaKindScroll_) {
        if (event->type() == QEvent::Show) fitLaminaKindScroll();
        if (event->type() == QEvent::Show || event->type() == QEvent::Resize) revealLaminaKind();
    }
    return QWidget::eventFilter(watched, event);
}

template <typename Widget>
void ColumnMaterialPage::connectChoice(Widget* widget, ItemFieldId field,
                                       ChoiceControl ColumnMaterialFormState::*list) {
    const auto chosen = [this, field, list](int index) {
        take(ChooseColumnMaterial(shown(), formContext(), field, valueAt(state_.*list, index)));
    };
    if constexpr (std::is_same_v<Widget, QComboBox>)
        connect(widget, &QComboBox::activated, this, chosen);
    else
        connect(widget, &RadioGroup::itemClicked, this, chosen);
}

void ColumnMaterialPage::connectFlag(QCheckBox* box, ItemFieldId field) {
    connect(box, &QCheckBox::clicked, this,
            [this, field](bool checked) { take(SetColumnMaterialFlag(shown(), formContext(), field, checked)); });
}

FormContext ColumnMaterialPage::formContext() {
    return {context_.common(), context_.catalogue()};
}

MemberInputData& ColumnMaterialPage::shown() {
    return context_.currentItem().input();
}

void ColumnMaterialPage::showItem() {
    shown() = ShownItem(shown(), formContext());
    redraw();
    revealLaminaKind();
}

void ColumnMaterialPage::take(const std::optional<MemberInputData>& after) {
    if (after) {
        shown() = *after;
        context_.markChanged();
    }
    redraw();
}

void ColumnMaterialPage::redraw() {
    state_ = MakeColumnMaterialFormState(shown(), formContext());
    drawChoice(*productStandard_, state_.productStandard);
    drawChoice(*timberKind_, state_.timberKind);
    drawChoice(*productStandard2x4_, state_.productStandard2x4);
    drawChoice(*timberKind2x4_, state_.timberKind2x4);
    drawFlag(*useMSR_, state_.useMSR);
    drawChoice(*laminaComposition_, state_.laminaComposition);
    drawChoice(*laminaCount_, state_.laminaCount);
    drawChoice(*laminaKind_, state_.laminaKind);
    drawFlag(*unValuation_, state_.unValuation);
    drawChoice(*lvlShearSelect_, state_.lvlShearSelect);
    drawChoice(*environSelect_, state_.environSelect);
    drawButton(*defaultButton3_, state_.defaultButton3);
    drawButton(*defaultButton4_, state_.defaultButton4);
}

void ColumnMaterialPage::DefaultButtonClick() {
    context_.document().saveMaterialDefault(MaterialDefault::Column, shown().ColumnMaterial, context_.messages());
}

} // namespace tarvo::gui
