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

#include "core/form/tables/FormChoiceTexts.h"
#include "core/project/ColumnInputRules.h"
#include "core/project/CommonData.h"
#include "core/project/CommonFields.h"
#include "gui/ui/FormDrawing.h"
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
    // The lists hold their entries before a project is shown.
    draw(MakeCommonFormState(CommonInputData{}));
    inner->addTab(page, QStringLiteral("荷重条件"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(inner);
}

void CommonPage::choose(CommonFieldId id, double value) {
    const CommonData before = context_.common();
    if (const std::optional<CommonInputData> after = ChooseCommon(before.input(), id, value)) {
        context_.commitCommon(*after);
        if (FloorsDiffer(before, context_.common())) emit woodenStoreyChanged();
    }
    // A refused choice puts the control back.
    draw(MakeCommonFormState(context_.common().input()));
}

void CommonPage::bindField(NumLabeledEdit* field, CommonFieldId id) {
    fields_.emplace_back(field, id);
    connect(field, &NumberEdit::valueEdited, this, [this, id](double v) { choose(id, v); });
}

void CommonPage::buildPage(QWidget* page) {

    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QIcon(QStringLiteral(":/icons/storeys.svg")).pixmap(150, 260));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    radioGroup1_ = new RadioGroup(QStringLiteral("風圧力算定規準"), page);
    radioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    radioGroup1_->setItems(textsOf(form::kWindStandardTexts));

    auto* windBox = new QGroupBox(QStringLiteral("風圧力計算条件"), page);
    v0Select_ = new QComboBox(windBox);
    v0Select_->setObjectName(QStringLiteral("V0Select"));
    roughSelect_ = new QComboBox(windBox);
    roughSelect_->setObjectName(QStringLiteral("RoughSelect"));
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
        connect(wooden, &QCheckBox::toggled, this,
                [this, slot](bool checked) { choose(kWoodenFields[slot], checked ? 1 : 0); });
    }
    floorLevel_ = commonEntry(CommonFieldId::FirstFloorLevel, QStringLiteral("床高"), "FirstFloorLevel", floorBox);
    floorLevel_->model().setZeroVisible(false);
    bindField(floorLevel_, CommonFieldId::FirstFloorLevel);
    floorLayout->addWidget(floorLevel_->editLabel(), 4, 0);
    floorLayout->addWidget(floorLevel_, 4, 1);
    floorLayout->setColumnStretch(3, 1);

    snowEriaSelect_ = new RadioGroup(QStringLiteral("積雪荷重条件"), page);
    snowEriaSelect_->setObjectName(QStringLiteral("SnowEriaSelect"));

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

    // Every choice goes to the form as the value its entry stands for.
    connect(radioGroup1_, &RadioGroup::itemClicked, this, [this](int index) {
        choose(CommonFieldId::WindCalcStandard, valueAt(state_.radioGroup1, index));
        emit velocityPressureChanged();
    });
    connect(v0Select_, &QComboBox::activated, this, [this](int index) {
        choose(CommonFieldId::V0Index, valueAt(state_.v0Select, index));
        emit velocityPressureChanged();
    });
    connect(roughSelect_, &QComboBox::activated, this, [this](int index) {
        choose(CommonFieldId::RoughIndex, valueAt(state_.roughSelect, index));
        emit velocityPressureChanged();
    });
    for (NumLabeledEdit* field : {buildingHeight_, upQ_})
        connect(field, &NumberEdit::exited, this, [this] { emit velocityPressureChanged(); });
    connect(snowEriaSelect_, &RadioGroup::itemClicked, this, [this](int index) {
        choose(CommonFieldId::SnowEria, valueAt(state_.snowEriaSelect, index));
        emit snowAreaChanged(context_.common().SnowEria);
    });
    connect(defaultButton1_, &QPushButton::clicked, this,
            [this] { context_.document().saveCommonDefaults(context_.messages()); });
}

void CommonPage::showProject() {
    draw(MakeCommonFormState(context_.common().input()));
    emit velocityPressureChanged();
    emit snowAreaChanged(context_.common().SnowEria);
}

void CommonPage::refreshVelocityLabel() {
    draw(MakeCommonFormState(context_.common().input()));
}

void CommonPage::draw(const CommonFormState& state) {
    state_ = state;
    drawChoice(*radioGroup1_, state_.radioGroup1);
    drawChoice(*v0Select_, state_.v0Select);
    drawChoice(*roughSelect_, state_.roughSelect);
    for (const auto& [field, id] : fields_)
        if (const CommonNumberControl* control = state_.numberField(id)) drawNumber(*field, *control);
    drawLabel(*velocity_, state_.velocity);
    for (std::size_t n = 0; n < state_.structCheckBoxes.size(); ++n)
        drawFlag(*structCheckBoxes_[n], state_.structCheckBoxes[n]);
    drawChoice(*snowEriaSelect_, state_.snowEriaSelect);
    drawButton(*defaultButton1_, state_.defaultButton1);
}

} // namespace tarvo::gui
