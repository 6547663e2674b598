#include "gui/ui/CommonPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

#include "core/project/CommonData.h"
#include "core/project/CommonFields.h"
#include "gui/ui/NumLabeledEdit.h"
#include "gui/ui/PageContext.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {

namespace {

constexpr const char* kFloorNames[] = {"FirstFloorHeight", "SecondFloorHeight", "ThirdFloorHeight",
                                       "FourthFloorHeight"};
constexpr const char* kFloorCaptions[] = {"１階", "２階", "３階", "４階"};

// A field of the common conditions, made from the field table.
NumLabeledEdit* commonEntry(CommonFieldId id, const QString& caption, const char* name, QWidget* parent) {
    auto* field = new NumLabeledEdit(caption, parent);
    field->setObjectName(QLatin1String(name));
    applyFieldFormat(field->model(), *commonField(id).format);
    field->holdValue(false);
    return field;
}

constexpr CommonFieldId kFloorFields[] = {CommonFieldId::FloorHeight1, CommonFieldId::FloorHeight2,
                                          CommonFieldId::FloorHeight3, CommonFieldId::FloorHeight4};
constexpr CommonFieldId kWoodenFields[] = {CommonFieldId::WoodenStorey1, CommonFieldId::WoodenStorey2,
                                           CommonFieldId::WoodenStorey3, CommonFieldId::WoodenStorey4};

} // namespace

CommonPage::CommonPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet5"));
    auto* inner = new QTabWidget(this);
    inner->setObjectName(QStringLiteral("CommonPages"));
    auto* page = new QWidget(inner);
    page->setObjectName(QStringLiteral("LoadConditions"));
    buildPage(page);
    inner->addTab(page, QStringLiteral("荷重条件"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(inner);
}

void CommonPage::commit(CommonFieldId id, double value) {
    CommonInputData after = context_.common().input();
    commonField(id).set(after, value);
    context_.commitCommon(after);
}

void CommonPage::bindField(NumLabeledEdit* field, CommonFieldId id) {
    fields_.emplace_back(field, id);
    connect(field, &NumberEdit::valueEdited, this, [this, id](double v) { commit(id, v); });
}

void CommonPage::buildPage(QWidget* page) {

    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QIcon(QStringLiteral(":/icons/storeys.svg")).pixmap(150, 260));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    radioGroup1_ = new RadioGroup(QStringLiteral("風圧力算定規準"), page);
    radioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    radioGroup1_->setItems({QStringLiteral("建築基準法施行令第87条"), QStringLiteral("平成12年建設省告示第1458号")});

    auto* windBox = new QGroupBox(QStringLiteral("風圧力計算条件"), page);
    v0Select_ = new QComboBox(windBox);
    v0Select_->setObjectName(QStringLiteral("V0Select"));
    for (int v0 = 30; v0 <= 46; v0 += 2)
        v0Select_->addItem(QString::number(v0));
    roughSelect_ = new QComboBox(windBox);
    roughSelect_->setObjectName(QStringLiteral("RoughSelect"));
    roughSelect_->addItems({QStringLiteral("Ⅰ"), QStringLiteral("Ⅱ"), QStringLiteral("Ⅲ"), QStringLiteral("Ⅳ")});
    buildingHeight_ =
        commonEntry(CommonFieldId::BuildingHeight, QStringLiteral("建物高さ H (m)　"), "BuildingHeight", windBox);
    upQ_ = commonEntry(CommonFieldId::Up_q, QStringLiteral("速度圧の割増率  "), "Up_q", windBox);
    bindField(buildingHeight_, CommonFieldId::BuildingHeight);
    bindField(upQ_, CommonFieldId::Up_q);
    velocity_ = new QLabel(windBox);
    velocity_->setObjectName(QStringLiteral("Velocity"));
    auto* windLayout = new QGridLayout(windBox);
    windLayout->setContentsMargins(6, 2, 6, 6);
    windLayout->addWidget(new QLabel(QStringLiteral("風速 Vo (m/s)"), windBox), 0, 0);
    windLayout->addWidget(new QLabel(QStringLiteral("地表面粗度区分"), windBox), 0, 1);
    windLayout->addWidget(v0Select_, 1, 0);
    windLayout->addWidget(roughSelect_, 1, 1);
    windLayout->addWidget(buildingHeight_->editLabel(), 2, 0);
    windLayout->addWidget(buildingHeight_, 2, 1);
    windLayout->addWidget(upQ_->editLabel(), 3, 0);
    windLayout->addWidget(upQ_, 3, 1);
    windLayout->addWidget(velocity_, 4, 0, 1, 2);

    auto* floorBox = new QGroupBox(QStringLiteral("床高・階高 (m)"), page);
    auto* floorLayout = new QGridLayout(floorBox);
    floorLayout->setContentsMargins(6, 2, 6, 6);
    for (int n = 3; n >= 0; --n) {
        const auto slot = static_cast<std::size_t>(n);
        floorHeights_[slot] =
            commonEntry(kFloorFields[slot], QString::fromUtf8(kFloorCaptions[slot]), kFloorNames[slot], floorBox);
        floorHeights_[slot]->model().setZeroVisible(false);
        bindField(floorHeights_[slot], kFloorFields[slot]);
        auto* wooden = new QCheckBox(QStringLiteral("木造"), floorBox);
        wooden->setObjectName(QStringLiteral("StructCheckBox%1").arg(n + 1));
        structCheckBoxes_[slot] = wooden;
        const int row = 3 - n;
        floorLayout->addWidget(floorHeights_[slot]->editLabel(), row, 0);
        floorLayout->addWidget(floorHeights_[slot], row, 1);
        floorLayout->addWidget(wooden, row, 2);
        connect(wooden, &QCheckBox::toggled, this, [this, slot](bool checked) {
            commit(kWoodenFields[slot], checked ? 1 : 0);
            emit woodenStoreyChanged();
        });
    }
    floorLevel_ = commonEntry(CommonFieldId::FirstFloorLevel, QStringLiteral("床高"), "FirstFloorLevel", floorBox);
    floorLevel_->model().setZeroVisible(false);
    bindField(floorLevel_, CommonFieldId::FirstFloorLevel);
    floorLayout->addWidget(floorLevel_->editLabel(), 4, 0);
    floorLayout->addWidget(floorLevel_, 4, 1);
    floorLayout->setColumnStretch(3, 1);

    snowEriaSelect_ = new RadioGroup(QStringLiteral("積雪荷重条件"), page);
    snowEriaSelect_->setObjectName(QStringLiteral("SnowEriaSelect"));
    snowEriaSelect_->setItems({QStringLiteral("一般の区域"), QStringLiteral("多雪区域")});
    snowEriaSelect_->setColumns(2);

    defaultButton1_ = new QPushButton(QStringLiteral("設定の保存"), page);
    defaultButton1_->setObjectName(QStringLiteral("DefaultButton1"));
    defaultButton1_->setFocusPolicy(Qt::ClickFocus);

    // The picture and the snow area at the left; the wind and storey data
    // at the right, so that the page fits the window's opening size.
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(picture);
    leftColumn->addWidget(snowEriaSelect_);
    leftColumn->addStretch(1);
    auto* column = new QVBoxLayout;
    column->addWidget(radioGroup1_);
    column->addWidget(windBox);
    column->addWidget(floorBox);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(defaultButton1_);
    column->addLayout(buttonRow);
    column->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(leftColumn, 0);
    layout->addLayout(column, 1);

    connect(radioGroup1_, &RadioGroup::itemClicked, this, [this](int index) {
        if (index < 0) return;
        commit(CommonFieldId::WindCalcStandard, index);
        emit velocityPressureChanged();
    });
    connect(v0Select_, &QComboBox::activated, this, [this](int index) {
        commit(CommonFieldId::V0Index, index);
        emit velocityPressureChanged();
    });
    connect(roughSelect_, &QComboBox::activated, this, [this](int index) {
        commit(CommonFieldId::RoughIndex, index);
        emit velocityPressureChanged();
    });
    for (NumLabeledEdit* field : {buildingHeight_, upQ_})
        connect(field, &NumberEdit::exited, this, [this] { emit velocityPressureChanged(); });
    connect(snowEriaSelect_, &RadioGroup::itemClicked, this, [this](int index) {
        if (index < 0) return;
        commit(CommonFieldId::SnowEria, index);
        emit snowAreaChanged(index);
    });
    connect(defaultButton1_, &QPushButton::clicked, this,
            [this] { context_.document().saveCommonDefaults(context_.messages()); });
}

void CommonPage::showProject() {
    const CommonData& common = context_.common();
    for (const auto& [field, id] : fields_)
        field->showValue(commonField(id).get(common));
    v0Select_->setCurrentIndex(common.V0Index);
    roughSelect_->setCurrentIndex(common.RoughIndex);
    radioGroup1_->setItemIndex(common.WindCalcStandard);
    emit velocityPressureChanged();
    snowEriaSelect_->setItemIndex(common.SnowEria);
    emit snowAreaChanged(common.SnowEria);
    for (std::size_t n = 0; n < 4; ++n)
        structCheckBoxes_[n]->setChecked(common.WoodenStorey[n]);
}

void CommonPage::refreshVelocityLabel() {
    // The document keeps the velocity pressure up to date; none without a height.
    const CommonData& common = context_.common();
    const bool computed = common.VelocityPressure > 0;
    const QString value = computed ? QString::number(std::llround(common.VelocityPressure)) : QStringLiteral("？");
    velocity_->setText(QStringLiteral("速度圧 q = ") + value + QStringLiteral(" N/m2"));
}

} // namespace tarvo::gui
