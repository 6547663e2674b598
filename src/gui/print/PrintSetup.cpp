#include "gui/print/PrintSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

#include "core/print/DeviceGeometry.h"
#include "core/print/LayoutProblem.h"
#include "core/text/MessageSink.h"
#include "gui/print/FontChoiceDialog.h"
#include "gui/print/PrinterAccess.h"
#include "gui/print/QtText.h"
#include "gui/ui/NumberEdit.h"
#include "gui/ui/UpDownButtons.h"

namespace tarvo::gui {
namespace {

constexpr int kMaxMarginMm = 300;
constexpr int kMaxFirstPageNo = 9999;

} // namespace

PrintSetup::PrintSetup(PrinterAccess& access, std::filesystem::path settingsFile, MessageSink& messages,
                       QWidget* parent)
    : QDialog(parent), access_(access), settingsFile_(std::move(settingsFile)), messages_(messages) {
    setObjectName(QStringLiteral("PrintSetup"));
    setWindowTitle(QStringLiteral("印刷設定"));
    // No close box: the dialog closes through OK.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (parent != nullptr) setFont(parent->font());

    // Printer and paper.
    selectPrinter_ = new QLabel(this);
    selectPrinter_->setObjectName(QStringLiteral("SelectPrinter"));
    paperInfo_ = new QLabel(this);
    paperInfo_->setObjectName(QStringLiteral("PaperInfo"));
    auto* printerButton = new QPushButton(QStringLiteral("プリンタの設定..."), this);
    printerButton->setObjectName(QStringLiteral("PrinterButton"));
    printerButton->setToolTip(QStringLiteral("プリンタの設定"));
    connect(printerButton, &QPushButton::clicked, this, &PrintSetup::printerSetup);

    // Numeric fields, bound to the printer record and the settings.
    fields_[kLeft] =
        makeField("MLeft", "MLeftUpDown", QStringLiteral("用紙の左端からの空き"), &printer_.LeftMargin, kMaxMarginMm);
    fields_[kTop] =
        makeField("MTop", "MTopUpDown", QStringLiteral("用紙の上端からの空き"), &printer_.TopMargin, kMaxMarginMm);
    fields_[kBottom] = makeField("MBottom", "MBottomUpDown", QStringLiteral("用紙の下端からの空き"),
                                 &printer_.BottomMargin, kMaxMarginMm);
    fields_[kParagraphSpace] =
        makeField("ParagraphSpace", "ParagraphSpaceUpDown", QString(), &printer_.ParagraphSpace, kMaxMarginMm);
    fields_[kIndent] = makeField("Indent", "IndentUpDown", QStringLiteral("タイトルに対する本文のインデント量"),
                                 &printer_.Indent, kMaxMarginMm);
    fields_[kPageNoTop] = makeField("PgNoTop", "PgNoTopUpDown", QStringLiteral("用紙の上端からの空き"),
                                    &printer_.HeaderTopMargin, kMaxMarginMm);
    fields_[kPageNoSide] = makeField("PgNoSide", "PgNoSideUpDown", QStringLiteral("用紙の右端からの空き"),
                                     &printer_.HeaderSideMargin, kMaxMarginMm);
    fields_[kFirstPageNo] =
        makeField("FirstPgNo", "FirstPgNoUpDown", QStringLiteral("０の場合、ページ番号を出力しない"),
                  &settings_.firstPageNo, kMaxFirstPageNo);

    const auto fieldRow = [this](QGridLayout* grid, int row, const QString& caption, FieldIndex index) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(fields_[index].edit, row, 1);
        grid->addWidget(fields_[index].upDown, row, 2);
    };
    auto* layoutBox = new QGroupBox(QStringLiteral("印刷レイアウト (mm)"), this);
    auto* layoutGrid = new QGridLayout(layoutBox);
    fieldRow(layoutGrid, 0, QStringLiteral("左マージン"), kLeft);
    fieldRow(layoutGrid, 1, QStringLiteral("上マージン"), kTop);
    fieldRow(layoutGrid, 2, QStringLiteral("下マージン"), kBottom);
    fieldRow(layoutGrid, 3, QStringLiteral("段落間隔"), kParagraphSpace);
    fieldRow(layoutGrid, 4, QStringLiteral("インデント"), kIndent);

    auto* pageNoBox = new QGroupBox(QStringLiteral("ページ番号"), this);
    auto* pageNoGrid = new QGridLayout(pageNoBox);
    fieldRow(pageNoGrid, 0, QStringLiteral("上端から (mm)"), kPageNoTop);
    fieldRow(pageNoGrid, 1, QStringLiteral("側端から (mm)"), kPageNoSide);
    fieldRow(pageNoGrid, 2, QStringLiteral("開始番号"), kFirstPageNo);
    headerPosChange_ = new QCheckBox(QStringLiteral("偶数ページのページ番号位置を反転"), pageNoBox);
    headerPosChange_->setObjectName(QStringLiteral("HeaderPosChange"));
    pageNoGrid->addWidget(headerPosChange_, 3, 0, 1, 3);
    connect(headerPosChange_, &QCheckBox::toggled, this, [this](bool on) { printer_.ChangeEvenHeaderPos = on; });

    auto* fontBox = new QGroupBox(QStringLiteral("フォント"), this);
    auto* fontGrid = new QGridLayout(fontBox);
    const std::array<const char*, 3> labelNames{"TitleFontName", "BodyFontName", "HeaderFontName"};
    const std::array<const char*, 3> buttonNames{"TitleFontButton", "BodyFontButton", "HeaderFontButton"};
    const std::array<QString, 3> captions{QStringLiteral("タイトル"), QStringLiteral("本文"),
                                          QStringLiteral("ページ番号")};
    for (int tag = 0; tag < 3; ++tag) {
        const auto i = static_cast<std::size_t>(tag);
        fontLabels_[i] = new QLabel(fontBox);
        fontLabels_[i]->setObjectName(QLatin1String(labelNames[i]));
        fontLabels_[i]->setFrameShape(QFrame::Panel);
        fontLabels_[i]->setFrameShadow(QFrame::Sunken);
        fontLabels_[i]->setMinimumWidth(180);
        auto* button = new QPushButton(QStringLiteral("変更..."), fontBox);
        fontButtons_[i] = button;
        button->setObjectName(QLatin1String(buttonNames[i]));
        connect(button, &QPushButton::clicked, this, [this, tag] { chooseFont(tag); });
        fontGrid->addWidget(new QLabel(captions[i], fontBox), tag, 0);
        fontGrid->addWidget(fontLabels_[i], tag, 1);
        fontGrid->addWidget(button, tag, 2);
    }

    // Title and legend.
    isTitlePrint_ = new QCheckBox(QStringLiteral("タイトルを印刷する"), this);
    isTitlePrint_->setObjectName(QStringLiteral("IsTitlePrint"));
    connect(isTitlePrint_, &QCheckBox::toggled, this, [this](bool on) { settings_.printTitle = on; });
    isHeaderPrint_ = new QCheckBox(QStringLiteral("凡例等を印刷する"), this);
    isHeaderPrint_->setObjectName(QStringLiteral("IsHeaderPrint"));
    connect(isHeaderPrint_, &QCheckBox::toggled, this, [this](bool on) { settings_.printLegend = on; });
    // The front pages: the summary of the columns and the list of materials.
    isSummaryPrint_ = new QCheckBox(QStringLiteral("検定比一覧を印刷する"), this);
    isSummaryPrint_->setObjectName(QStringLiteral("IsSummaryPrint"));
    connect(isSummaryPrint_, &QCheckBox::toggled, this, [this](bool on) { settings_.printSummary = on; });
    isMaterialsPrint_ = new QCheckBox(QStringLiteral("使用材料一覧を印刷する"), this);
    isMaterialsPrint_->setObjectName(QStringLiteral("IsMaterialsPrint"));
    connect(isMaterialsPrint_, &QCheckBox::toggled, this, [this](bool on) { settings_.printMaterials = on; });
    titleEdit_ = new QPlainTextEdit(this);
    titleEdit_->setObjectName(QStringLiteral("TitleEdit"));
    titleEdit_->setTabChangesFocus(true);
    titleEdit_->setMaximumHeight(80);
    connect(titleEdit_, &QPlainTextEdit::textChanged, this,
            [this] { settings_.title = titleEdit_->toPlainText().toStdString(); });
    auto* clearTitle = new QPushButton(QStringLiteral("タイトルクリアー"), this);
    clearTitle->setObjectName(QStringLiteral("SpeedButton1"));
    connect(clearTitle, &QPushButton::clicked, titleEdit_, &QPlainTextEdit::clear);

    auto* registerButton = new QPushButton(QStringLiteral("デフォルトの設定として登録"), this);
    registerButton->setObjectName(QStringLiteral("DefSetButton"));
    connect(registerButton, &QPushButton::clicked, this, [this] { registerDefaults(); });
    auto* readButton = new QPushButton(QStringLiteral("デフォルトの設定を読込み"), this);
    readButton->setObjectName(QStringLiteral("DefReadButton"));
    connect(readButton, &QPushButton::clicked, this, [this] {
        applyStoredDefaults();
        showSettings();
    });
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OkButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    // Layout: printer on top, the three boxes, title, buttons.
    auto* printerRow = new QHBoxLayout;
    auto* printerLabels = new QVBoxLayout;
    printerLabels->addWidget(selectPrinter_);
    printerLabels->addWidget(paperInfo_);
    printerRow->addLayout(printerLabels, 1);
    printerRow->addWidget(printerButton, 0, Qt::AlignTop);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(layoutBox);
    boxes->addWidget(pageNoBox);
    auto* switches = new QHBoxLayout;
    switches->addWidget(isTitlePrint_);
    switches->addWidget(isHeaderPrint_);
    switches->addWidget(isSummaryPrint_);
    switches->addWidget(isMaterialsPrint_);
    switches->addStretch();
    switches->addWidget(clearTitle);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(registerButton);
    buttons->addWidget(readButton);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(printerRow);
    layout->addLayout(boxes);
    layout->addWidget(fontBox);
    layout->addLayout(switches);
    layout->addWidget(new QLabel(QStringLiteral("タイトル"), this));
    layout->addWidget(titleEdit_);
    layout->addLayout(buttons);

    defaults_ = loadPrintDefault(settingsFile_);
    applyStoredDefaults();
    showSettings();
}

PrintSetup::~PrintSetup() {
    for (NumberEdit* edit : findChildren<NumberEdit*>())
        edit->disconnect(this);
}

PrintSetup::Field PrintSetup::makeField(const char* name, const char* upDownName, const QString& hint, int* variable,
                                        int maximum) {
    Field field;
    field.edit = new NumberEdit(this);
    field.edit->setObjectName(QLatin1String(name));
    field.edit->setToolTip(hint);
    NumberFieldModel& model = field.edit->model();
    model.setType(NumType::Int);
    model.setDigits(0);
    model.setSignState(NumSign::Unsigned);
    model.setValueMin(0);
    model.setUseMin(true);
    model.setValueMax(maximum);
    model.setUseMax(true);
    field.edit->link(variable);
    field.upDown = new UpDownButtons(0, maximum, this);
    field.upDown->setObjectName(QLatin1String(upDownName));
    field.upDown->setPosition(static_cast<int>(field.edit->value()));
    // The array is filled after this returns; look the field up by its edit.
    NumberEdit* edit = field.edit;
    const auto fieldOf = [this, edit]() -> Field& {
        for (Field& f : fields_) {
            if (f.edit == edit) return f;
        }
        return fields_[0];
    };
    connect(field.edit, &NumberEdit::exited, this, [this, fieldOf] { fieldLeft(fieldOf()); });
    connect(field.upDown, &UpDownButtons::stepped, this,
            [this, fieldOf](int position) { stepped(fieldOf(), position); });
    return field;
}

void PrintSetup::fieldLeft(Field& field) {
    field.upDown->setPosition(static_cast<int>(field.edit->value()));
}

void PrintSetup::stepped(Field& field, int position) {
    // The field's lower limit is the printer's: a step below it is raised.
    field.edit->setValue(position);
    field.upDown->setPosition(static_cast<int>(field.edit->value()));
}

void PrintSetup::applyStoredDefaults() {
    applyPrintDefault(defaults_, printer_, settings_, access_);
    if (const auto problem = findLayoutProblem(printer_)) {
        // A stored layout without room for the text would print blank pages.
        messages_.showMessage(MessageKind::Error, refusedStoredLayoutMessage(*problem));
        applyPrintDefault(builtInPrintDefault(), printer_, settings_, access_);
    }
}

bool PrintSetup::refuseUnprintableLayout() {
    computeDeviceGeometry(printer_);
    const auto problem = findLayoutProblem(printer_);
    if (!problem) return false;
    messages_.showMessage(MessageKind::Error, problem->message);
    const std::array<std::pair<const char*, QWidget*>, 8> places{{{"LeftMargin", fields_[kLeft].edit},
                                                                  {"TopMargin", fields_[kTop].edit},
                                                                  {"BottomMargin", fields_[kBottom].edit},
                                                                  {"HeaderTopMargin", fields_[kPageNoTop].edit},
                                                                  {"HeaderSideMargin", fields_[kPageNoSide].edit},
                                                                  {"TitleFontSize", fontButtons_[0]},
                                                                  {"BodyFontSize", fontButtons_[1]},
                                                                  {"HeaderFontSize", fontButtons_[2]}}};
    for (const auto& [setting, widget] : places) {
        if (problem->setting == setting && widget != nullptr) widget->setFocus();
    }
    return true;
}

void PrintSetup::showSettings() {
    refreshPrinterGeometry(printer_, access_);
    if (!access_.hasPrinter()) {
        selectPrinter_->setText(QStringLiteral("プリンタ： プリンタがインストールされていません（PDFファイルに印刷）"));
    } else if (printer_.printerName.empty()) {
        selectPrinter_->setText(QStringLiteral("プリンタ： PDFファイル"));
    } else {
        selectPrinter_->setText(QStringLiteral("プリンタ： ") + toQString(printer_.printerName));
    }
    paperInfo_->setText(QStringLiteral("用紙： ") + toQString(printer_.paperName) + QStringLiteral("   ") +
                        toQString(printer_.orientationText));
    showFontLabels();
    showSwitches();

    // The printer's unprintable margins are the lower limits.
    const std::array<std::pair<FieldIndex, int>, 5> limits{{{kLeft, printer_.minLeftMm},
                                                            {kTop, printer_.minTopMm},
                                                            {kPageNoTop, printer_.minTopMm},
                                                            {kBottom, printer_.minBottomMm},
                                                            {kPageNoSide, printer_.minRightMm}}};
    for (const auto& [index, minimum] : limits)
        fields_[index].edit->model().setValueMin(minimum);
    for (Field& field : fields_) {
        field.edit->showUpdate();
        field.upDown->setPosition(static_cast<int>(field.edit->value()));
    }
}

void PrintSetup::showFontLabels() {
    const std::array<const FontSpec*, 3> fonts{&printer_.titleFont, &printer_.bodyFont, &printer_.pageNoFont};
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        const FontSpec& shownFont = *fonts[i];
        fontLabels_[i]->setText(toQString(shownFont.name) + QChar(0x3000) + QString::number(shownFont.sizePt) +
                                QStringLiteral("pt"));
        QFont font = this->font();
        font.setBold(shownFont.style.bold);
        font.setItalic(shownFont.style.italic);
        font.setUnderline(shownFont.style.underline);
        font.setStrikeOut(shownFont.style.strikeOut);
        fontLabels_[i]->setFont(font);
    }
}

void PrintSetup::showSwitches() {
    const QSignalBlocker blockPos(headerPosChange_);
    const QSignalBlocker blockTitle(isTitlePrint_);
    const QSignalBlocker blockHeader(isHeaderPrint_);
    const QSignalBlocker blockSummary(isSummaryPrint_);
    const QSignalBlocker blockMaterials(isMaterialsPrint_);
    const QSignalBlocker blockText(titleEdit_);
    headerPosChange_->setChecked(printer_.ChangeEvenHeaderPos);
    isTitlePrint_->setChecked(settings_.printTitle);
    isHeaderPrint_->setChecked(settings_.printLegend);
    isSummaryPrint_->setChecked(settings_.printSummary);
    isMaterialsPrint_->setChecked(settings_.printMaterials);
    const QString title = toQString(settings_.title);
    if (titleEdit_->toPlainText() != title) titleEdit_->setPlainText(title);
}

bool PrintSetup::registerDefaults() {
    if (refuseUnprintableLayout()) return false;
    defaults_ = currentPrintDefault(printer_, settings_);
    const IniWriteResult written = savePrintDefault(settingsFile_, defaults_);
    if (written) return true;
    messages_.showMessage(MessageKind::Error,
                          withReason("File Write Error: \n" + settingsFile_.string(), written.reason));
    return false;
}

void PrintSetup::chooseFont(int tag) {
    std::array<FontSpec*, 3> fonts{&printer_.titleFont, &printer_.bodyFont, &printer_.pageNoFont};
    FontSpec& chosen = *fonts[static_cast<std::size_t>(tag)];
    FontChoiceDialog dialog(chosen, this);
    if (dialog.exec() != QDialog::Accepted) return;
    chosen = dialog.chosenFont();
    computeDeviceGeometry(printer_);
    showFontLabels();
}

void PrintSetup::printerSetup() {
    if (!access_.printerSetupDialog(this)) return;
    showSettings();
}

void PrintSetup::reject() {}

void PrintSetup::done(int result) {
    if (refuseUnprintableLayout()) return;
    QDialog::done(result);
}

void PrintSetup::showEvent(QShowEvent* event) {
    showSettings();
    QDialog::showEvent(event);
}

void PrintSetup::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace tarvo::gui
