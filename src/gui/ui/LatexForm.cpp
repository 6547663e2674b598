#include "gui/ui/LatexForm.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>
#include <system_error>
#include <utility>

#include "gui/print/QtText.h"
#include "gui/ui/WidgetMessageSink.h"

namespace tarvo::gui {

LatexForm::LatexForm(std::filesystem::path settingsFile, std::filesystem::path headerFile, QWidget* parent)
    : QDialog(parent), settingsFile_(std::move(settingsFile)), headerFile_(std::move(headerFile)) {
    setObjectName(QStringLiteral("LatexForm"));
    setWindowTitle(QStringLiteral("LaTeX 環境設定"));
    if (parent != nullptr) setFont(parent->font());

    // The tools found along PATH, replaced by stored ones that still exist.
    const char* path = std::getenv("PATH");
    settings_.tools = findLatexTools(path != nullptr ? path : "");
    settings_.readStored(settingsFile_);

    mode_ = new QCheckBox(QStringLiteral("Compile ＆ Preview"), this);
    mode_->setObjectName(QStringLiteral("CheckBox1"));
    mode_->setToolTip(QStringLiteral("コンパイル／プレビュ－を実行する"));
    compilerButton_ = new QPushButton(QStringLiteral("Compiler"), this);
    compilerButton_->setObjectName(QStringLiteral("CompilerButton"));
    compilerButton_->setToolTip(QStringLiteral("LaTeXコンパイラ設定"));
    compilerEdit_ = new QLineEdit(toQString(settings_.tools.compiler), this);
    compilerEdit_->setObjectName(QStringLiteral("CompilerEdit"));
    viewerButton_ = new QPushButton(QStringLiteral("Viewer"), this);
    viewerButton_->setObjectName(QStringLiteral("ViewerButton"));
    viewerButton_->setToolTip(QStringLiteral("ビュワー設定"));
    viewerEdit_ = new QLineEdit(toQString(settings_.tools.viewer), this);
    viewerEdit_->setObjectName(QStringLiteral("ViewerEdit"));
    shownViewer_ = viewerEdit_->text();

    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("Edit"));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // LaTeX is written with backslashes: a monospaced font whose 0x5C is a
    // backslash (a Japanese font draws it as a yen sign); Japanese text in
    // the header falls back to the window's font.
    QFont code(QStringLiteral("DejaVu Sans Mono"));
    code.setFamilies(
        {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("Noto Sans Mono")});
    code.setStyleHint(QFont::Monospace);
    code.setFixedPitch(true);
    code.setPixelSize(QFontInfo(font()).pixelSize());
    edit_->setFont(code);
    const LatexHeaderText header = loadLatexHeader(headerFile_);
    QString headerText = toQString(header.text);
    headerText.remove(QLatin1Char('\r'));
    if (headerText.endsWith(QLatin1Char('\n'))) headerText.chop(1);
    edit_->setPlainText(headerText);
    // The default header has not been saved yet.
    edit_->document()->setModified(!header.fromFile);

    auto* saveButton = new QPushButton(QStringLiteral("ヘッダー保存"), this);
    saveButton->setObjectName(QStringLiteral("HeaderSaveButton"));
    saveButton->setToolTip(QStringLiteral("デフォルトとして保存する"));
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("SpeedButton1"));

    connect(mode_, &QCheckBox::toggled, this, &LatexForm::modeToggled);
    // On Linux programs have no extension: the file dialogs show every file.
    connect(compilerButton_, &QPushButton::clicked, this,
            [this] { chooseProgram(compilerEdit_, "CompilerDialog", QStringLiteral("Compiler (*)")); });
    connect(viewerButton_, &QPushButton::clicked, this,
            [this] { chooseProgram(viewerEdit_, "ViewerDialog", QStringLiteral("Viewer (*)")); });
    connect(saveButton, &QPushButton::clicked, this, &LatexForm::saveHeader);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(edit_, &QPlainTextEdit::textChanged, this, &LatexForm::changed);
    connect(compilerEdit_, &QLineEdit::textChanged, this, &LatexForm::changed);
    connect(viewerEdit_, &QLineEdit::textChanged, this, &LatexForm::changed);

    mode_->setChecked(settings_.compileAndPreview);
    modeToggled(settings_.compileAndPreview);

    auto* tools = new QGridLayout;
    tools->addWidget(mode_, 0, 0, 1, 2);
    tools->addWidget(compilerButton_, 1, 0);
    tools->addWidget(compilerEdit_, 1, 1);
    tools->addWidget(viewerButton_, 2, 0);
    tools->addWidget(viewerEdit_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(new QLabel(QStringLiteral("ヘッダー"), this));
    layout->addWidget(edit_, 1);
    layout->addLayout(buttons);
    resize(480, 360);
}

LatexForm::~LatexForm() {
    std::error_code ec;
    if (std::filesystem::is_regular_file(settingsFile_, ec)) static_cast<void>(settings_.saveStored(settingsFile_));
}

std::string LatexForm::headerText() const {
    return edit_->toPlainText().toStdString();
}

void LatexForm::modeToggled(bool on) {
    settings_.compileAndPreview = on;
    for (QWidget* widget : {static_cast<QWidget*>(compilerButton_), static_cast<QWidget*>(compilerEdit_),
                            static_cast<QWidget*>(viewerButton_), static_cast<QWidget*>(viewerEdit_)})
        widget->setEnabled(on);
}

void LatexForm::chooseProgram(QLineEdit* edit, const char* dialogName, const QString& filter) {
    QFileDialog dialog(this);
    dialog.setObjectName(QLatin1String(dialogName));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(filter);
    const QString current = edit->text().trimmed();
    if (!current.isEmpty()) {
        dialog.setDirectory(QFileInfo(current).absolutePath());
        dialog.selectFile(current);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    edit->setText(dialog.selectedFiles().first());
}

void LatexForm::saveHeader() {
    WidgetMessageSink messages(this);
    saveLatexHeader(headerFile_, headerText(), messages);
}

void LatexForm::done(int result) {
    settings_.tools.compiler = compilerEdit_->text().trimmed().toStdString();
    const QString viewer = viewerEdit_->text().trimmed();
    if (viewer != shownViewer_.trimmed()) {
        // A viewer chosen by the user is given the DVI file itself.
        settings_.tools.viewer = viewer.toStdString();
        settings_.tools.pdfConverter.clear();
        shownViewer_ = viewer;
    }
    QDialog::done(result);
}

} // namespace tarvo::gui
