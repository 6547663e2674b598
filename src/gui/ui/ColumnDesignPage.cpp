#include "gui/ui/ColumnDesignPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "core/check/CheckRefusal.h"
#include "core/check/ColumnCheck.h"
#include "core/material/DimensionLumberSize.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnFieldFormats.h"
#include "core/project/ColumnInputRules.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/report/ItemPresentation.h"
#include "gui/print/QtText.h"
#include "gui/ui/NumLabeledEdit.h"
#include "gui/ui/NumberEdit.h"
#include "gui/ui/PageContext.h"
#include "gui/ui/RadioGroup.h"
#include "gui/ui/ResultView.h"
#include "gui/ui/UpDownButtons.h"

namespace tarvo::gui {

namespace {

void fillCombo(QComboBox* combo, const QStringList& entries, int selected) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(entries.isEmpty() ? -1 : std::clamp(selected, 0, static_cast<int>(entries.size()) - 1));
}

QLabel* caption(const QString& text, QWidget* parent, const char* name = nullptr) {
    auto* label = new QLabel(text, parent);
    if (name != nullptr) label->setObjectName(QLatin1String(name));
    return label;
}

// Radio groups that sit inside a captioned group box draw no frame of their own.
const QString kFramelessGroup = QStringLiteral("QGroupBox { border: none; margin-top: 0px; padding-top: 0px; }");

constexpr const char* kForceNames[] = {"NL1", "NL2", "NS", "NW", "NE"};
constexpr const char* kForceCaptions[] = {"常　時", "長期積雪時", "短期積雪時", "風荷重時", "地震荷重時"};

} // namespace

ColumnDesignPage::ColumnDesignPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* left = new QWidget(this);
    left->setObjectName(QStringLiteral("BasePanel1"));
    auto* right = new QWidget(this);
    right->setObjectName(QStringLiteral("BasePanel2"));
    buildLeftHalf(left);
    buildRightHalf(right);

    messageBord_ = new QLabel(this);
    messageBord_->setObjectName(QStringLiteral("MessageBord"));
    messageBord_->setFrameShape(QFrame::Panel);
    messageBord_->setFrameShadow(QFrame::Sunken);
    messageBord_->setMinimumHeight(22);
    QFont boardFont(QStringLiteral("ＭＳ Ｐゴシック"));
    boardFont.setPixelSize(13);
    boardFont.setBold(true);
    messageBord_->setFont(boardFont);
    messageBord_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));

    auto* halves = new QHBoxLayout;
    halves->setSpacing(4);
    halves->addWidget(left, 0);
    halves->addWidget(right, 1);
    // Fields a little lower than the style's default, so that the result
    // sheet keeps room at the window's opening size.
    for (NumberEdit* field : findChildren<NumberEdit*>())
        field->setFixedHeight(fontMetrics().height() + 6);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(halves, 1);
    layout->addWidget(messageBord_);
}

NumberEdit* ColumnDesignPage::makeField(const char* name, ItemFieldId id, bool zeroVisible) {
    auto* field = new NumberEdit(this);
    field->setObjectName(QLatin1String(name));
    bindField(field, id);
    field->model().setZeroVisible(zeroVisible);
    return field;
}

void ColumnDesignPage::bindField(NumberEdit* field, ItemFieldId id) {
    const ItemField& entry = itemField(id);
    applyFieldFormat(field->model(), *entry.format);
    field->holdValue(entry.whole);
    fields_.emplace_back(field, id);
    // A typed value goes into the shown item; the exit handler then counts
    // the edit and checks the item again.
    connect(field, &NumberEdit::valueEdited, this,
            [this, id](double v) { itemField(id).set(context_.currentItem(), v); });
}

void ColumnDesignPage::showField(NumberEdit* field) {
    for (const auto& [bound, id] : fields_)
        if (bound == field) field->showValue(itemField(id).get(context_.currentItem()));
}

void ColumnDesignPage::connectField(NumberEdit* field, bool countsOnText) {
    connect(field, &NumberEdit::entryRefused, this, [this](const QString& message) { refusedEntry_ = message; });
    if (countsOnText) {
        connect(field, &QLineEdit::textEdited, this, [this] { context_.markChanged(); });
        connect(field, &NumberEdit::exited, this, [this] { recomputeItem(); });
    } else {
        // The depth counts its edit when it is left, and only when it was
        // typed in, so that tabbing through it raises no save prompt.
        connect(field, &NumberEdit::exited, this, [this, field] {
            if (field->isModified()) {
                field->setModified(false);
                context_.markChanged();
            }
            recomputeItem();
        });
    }
}

void ColumnDesignPage::buildLeftHalf(QWidget* panel) {
    // Material of the column.
    auto* materialBox = new QGroupBox(QStringLiteral("柱使用材料"), panel);
    productKind_ = new RadioGroup(QString(), materialBox);
    productKind_->setObjectName(QStringLiteral("ProductKind"));
    productKind_->setFlat(true);
    productKind_->setStyleSheet(kFramelessGroup);
    productKind_->setItems({QStringLiteral("構造用製材"), QStringLiteral("２×４製材"), QStringLiteral("集成材"),
                            QStringLiteral("LVL"), QStringLiteral("集成柱")});
    productKind_->setColumns(2);
    label6_ = caption(QStringLiteral("等級"), materialBox, "Label6");
    gradeSelect_ = new QComboBox(materialBox);
    gradeSelect_->setObjectName(QStringLiteral("GradeSelect"));
    gradeSelect_->setMaxVisibleItems(10);
    gradeSelect_->setMinimumContentsLength(12);
    auto* materialLayout = new QGridLayout(materialBox);
    materialLayout->setContentsMargins(4, 2, 4, 4);
    materialLayout->addWidget(productKind_, 0, 0, 1, 2);
    materialLayout->addWidget(label6_, 1, 0);
    materialLayout->addWidget(gradeSelect_, 1, 1);
    materialLayout->setColumnStretch(1, 1);

    // Section, pieces and tenon.
    auto* sizeBox = new QGroupBox(QStringLiteral("部材寸法"), panel);
    shapeSelect_ = new RadioGroup(QString(), sizeBox);
    shapeSelect_->setObjectName(QStringLiteral("ShapeSelect"));
    shapeSelect_->setFlat(true);
    shapeSelect_->setStyleSheet(kFramelessGroup);
    shapeSelect_->setItems({QStringLiteral("矩形"), QStringLiteral("円形")});
    shapeSelect_->setColumns(2);
    auto* label7 = caption(QStringLiteral("Size"), sizeBox, "Label7");
    sizeSelect_ = new QComboBox(sizeBox);
    sizeSelect_->setObjectName(QStringLiteral("SizeSelect"));
    sizeSelect_->setEditable(true);
    sizeSelect_->setInsertPolicy(QComboBox::NoInsert);
    sizeSelect_->setMinimumContentsLength(5);
    sizeB_ = makeField("SizeB", ItemFieldId::B, false);
    sizeD_ = makeField("SizeD", ItemFieldId::D, false);
    members_ = new NumLabeledEdit(QStringLiteral(" 本数"), this);
    members_->setObjectName(QStringLiteral("Members"));
    bindField(members_, ItemFieldId::Members);
    mainUpDown_ = new UpDownButtons(1, 10, sizeBox);
    mainUpDown_->setObjectName(QStringLiteral("MainUpDown"));
    subMembers_ = new NumLabeledEdit(QStringLiteral("マグサ受け本数"), this);
    subMembers_->setObjectName(QStringLiteral("SubMembers"));
    bindField(subMembers_, ItemFieldId::SubMembers);
    subUpDown_ = new UpDownButtons(0, 10, sizeBox);
    subUpDown_->setObjectName(QStringLiteral("SubUpDown"));
    autoDeduct_ = new QCheckBox(QStringLiteral("ほぞ寸法自動計算"), sizeBox);
    autoDeduct_->setObjectName(QStringLiteral("Auto_Deduct"));
    sizeBs_ = makeField("SizeBs", ItemFieldId::TenonB, true);
    sizeDs_ = makeField("SizeDs", ItemFieldId::TenonD, true);

    auto* sizeLayout = new QGridLayout(sizeBox);
    sizeLayout->setContentsMargins(4, 2, 4, 4);
    sizeLayout->setVerticalSpacing(3);
    sizeLayout->addWidget(shapeSelect_, 0, 0, 1, 3);
    sizeLayout->addWidget(label7, 0, 3, Qt::AlignRight);
    sizeLayout->addWidget(sizeSelect_, 0, 4);
    sizeLayout->addWidget(caption(QStringLiteral("b (mm)"), sizeBox), 1, 0, Qt::AlignCenter);
    sizeLayout->addWidget(caption(QStringLiteral("D (mm)"), sizeBox), 1, 2, Qt::AlignCenter);
    sizeLayout->addWidget(sizeB_, 2, 0);
    sizeLayout->addWidget(caption(QStringLiteral("×"), sizeBox), 2, 1, Qt::AlignCenter);
    sizeLayout->addWidget(sizeD_, 2, 2);
    auto* piecesRow = new QHBoxLayout;
    piecesRow->addWidget(members_->editLabel());
    piecesRow->addWidget(members_);
    piecesRow->addWidget(mainUpDown_);
    piecesRow->addSpacing(8);
    piecesRow->addWidget(subMembers_->editLabel());
    piecesRow->addWidget(subMembers_);
    piecesRow->addWidget(subUpDown_);
    piecesRow->addStretch(1);
    sizeLayout->addLayout(piecesRow, 3, 0, 1, 5);
    sizeLayout->addWidget(autoDeduct_, 4, 0, 1, 5);
    sizeLayout->addWidget(caption(QStringLiteral("b (mm)"), sizeBox), 5, 0, Qt::AlignCenter);
    sizeLayout->addWidget(caption(QStringLiteral("D (mm)"), sizeBox), 5, 2, Qt::AlignCenter);
    sizeLayout->addWidget(sizeBs_, 6, 0);
    sizeLayout->addWidget(caption(QStringLiteral("×"), sizeBox), 6, 1, Qt::AlignCenter);
    sizeLayout->addWidget(sizeDs_, 6, 2);
    sizeLayout->setColumnStretch(4, 1);

    // Buckling and bending lengths.
    auto* lengthBox = new QGroupBox(QStringLiteral("座屈長さ (mm)"), panel);
    lkxEdit_ = new NumLabeledEdit(QStringLiteral("せい方向 Lkx"), this);
    lkxEdit_->setObjectName(QStringLiteral("LkxEdit"));
    bindField(lkxEdit_, ItemFieldId::Lkx);
    lkxEdit_->model().setZeroVisible(false);
    labelLky_ = caption(QStringLiteral("巾方向 Lky"), lengthBox, "LabelLky");
    lkyEdit_ = makeField("LkyEdit", ItemFieldId::Lky, false);
    lkyDirect_ = new QCheckBox(lengthBox);
    lkyDirect_->setObjectName(QStringLiteral("LkyDirect"));
    lkyDirect_->setToolTip(QStringLiteral("Lky直接入力"));
    auto* lengthLayout = new QGridLayout(lengthBox);
    lengthLayout->setContentsMargins(4, 2, 4, 4);
    lengthLayout->addWidget(lkxEdit_->editLabel(), 0, 0);
    lengthLayout->addWidget(lkxEdit_, 0, 1);
    lengthLayout->addWidget(labelLky_, 1, 0);
    lengthLayout->addWidget(lkyEdit_, 1, 1);
    lengthLayout->addWidget(lkyDirect_, 1, 2);
    lengthLayout->setColumnStretch(3, 1);

    labelLb_ = caption(QStringLiteral("曲げ長さ Lb (mm)"), panel, "LabelLb");
    lbEdit_ = makeField("LbEdit", ItemFieldId::Lb, false);
    lbDirect_ = new QCheckBox(panel);
    lbDirect_->setObjectName(QStringLiteral("LbDirect"));
    lbDirect_->setToolTip(QStringLiteral("Lb直接入力"));
    useAxisX_ = new QCheckBox(QStringLiteral("許容応力度を fbx, fsx とする"), panel);
    useAxisX_->setObjectName(QStringLiteral("UseAxisX"));
    auto* bendingRow = new QHBoxLayout;
    bendingRow->addWidget(labelLb_);
    bendingRow->addWidget(lbEdit_);
    bendingRow->addWidget(lbDirect_);
    bendingRow->addStretch(1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(materialBox);
    layout->addWidget(sizeBox);
    layout->addWidget(lengthBox);
    layout->addLayout(bendingRow);
    layout->addWidget(useAxisX_);
    layout->addStretch(1);

    for (NumberEdit* field :
         {static_cast<NumberEdit*>(sizeB_), static_cast<NumberEdit*>(members_), static_cast<NumberEdit*>(subMembers_),
          static_cast<NumberEdit*>(lkxEdit_), lkyEdit_, lbEdit_, sizeBs_, sizeDs_})
        connectField(field, true);
    connectField(sizeD_, false);

    connect(productKind_, &RadioGroup::itemClicked, this, &ColumnDesignPage::productKindClick);
    connect(gradeSelect_, &QComboBox::activated, this, &ColumnDesignPage::gradeSelectSelect);
    connect(shapeSelect_, &RadioGroup::itemClicked, this, &ColumnDesignPage::shapeSelectClick);
    connect(sizeSelect_, &QComboBox::activated, this, &ColumnDesignPage::sizeSelectSelect);
    connect(mainUpDown_, &UpDownButtons::stepped, this, &ColumnDesignPage::mainUpDownClick);
    connect(subUpDown_, &UpDownButtons::stepped, this, &ColumnDesignPage::subUpDownClick);
    connect(lkyDirect_, &QCheckBox::toggled, this, &ColumnDesignPage::lkyDirectClick);
    connect(lbDirect_, &QCheckBox::toggled, this, &ColumnDesignPage::lbDirectClick);
    connect(autoDeduct_, &QCheckBox::toggled, this, &ColumnDesignPage::autoDeductClick);
    connect(useAxisX_, &QCheckBox::toggled, this, &ColumnDesignPage::useAxisXClick);
}

void ColumnDesignPage::buildRightHalf(QWidget* panel) {
    auto* forceBox = new QGroupBox(QStringLiteral("軸圧縮力 (kN)"), panel);
    auto* forceLayout = new QGridLayout(forceBox);
    forceLayout->setContentsMargins(4, 2, 4, 4);
    forceLayout->setVerticalSpacing(0);
    for (int j = 0; j < 5; ++j) {
        auto* field = new NumLabeledEdit(QString::fromUtf8(kForceCaptions[j]), this);
        field->setObjectName(QLatin1String(kForceNames[j]));
        bindField(field, static_cast<ItemFieldId>(static_cast<int>(ItemFieldId::AxialForce0) + j));
        field->model().setZeroVisible(false);
        forces_[j] = field;
        forceLayout->addWidget(field->editLabel(), j, 0);
        forceLayout->addWidget(field, j, 1);
        connectField(field, true);
    }
    forceLayout->setColumnStretch(2, 1);

    windLabel1_ = caption(QStringLiteral("算定階"), panel, "WindLabel1");
    floorSelect_ = new QComboBox(panel);
    floorSelect_->setObjectName(QStringLiteral("FloorSelect"));
    floorSelect_->setMinimumContentsLength(4);
    auto* floorRow = new QHBoxLayout;
    floorRow->addWidget(windLabel1_);
    floorRow->addWidget(floorSelect_);
    floorRow->addStretch(1);

    auto* windBox = new QGroupBox(QStringLiteral("風圧力計算条件"), panel);
    windLabel2_ = caption(QStringLiteral("地盤面からの高さ  Z(m)"), windBox, "WindLabel2");
    objectHeight_ = makeField("ObjectHeight", ItemFieldId::HeightZ, false);
    windLabel3_ = caption(QStringLiteral("風圧の負担巾      W(m)"), windBox, "WindLabel3");
    objectWidth_ = makeField("ObjectWidth", ItemFieldId::WindWidth, false);
    windLabel4_ = caption(QStringLiteral("風力係数"), windBox, "WindLabel4");
    cfEdit_ = makeField("CfEdit", ItemFieldId::Cf, false);
    cfDirect_ = new QCheckBox(QStringLiteral("風力係数の直接入力"), windBox);
    cfDirect_->setObjectName(QStringLiteral("CfDirect"));
    auto* windLayout = new QGridLayout(windBox);
    windLayout->setContentsMargins(4, 2, 4, 4);
    windLayout->setVerticalSpacing(0);
    windLayout->addWidget(windLabel2_, 0, 0);
    windLayout->addWidget(objectHeight_, 0, 1);
    windLayout->addWidget(windLabel3_, 1, 0);
    windLayout->addWidget(objectWidth_, 1, 1);
    windLayout->addWidget(windLabel4_, 2, 0);
    windLayout->addWidget(cfEdit_, 2, 1);
    windLayout->addWidget(cfDirect_, 3, 0, 1, 3);
    windLayout->setColumnStretch(2, 1);
    for (NumberEdit* field : {objectHeight_, objectWidth_, cfEdit_})
        connectField(field, true);

    auto* resultGroup = new QGroupBox(QStringLiteral("計算結果"), panel);
    resultBox_ = new QScrollArea(resultGroup);
    resultBox_->setObjectName(QStringLiteral("ResultBox"));
    resultBox_->setWidgetResizable(false);
    resultBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette green = resultBox_->palette();
    green.setColor(QPalette::Window, QColor(192, 220, 192));
    resultBox_->setPalette(green);
    resultBox_->setBackgroundRole(QPalette::Window);
    resultBox_->viewport()->setPalette(green);
    resultBox_->viewport()->setAutoFillBackground(true);
    resultView_ = new ResultView;
    resultBox_->setWidget(resultView_);
    auto* resultLayout = new QVBoxLayout(resultGroup);
    resultLayout->setContentsMargins(4, 2, 4, 4);
    resultLayout->addWidget(resultBox_);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(forceBox);
    layout->addLayout(floorRow);
    layout->addWidget(windBox);
    layout->addWidget(resultGroup, 1);

    connect(floorSelect_, &QComboBox::activated, this, &ColumnDesignPage::floorSelectSelect);
    connect(cfDirect_, &QCheckBox::toggled, this, &ColumnDesignPage::cfDirectClick);
}

void ColumnDesignPage::showItem() {
    ColumnMember& item = context_.currentItem();
    productKind_->setItemIndex(item.ColumnMaterial.SelectProduct);
    refillGrades();
    showField(sizeB_);
    showField(sizeD_);
    applyShapeEntries();
    refreshSizeControls();
    showField(members_);
    showField(subMembers_);
    mainUpDown_->setPosition(item.Members);
    subUpDown_->setPosition(item.SubMembers);
    lkyDirect_->setChecked(item.LkyDirect);
    lbDirect_->setChecked(item.LbDirect);
    showField(objectHeight_);
    showField(objectWidth_);
    autoDeduct_->setChecked(item.AutoTenon);
    showField(sizeBs_);
    showField(sizeDs_);
    showField(lkxEdit_);
    showField(lkyEdit_);
    showField(lbEdit_);
    for (NumLabeledEdit* force : forces_)
        showField(force);
    showField(cfEdit_);
    cfDirect_->setChecked(item.CfDirect);
    lkyEdit_->setEnabled(lkyDirect_->isChecked());
    lkyEdit_->model().setZeroVisible(lkyEdit_->isEnabled());
    showField(lkyEdit_);
    useAxisX_->setChecked(item.UseAxisX);
    syncFloorSelect();
}

void ColumnDesignPage::recomputeItem() {
    ColumnMember& item = context_.currentItem();
    useAxisX_->setEnabled(UseAxisXAllowed(item, labelLb_->isEnabled()));
    const bool piecesEditable = ApplyRoundPieceRule(item);
    showField(members_);
    mainUpDown_->setPosition(item.Members);
    subUpDown_->setPosition(item.SubMembers);
    members_->setEnabled(piecesEditable);
    mainUpDown_->setEnabled(piecesEditable);
    messageBord_->clear();

    // The inputs the check derives (automatic Cf and tenon, the lengths that
    // follow Lkx) are shown in their fields and kept with the item.
    const ColumnCheck& check = context_.check();
    const ColumnOutcome outcome = check.CheckColumn(item);
    ApplyDerivedInputs(item, outcome);
    resultView_->drawSheet(PresentItem(item, outcome, check), QFontInfo(font()).pixelSize());

    for (NumberEdit* field : {cfEdit_, lkyEdit_, lbEdit_, sizeBs_, sizeDs_})
        showField(field);
    // A refused entry says so first; every item that cannot be checked says
    // why; an entry still missing is named without the beep of a refusal.
    if (!refusedEntry_.isEmpty()) {
        QApplication::beep();
        messageBord_->setText(refusedEntry_);
        refusedEntry_.clear();
        emit recomputed();
        return;
    }
    const std::string message = CheckRefusalMessage(item, outcome.ResultCode);
    if (!message.empty()) {
        if (!CheckResultMessage(outcome.ResultCode).empty()) QApplication::beep();
        messageBord_->setText(QString::fromStdString(message));
    }
    emit recomputed();
}

QSize ColumnDesignPage::sheetRoom() const {
    // Sheet lines at their widest ordinary values, drawn in the window's font
    // with the sheet's own margins (see DrawResultSheet).
    const QFont sheetFont(QStringLiteral("ＭＳ Ｐゴシック"), -1);
    QFont font = sheetFont;
    font.setPixelSize(QFontInfo(this->font()).pixelSize());
    const QFontMetrics metrics(font);
    const int caseLabel =
        metrics.horizontalAdvance(QStringLiteral("地震荷重時")) + metrics.horizontalAdvance(QStringLiteral("： "));
    const int label = metrics.horizontalAdvance(QStringLiteral("横架材　"));
    const int widest = std::max({
        metrics.horizontalAdvance(QStringLiteral("λ=150,  η=0.133,  Fk=22.20 (Fc=22.20),  Fcv=10.00（材端）")),
        metrics.horizontalAdvance(QStringLiteral("As=110.3,  Z=192.9,  Fsy=2.40,  Fby=28.20")),
        metrics.horizontalAdvance(QStringLiteral("許容めり込み応力度を 1.5･Fcv/3, 2.0･Fcv/3 とする")),
        label + metrics.horizontalAdvance(QStringLiteral("構造用集成材　E105-F300 対称異等級構成　すぎ")),
        caseLabel + metrics.horizontalAdvance(QStringLiteral("σc/fk=0.99,  σc/fcv=0.99  NG")),
    });
    // Material, species, member below, its note and the service class; the
    // section, slenderness and wind lines; four cases and the wind case's three.
    const int step = QFontInfo(font).pixelSize() + 3;
    const int height = 2 + 15 * step + 3 * 2 + 2;
    const int frame = 2 * resultBox_->frameWidth();
    return {7 + widest + 7 + frame, height + frame};
}

void ColumnDesignPage::reserveSheetRoom(bool reserve) {
    resultBox_->setMinimumSize(reserve ? sheetRoom() : QSize(0, 0));
    // The layouts above cache their children's sizes until their next pass:
    // every level learns the new size at once.
    for (QWidget* level = resultBox_; level != nullptr && !level->isWindow(); level = level->parentWidget()) {
        if (QLayout* own = level->layout()) {
            own->invalidate();
            own->activate();
        }
        level->updateGeometry();
    }
}

void ColumnDesignPage::focusFirstField() {
    const int chosen = std::max(productKind_->itemIndex(), 0);
    if (QWidget* first = productKind_->button(chosen)) first->setFocus(Qt::OtherFocusReason);
}

void ColumnDesignPage::refreshSizeControls() {
    ColumnMember& item = context_.currentItem();
    const SizeControlState state =
        ApplySizeRules(item, sizeSelect_->currentText().toStdString(), sizeSelect_->count(),
                       sizeSelect_->currentIndex(), productKind_->itemIndex() == kDimensionLumber);
    sizeSelect_->setEnabled(state.sizeSelectEnabled);
    showField(sizeB_);
    showField(sizeD_);
    sizeB_->setEnabled(state.sizeBEnabled);
    sizeD_->setEnabled(state.sizeDEnabled);
    showField(subMembers_);
    subUpDown_->setPosition(item.SubMembers);
    subMembers_->setEnabled(state.subMembersEnabled);
    subUpDown_->setEnabled(state.subMembersEnabled);
}

void ColumnDesignPage::refillGrades() {
    ColumnMember& item = context_.currentItem();
    const MatDataBase& catalogue = context_.catalogue();
    const ChoiceList grades = catalogue.fillGradeList(item.ColumnMaterial);
    fillCombo(gradeSelect_, toQStringList(grades.entries), grades.selected);
    gradeSelect_->setEnabled(grades.enabled);
    const ChoiceList sizes = catalogue.fillSizeList(item.ColumnMaterial, item.SizeCode);
    fillCombo(sizeSelect_, toQStringList(sizes.entries), sizes.selected);
}

void ColumnDesignPage::rebuildFloorList() {
    floorEntries_ = FloorEntries(context_.common());
    fillCombo(floorSelect_, toQStringList(floorEntries_), -1);
    syncFloorSelect();
}

void ColumnDesignPage::syncFloorSelect() {
    ColumnMember& item = context_.currentItem();
    const FloorSelection selection = SyncFloor(floorEntries_, item, context_.common());
    {
        const QSignalBlocker blocker(floorSelect_);
        floorSelect_->setCurrentIndex(selection.selected);
    }
    floorSelect_->setEnabled(selection.enabled);
    showField(objectHeight_);
    const bool wind = WindConsidered(context_.common());
    for (QWidget* control : std::initializer_list<QWidget*>{windLabel2_, windLabel3_, windLabel4_, labelLb_,
                                                            objectWidth_, lbDirect_, cfDirect_})
        control->setEnabled(wind);
    objectHeight_->setEnabled(wind && floorSelect_->currentIndex() == 0);
    lbEdit_->setEnabled(wind && lbDirect_->isChecked());
    cfEdit_->setEnabled(wind && cfDirect_->isChecked());
}

void ColumnDesignPage::setSnowFieldEnabled(int snowArea) {
    forces_[1]->setEnabled(snowArea == 1);
}

void ColumnDesignPage::applyShapeEntries() {
    const ColumnMember& item = context_.currentItem();
    std::vector<std::string> current;
    for (const QString& text : shapeSelect_->items())
        current.push_back(text.toStdString());
    const std::vector<std::string> wanted = ShapeEntries(current, item.ColumnMaterial.SelectProduct);
    if (wanted != current) shapeSelect_->setItems(toQStringList(wanted));
    shapeSelect_->setItemIndex(std::clamp(item.Shape, 0, shapeSelect_->count() - 1));
}

void ColumnDesignPage::productKindClick(int index) {
    if (index < 0) return;
    ColumnMember& item = context_.currentItem();
    item.ColumnMaterial.SelectProduct = index;
    item.SizeCode = dimsToSize(item.B, item.D);
    refillGrades();
    label6_->setText(index == kGlulamColumn ? QStringLiteral("樹種") : QStringLiteral("等級"));
    applyShapeEntries();
    item.Shape = std::max(shapeSelect_->itemIndex(), 0);
    context_.markChanged();
    refreshSizeControls();
    if (!context_.showingItem()) recomputeItem();
}

void ColumnDesignPage::gradeSelectSelect(int index) {
    ColumnMember& item = context_.currentItem();
    const auto product = static_cast<std::size_t>(std::clamp(item.ColumnMaterial.SelectProduct, 0, 4));
    item.ColumnMaterial.SelectGrade[product] = std::max(index, 0);
    const ChoiceList sizes = context_.catalogue().fillSizeList(item.ColumnMaterial, item.SizeCode);
    fillCombo(sizeSelect_, toQStringList(sizes.entries), sizes.selected);
    context_.markChanged();
    refreshSizeControls();
    recomputeItem();
}

void ColumnDesignPage::shapeSelectClick(int index) {
    if (index < 0) return;
    context_.markChanged();
    context_.currentItem().Shape = index;
    refreshSizeControls();
    if (!context_.showingItem()) recomputeItem();
}

void ColumnDesignPage::sizeSelectSelect(int /*index*/) {
    context_.markChanged();
    refreshSizeControls();
    recomputeItem();
}

void ColumnDesignPage::mainUpDownClick(int position) {
    members_->setText(QString::number(position));
    context_.markChanged();
    members_->valueUpdate();
    recomputeItem();
}

void ColumnDesignPage::subUpDownClick(int position) {
    subMembers_->setText(QString::number(position));
    context_.markChanged();
    subMembers_->valueUpdate();
    recomputeItem();
}

void ColumnDesignPage::lkyDirectClick(bool checked) {
    context_.currentItem().LkyDirect = checked;
    lkyEdit_->setEnabled(checked);
    lkyEdit_->model().setZeroVisible(checked);
    showField(lkyEdit_);
    context_.markChanged();
    if (checked)
        context_.focusControl(lkyEdit_);
    else if (!context_.showingItem())
        recomputeItem();
}

void ColumnDesignPage::lbDirectClick(bool checked) {
    context_.markChanged();
    context_.currentItem().LbDirect = checked;
    lbEdit_->setEnabled(checked);
    lbEdit_->model().setZeroVisible(checked);
    showField(lbEdit_);
    if (checked)
        context_.focusControl(lbEdit_);
    else if (!context_.showingItem())
        recomputeItem();
}

void ColumnDesignPage::cfDirectClick(bool checked) {
    context_.markChanged();
    context_.currentItem().CfDirect = checked;
    cfEdit_->setEnabled(checked);
    if (checked) context_.focusControl(cfEdit_);
    if (!context_.showingItem()) recomputeItem();
}

void ColumnDesignPage::autoDeductClick(bool checked) {
    context_.markChanged();
    sizeBs_->setEnabled(!checked);
    sizeDs_->setEnabled(!checked);
    context_.currentItem().AutoTenon = checked;
    if (checked) {
        if (!context_.showingItem()) recomputeItem();
    } else {
        context_.focusControl(sizeBs_);
    }
}

void ColumnDesignPage::useAxisXClick(bool checked) {
    context_.markChanged();
    context_.currentItem().UseAxisX = checked;
    if (!context_.showingItem()) recomputeItem();
}

void ColumnDesignPage::floorSelectSelect(int index) {
    context_.markChanged();
    context_.currentItem().FloorIndex = FloorIndexOfEntry(floorEntries_, index, WindConsidered(context_.common()));
    syncFloorSelect();
    if (objectHeight_->isEnabled()) context_.focusControl(objectHeight_);
    recomputeItem();
}

} // namespace tarvo::gui
