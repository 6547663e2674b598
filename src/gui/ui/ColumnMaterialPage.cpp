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

#include "core/material/MatDataBase.h"
#include "core/material/tables/SpeciesLists.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"
#include "gui/ui/MaterialChoices.h"
#include "gui/ui/PageContext.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {
namespace {

// Lay-up "非対称異等級構成" (3) has no radio item; it comes only from stored data.
constexpr int kSameGradeLayUp = 0;

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

// A drop-down list shows a stored index outside its entries as no entry.
void showIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
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
    productStandard_ = makeDropDown(QStringLiteral("ProductStandard"),
                                    {QStringLiteral("日本農林規格（目視等級）"),
                                     QStringLiteral("日本農林規格（機械等級）"), QStringLiteral("無等級材")},
                                    sawn);
    timberKind_ = makeRadioGroup(QStringLiteral("TimberKind"), QStringLiteral("樹種"), {}, 1, sawn);
    sawnLayout->addWidget(productStandard_);
    sawnLayout->addWidget(timberKind_);
    sawnLayout->addStretch();
    layout->addWidget(sawn, 1);

    auto* right = new QVBoxLayout;
    auto* dimension = new QGroupBox(QStringLiteral("２×４製材"), page);
    auto* dimensionLayout = new QVBoxLayout(dimension);
    productStandard2x4_ = makeDropDown(
        QStringLiteral("ProductStandard2x4"),
        {QStringLiteral("日本農林規格"), QStringLiteral("アメリカ格付規格"), QStringLiteral("カナダ格付規格")},
        dimension);
    timberKind2x4_ =
        makeRadioGroup(QStringLiteral("TimberKind2x4"), QStringLiteral("樹種"), speciesGroupItems2x4(), 2, dimension);
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

    connect(productStandard_, &QComboBox::activated, this, &ColumnMaterialPage::ProductStandardChange);
    connect(timberKind_, &RadioGroup::itemClicked, this, &ColumnMaterialPage::TimberKindClick);
    connect(productStandard2x4_, &QComboBox::activated, this, &ColumnMaterialPage::ProductStandard2x4Change);
    connect(timberKind2x4_, &RadioGroup::itemClicked, this, &ColumnMaterialPage::TimberKind2x4Click);
    connect(useMSR_, &QCheckBox::clicked, this, &ColumnMaterialPage::UseMSRClick);
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
    laminaComposition_ = makeRadioGroup(
        QStringLiteral("LaminaComposition"), QStringLiteral("ラミナ構成"),
        {QStringLiteral("同一等級構成"), QStringLiteral("対称異等級構成"), QStringLiteral("特定対称異等級構成")}, 1,
        glulam);
    laminaCount_ = makeRadioGroup(QStringLiteral("LaminaCount"), QStringLiteral("挽き板の積層数"),
                                  {QStringLiteral("4枚以上"), QStringLiteral("3枚"), QStringLiteral("2枚")}, 1, glulam);
    // The 36 species in two columns are taller than the page: they scroll.
    laminaKindScroll_ = new QScrollArea(glulam);
    laminaKindScroll_->setObjectName(QStringLiteral("LaminaKindScroll"));
    laminaKindScroll_->setFrameShape(QFrame::NoFrame);
    laminaKindScroll_->setWidgetResizable(true);
    laminaKindScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    laminaKind_ = makeRadioGroup(QStringLiteral("LaminaKind"), QStringLiteral("挽き板の樹種"),
                                 choiceItems(material::kLaminaSpecies), 2, nullptr);
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
                                     {QStringLiteral("65V-55H"), QStringLiteral("60V-51H"), QStringLiteral("55V-47H"),
                                      QStringLiteral("50V-43H"), QStringLiteral("45V-38H"), QStringLiteral("40V-34H"),
                                      QStringLiteral("35V-30H")},
                                     4, lvl);
    lvlLayout->addWidget(lvlShearSelect_);
    bottom->addWidget(lvl);
    bottom->addStretch();
    defaultButton4_ = makeDefaultButton(QStringLiteral("DefaultButton4"), page);
    bottom->addWidget(defaultButton4_, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    connect(laminaComposition_, &RadioGroup::itemClicked, this, &ColumnMaterialPage::LaminaCompositionClick);
    connect(laminaCount_, &RadioGroup::itemClicked, this, &ColumnMaterialPage::LaminaCountClick);
    connect(laminaKind_, &RadioGroup::itemClicked, this, &ColumnMaterialPage::LaminaKindClick);
    connect(unValuation_, &QCheckBox::clicked, this, &ColumnMaterialPage::UnValuationClick);
    connect(lvlShearSelect_, &RadioGroup::itemClicked, this, &ColumnMaterialPage::LVL_ShearSelectClick);
    connect(defaultButton4_, &QPushButton::clicked, this, &ColumnMaterialPage::DefaultButtonClick);
    return page;
}

QWidget* ColumnMaterialPage::buildEnvironPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    environSelect_ =
        makeRadioGroup(QStringLiteral("EnvironSelect"), QStringLiteral("使用環境区分による強度低減係数"),
                       {QStringLiteral("Ⅰ 常時湿潤状態　  (0.7)"), QStringLiteral("Ⅱ 断続的湿潤状態 (0.8)"),
                        QStringLiteral("Ⅲ 通常の使用環境 (1.0)")},
                       1, page);
    layout->addWidget(environSelect_, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(environSelect_, &RadioGroup::itemClicked, this, &ColumnMaterialPage::EnvironSelectClick);
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

MatInputData& ColumnMaterialPage::material() {
    return context_.currentItem().ColumnMaterial;
}

void ColumnMaterialPage::showItem() {
    loading_ = true;
    const MatInputData& m = material();
    showIndex(productStandard_, m.ProductStandardNormal);
    fillSpecies();
    showIndex(productStandard2x4_, m.ProductStandard2x4);
    timberKind2x4_->setItemIndex(m.KindOfWood[kDimensionLumber]);
    useMSR_->setChecked(m.UseMSR);
    laminaComposition_->setItemIndex(m.LaminaCompositionIndex);
    laminaCount_->setItemIndex(m.LaminaCountIndex);
    laminaKind_->setItemIndex(m.KindOfWood[kGlulam]);
    revealLaminaKind();
    unValuation_->setChecked(m.UnValuationLamina);
    updateLayUpEnabling();
    lvlShearSelect_->setItemIndex(m.LVL_Shear_Index);
    environSelect_->setItemIndex(m.UseEnvironIndex);
    loading_ = false;
}

void ColumnMaterialPage::fillSpecies() {
    // The list corrects a stored species beyond it; choosing the entry is no
    // user choice, so the group's handler does not run.
    const QSignalBlocker blocker(timberKind_);
    showChoices(*timberKind_, context_.catalogue().fillSpeciesList(material()));
}

void ColumnMaterialPage::updateLayUpEnabling() {
    const int layUp = material().LaminaCompositionIndex;
    laminaCount_->setEnabled(layUp == kSameGradeLayUp);
    // The reduction of un-evaluated laminae applies to every lay-up but the
    // same-grade one, so the flag stays editable for all of them.
    unValuation_->setEnabled(layUp != kSameGradeLayUp);
}

void ColumnMaterialPage::refillFor(ProductKind product) {
    if (material().SelectProduct != product) return;
    context_.refillGrades();
    context_.refreshSizes();
}

void ColumnMaterialPage::ProductStandardChange(int index) {
    if (index < 0) return;
    material().ProductStandardNormal = index;
    fillSpecies();
    context_.markChanged();
    refillFor(kSawnLumber);
}

void ColumnMaterialPage::TimberKindClick(int index) {
    if (!userChoice(index)) return;
    material().KindOfWood[kSawnLumber] = index;
    context_.markChanged();
    // Machine grades differ between the first six species and the others.
    if (material().ProductStandardNormal == 1) refillFor(kSawnLumber);
}

void ColumnMaterialPage::ProductStandard2x4Change(int index) {
    if (index < 0) return;
    material().ProductStandard2x4 = index;
    context_.markChanged();
    refillFor(kDimensionLumber);
}

void ColumnMaterialPage::TimberKind2x4Click(int index) {
    if (!userChoice(index)) return;
    material().KindOfWood[kDimensionLumber] = index;
    context_.markChanged();
}

void ColumnMaterialPage::UseMSRClick(bool checked) {
    material().UseMSR = checked;
    context_.markChanged();
    refillFor(kDimensionLumber);
}

void ColumnMaterialPage::LaminaCompositionClick(int index) {
    if (!userChoice(index)) return;
    material().LaminaCompositionIndex = index;
    updateLayUpEnabling();
    refillFor(kGlulam);
    context_.markChanged();
}

void ColumnMaterialPage::LaminaCountClick(int index) {
    if (!userChoice(index)) return;
    material().LaminaCountIndex = index;
    refillFor(kGlulam);
    context_.markChanged();
}

void ColumnMaterialPage::LaminaKindClick(int index) {
    if (!userChoice(index)) return;
    material().KindOfWood[kGlulam] = index;
    context_.markChanged();
}

void ColumnMaterialPage::UnValuationClick(bool checked) {
    material().UnValuationLamina = checked;
    context_.markChanged();
}

void ColumnMaterialPage::LVL_ShearSelectClick(int index) {
    if (!userChoice(index)) return;
    material().LVL_Shear_Index = index;
    context_.markChanged();
}

void ColumnMaterialPage::EnvironSelectClick(int index) {
    if (!userChoice(index)) return;
    material().UseEnvironIndex = index;
    context_.markChanged();
}

void ColumnMaterialPage::DefaultButtonClick() {
    context_.document().saveMaterialDefault(MaterialDefault::Column, material(), context_.messages());
}

} // namespace tarvo::gui
