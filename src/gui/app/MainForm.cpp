#include "gui/app/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>
#include <string>
#include <vector>

#include "core/project/ColumnInputRules.h"
#include "core/project/ProjectFile.h"
#include "core/text/IniFile.h"
#include "gui/app/AboutBox.h"
#include "gui/app/CsvCommands.h"
#include "gui/app/DesignCommands.h"
#include "gui/app/EditHistory.h"
#include "gui/app/FileCommands.h"
#include "gui/app/HelpDocument.h"
#include "gui/app/ItemListCommands.h"
#include "gui/app/RecoveryKeeper.h"
#include "gui/print/PrintCommands.h"
#include "gui/print/QtText.h"
#include "gui/ui/BaseMaterialPage.h"
#include "gui/ui/ColumnDesignPage.h"
#include "gui/ui/ColumnMaterialPage.h"
#include "gui/ui/CommonPage.h"
#include "gui/ui/DesktopOpener.h"
#include "gui/ui/LatexForm.h"
#include "gui/ui/LatexOutput.h"
#include "gui/ui/NumberEdit.h"

// Resources of a static library are registered by name, outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(tarvo);
}

namespace tarvo::gui {

namespace {

constexpr int kNameListMaxLength = 30;
// Pixels kept free around the window for a window manager's frame.
constexpr int kFrameAllowance = 16;

// Counts a nested show of an item or of the project for its duration.
class ShowingScope {
public:
    explicit ShowingScope(int& depth) : depth_(depth) { ++depth_; }
    ~ShowingScope() { --depth_; }
    ShowingScope(const ShowingScope&) = delete;
    ShowingScope& operator=(const ShowingScope&) = delete;

private:
    int& depth_;
};

} // namespace

MainForm::MainForm(const std::filesystem::path& programDir, QWidget* parent)
    : MainForm(SettingsLocation::besideProgram(programDir), parent) {}

MainForm::MainForm(const SettingsLocation& settings, QWidget* parent)
    : QMainWindow(parent), programDir_(settings.programDir()), settings_(settings), common_(settings.settingsFile()),
      check_(catalogue_, common_), messages_(this) {
    initResources();
    setObjectName(QStringLiteral("MainForm"));
    setFont(windowFont());
    history_ = new EditHistory(*this);
    recovery_ = new RecoveryKeeper(*this, RecoveryStore::defaultFolder());
    buildActions();
    buildMenus();
    buildToolBars();
    buildPages();
    new CsvCommands(*this);    // the CSV entries of the file menu, owned by the window
    new DesignCommands(*this); // the section design, owned by the window
    buildItemAndFileCommands();
    buildPrintCommands();
    restoreWindowState();
    NewProject();
    pageControl_->setCurrentWidget(columnPage_);
    lastPage_ = pageControl_->currentIndex();
    // Showing the column page fits the new item to it: no edit of the user.
    history_->clear();
}

MainForm::~MainForm() {
    // The pages go first, while the project they are linked to still
    // exists: a field that loses the focus on the way writes into its item.
    qApp->removeEventFilter(this);
    // So do the item commands: the name list outlives the project and would
    // report its focus leaving to them.
    delete itemCommands_;
    itemCommands_ = nullptr;
    delete takeCentralWidget();
    // The history goes before the keeper of the recovery copy; its signals
    // must not reach the window on the way.
    disconnect(&history_->stack(), nullptr, this, nullptr);
    // A normal end leaves no recovery copy behind.
    recovery_->discard();
}

QFont MainForm::windowFont() {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    // 13 pixels on a 96 dpi screen; 9 points on a finer one, so that the
    // text keeps its size on the desk.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr && screen->logicalDotsPerInchY() > 96)
        font.setPointSize(9);
    else
        font.setPixelSize(13);
    return font;
}

QString MainForm::baseCaption() {
    return QStringLiteral("木造柱の設計") + QChar(0x3000);
}

void MainForm::buildActions() {
    const auto icon = [](const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); };
    const auto make = [this](const QString& text, const char* objectName) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(objectName));
        return action;
    };
    fileNew_ = make(QStringLiteral("新規ファイル(&N)"), "MenuFileNew");
    fileNew_->setIcon(icon("file-new"));
    fileOpen_ = make(QStringLiteral("開く(&O)..."), "MenuOpen");
    fileOpen_->setIcon(icon("file-open"));
    fileOverwrite_ = make(QStringLiteral("上書き保存(&S)"), "MenuOverWrite");
    fileOverwrite_->setIcon(icon("file-save"));
    fileSaveAs_ = make(QStringLiteral("名前を付けて保存(&A)..."), "MenuSaveAs");
    printSetup_ = make(QStringLiteral("印刷設定(&U)"), "SetPrinter");
    print_ = make(QStringLiteral("印刷(&P)..."), "MenuPrint");
    print_->setIcon(icon("print"));
    selectPrint_ = make(QStringLiteral("データを選択して印刷(&D)"), "SelectPrint");
    exit_ = make(QStringLiteral("終了(&X)"), "MenuExit");
    latexOut_ = make(QStringLiteral("出力(&O)"), "MenuLatexOut");
    latexSettings_ = make(QStringLiteral("設定(&S)"), "MenuSetLatex");
    help_ = make(QStringLiteral("ヘルプファイル(&H)"), "N1");
    version_ = make(QStringLiteral("バージョン情報(&V)"), "Version1");

    fileNew_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    fileOpen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    fileOverwrite_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    fileSaveAs_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    exit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit_, &QAction::triggered, this, &QWidget::close);
    connect(help_, &QAction::triggered, this, &MainForm::showHelp);
    connect(version_, &QAction::triggered, this, &MainForm::showVersion);
}

void MainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    file->setObjectName(QStringLiteral("MenuFile"));
    file->addAction(fileNew_);
    file->addAction(fileOpen_);
    file->addAction(fileOverwrite_);
    file->addAction(fileSaveAs_);
    file->addAction(printSetup_);
    file->addAction(print_);
    file->addAction(selectPrint_);
    sep1_ = file->addSeparator();
    sep1_->setObjectName(QStringLiteral("Sep1"));
    file->addAction(exit_);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("MenuEdit"));
    buildEditMenu(edit);

    QMenu* latex = menuBar()->addMenu(QStringLiteral("LaTeX(&L)"));
    latex->setObjectName(QStringLiteral("MenuLatex"));
    latex->addAction(latexOut_);
    latex->addAction(latexSettings_);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help(&H)"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    help->addAction(help_);
    help->addAction(version_);
}

void MainForm::buildEditMenu(QMenu* menu) {
    undo_ = menu->addAction(QStringLiteral("元に戻す(&U)"));
    undo_->setObjectName(QStringLiteral("MenuUndo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = menu->addAction(QStringLiteral("やり直し(&R)"));
    redo_->setObjectName(QStringLiteral("MenuRedo"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, this, &MainForm::undo);
    connect(redo_, &QAction::triggered, this, &MainForm::redo);
    QUndoStack& stack = history_->stack();
    connect(&stack, &QUndoStack::indexChanged, this, &MainForm::updateUndoEntries);
    connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        // Back at the state of the last save: nothing is left to save or to recover.
        if (!clean) return;
        setModifiedCount(0);
        recovery_->discard();
    });
    updateUndoEntries();
}

void MainForm::updateUndoEntries() {
    const QUndoStack& stack = history_->stack();
    undo_->setEnabled(stack.canUndo());
    redo_->setEnabled(stack.canRedo());
    // The entry names its step, its access key kept at the end.
    undo_->setText(stack.canUndo() ? QStringLiteral("元に戻す: %1(&U)").arg(stack.undoText())
                                   : QStringLiteral("元に戻す(&U)"));
    redo_->setText(stack.canRedo() ? QStringLiteral("やり直し: %1(&R)").arg(stack.redoText())
                                   : QStringLiteral("やり直し(&R)"));
}

void MainForm::undo() {
    commitPendingEdit();
    history_->capture();
    QUndoStack& stack = history_->stack();
    if (!stack.canUndo()) return;
    stack.undo();
    if (!stack.isClean()) setModifiedCount(modifiedCount_ + 1);
    recovery_->changed();
}

void MainForm::redo() {
    commitPendingEdit();
    history_->capture();
    QUndoStack& stack = history_->stack();
    if (!stack.canRedo()) return;
    stack.redo();
    if (!stack.isClean()) setModifiedCount(modifiedCount_ + 1);
    recovery_->changed();
}

int MainForm::currentPage() const {
    return pageControl_->currentIndex();
}

void MainForm::showRestored(int index, int page, bool listChanged) {
    if (listChanged) FillNameList();
    if (page >= 0 && page < pageControl_->count() && page != pageControl_->currentIndex()) {
        ShowingScope scope(showing_);
        pageControl_->setCurrentIndex(page);
    }
    ShowItem(index, true);
}

void MainForm::showRestoredCommon() {
    {
        ShowingScope scope(showing_);
        commonPage_->showProject();
    }
    RebuildFloorList();
}

bool MainForm::offerRecovery() {
    return recovery_->offer();
}

void MainForm::writeRecoveryCopy() {
    recovery_->writeNow();
    recovery_->waitForWrite();
}

void MainForm::projectRestored(const std::filesystem::path& originalFile) {
    setCurrentFile(originalFile);
    setModifiedCount(1);
    history_->markNeverSaved();
    recovery_->changed();
}

void MainForm::buildToolBars() {
    const auto toolButton = [](QToolBar* bar, const char* name, const QString& hint, const char* iconName) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setFocusPolicy(Qt::NoFocus);
        if (iconName != nullptr) button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(iconName))));
        bar->addWidget(button);
        return button;
    };

    QToolBar* bar1 = addToolBar(QStringLiteral("ToolBar1"));
    bar1->setObjectName(QStringLiteral("ToolBar1"));
    bar1->setMovable(false);
    bar1->setIconSize(QSize(16, 16));
    QToolButton* fileNewButton = toolButton(bar1, "FileNewButton", QStringLiteral("新規データ"), "file-new");
    QToolButton* fileOpenButton = toolButton(bar1, "FileOpenButton", QStringLiteral("開く"), "file-open");
    fileOpenButton->setStatusTip(QStringLiteral("既存のファイルを開く"));
    QToolButton* overwriteButton = toolButton(bar1, "FileOverWriteButton", QStringLiteral("上書き保存"), "file-save");
    bar1->addSeparator();
    printButton_ = toolButton(bar1, "PrintButton", QStringLiteral("印刷"), "print");
    previewButton_ = toolButton(bar1, "PreviewButton", QStringLiteral("プレビュー"), "preview");
    connect(fileNewButton, &QToolButton::clicked, fileNew_, &QAction::trigger);
    connect(fileOpenButton, &QToolButton::clicked, fileOpen_, &QAction::trigger);
    connect(overwriteButton, &QToolButton::clicked, fileOverwrite_, &QAction::trigger);

    addToolBarBreak();
    QToolBar* bar3 = addToolBar(QStringLiteral("ToolBar3"));
    bar3->setObjectName(QStringLiteral("ToolBar3"));
    bar3->setMovable(false);
    bar3->setIconSize(QSize(16, 16));
    auto* caption = new QLabel(QStringLiteral(" 名称 "), bar3);
    caption->setFrameShape(QFrame::Panel);
    caption->setFrameShadow(QFrame::Sunken);
    bar3->addWidget(caption);
    nameList_ = new QComboBox(bar3);
    nameList_->setObjectName(QStringLiteral("NameList"));
    nameList_->setEditable(true);
    nameList_->setInsertPolicy(QComboBox::NoInsert);
    nameList_->setMaxVisibleItems(10);
    nameList_->setMinimumWidth(150);
    nameList_->lineEdit()->setMaxLength(kNameListMaxLength);
    bar3->addWidget(nameList_);
    pagePanel_ = new QLabel(bar3);
    pagePanel_->setObjectName(QStringLiteral("PagePanel"));
    pagePanel_->setToolTip(QStringLiteral("現在のデータNo/全データ数"));
    pagePanel_->setAlignment(Qt::AlignCenter);
    pagePanel_->setMinimumWidth(64);
    pagePanel_->setFrameShape(QFrame::Panel);
    pagePanel_->setFrameShadow(QFrame::Sunken);
    bar3->addWidget(pagePanel_);
    firstButton_ = toolButton(bar3, "FirstButton", QStringLiteral("先頭データ"), "go-first");
    beforButton_ = toolButton(bar3, "BeforButton", QStringLiteral("前のデータ"), "go-previous");
    nextButton_ = toolButton(bar3, "NextButton", QStringLiteral("次のデータ"), "go-next");
    lastButton_ = toolButton(bar3, "LastButton", QStringLiteral("最後のデータ"), "go-last");
    int tag = 0;
    for (QToolButton* button : {firstButton_, beforButton_, nextButton_, lastButton_}) {
        connect(button, &QToolButton::clicked, this, [this, tag] { navigate(tag); });
        ++tag;
    }
    bar3->addSeparator();
    addButton_ = toolButton(bar3, "AddButton", QString(), nullptr);
    addButton_->setText(QStringLiteral("追加"));
    addCopyButton_ = toolButton(bar3, "AddCopyButton", QString(), nullptr);
    addCopyButton_->setText(QStringLiteral("コピー"));
    deleteButton_ = toolButton(bar3, "DeleteButton", QString(), nullptr);
    deleteButton_->setText(QStringLiteral("削除"));
    arrangeButton_ = toolButton(bar3, "ArrangeButton", QString(), nullptr);
    arrangeButton_->setText(QStringLiteral("整理"));
    for (QToolButton* flat : {addButton_, addCopyButton_, deleteButton_, arrangeButton_})
        flat->setAutoRaise(true);

    connect(printButton_, &QToolButton::clicked, print_, &QAction::trigger);
}

void MainForm::buildPages() {
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl"));
    commonPage_ = new CommonPage(*this, pageControl_);
    baseMaterialPage_ = new BaseMaterialPage(*this, pageControl_);
    columnMaterialPage_ = new ColumnMaterialPage(*this, pageControl_);
    columnPage_ = new ColumnDesignPage(*this, pageControl_);
    pageControl_->addTab(commonPage_, QStringLiteral("共通条件"));
    pageControl_->addTab(baseMaterialPage_, QStringLiteral("横架材材料（個別）"));
    pageControl_->addTab(columnMaterialPage_, QStringLiteral("柱材料（個別）"));
    pageControl_->addTab(columnPage_, QStringLiteral("柱の設計"));
    setCentralWidget(pageControl_);

    connect(pageControl_, &QTabWidget::currentChanged, this, &MainForm::pageChanged);
    connect(commonPage_, &CommonPage::woodenStoreyChanged, this, [this] { ++floorListStale_; });
    connect(commonPage_, &CommonPage::snowAreaChanged, columnPage_, &ColumnDesignPage::setSnowFieldEnabled);
    connect(commonPage_, &CommonPage::velocityPressureChanged, this, &MainForm::RefreshVelocityLabel);
    connect(columnPage_, &ColumnDesignPage::recomputed, this, &MainForm::updatePrintEntries);
    // A number is written into the project when its field is left: that
    // ends one edit for the undo history.
    for (NumberEdit* field : pageControl_->findChildren<NumberEdit*>())
        connect(field, &NumberEdit::exited, history_, &EditHistory::scheduleCapture);
    qApp->installEventFilter(this);
}

void MainForm::buildPrintCommands() {
    printing_ = std::make_unique<PrintCommands>(this, settings_.settingsFile(), common_, columns_, check_, messages_);
    latexForm_ = std::make_unique<LatexForm>(settings_.settingsFile(), settings_.latexHeaderFile(), this);
    connect(latexForm_.get(), &LatexForm::changed, this, [this] { markChanged(); });
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(printSetup_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        printing_->printSetup();
    });
    connect(print_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        printing_->access().setProposedPdfFor(currentFile_);
        printing_->print();
    });
    connect(previewButton_, &QToolButton::clicked, this, [this] {
        commitPendingEdit();
        printing_->access().setProposedPdfFor(currentFile_);
        printing_->preview();
    });
    connect(selectPrint_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        printing_->access().setProposedPdfFor(currentFile_);
        printing_->selectPrint();
    });
    connect(latexSettings_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        latexForm_->exec();
    });
    connect(latexOut_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        LatexOutput(this, *latexForm_, check_, messages_).run(columns_, currentFile_, printing_->latexLayout());
    });
}

void MainForm::buildItemAndFileCommands() {
    itemCommands_ = new ItemListCommands(*this, {nameList_, addButton_, addCopyButton_, deleteButton_, arrangeButton_,
                                                 columnPage_->findChild<QLabel*>(QStringLiteral("MessageBord"))});
    fileCommands_ = new FileCommands(*this, menuBar()->findChild<QMenu*>(QStringLiteral("MenuFile")), sep1_,
                                     settings_.historyFile());
    connect(fileNew_, &QAction::triggered, fileCommands_, &FileCommands::MenuFileNewClick);
    connect(fileOpen_, &QAction::triggered, fileCommands_, &FileCommands::MenuOpenClick);
    connect(fileOverwrite_, &QAction::triggered, fileCommands_, &FileCommands::FileOverWriteButtonClick);
    connect(fileSaveAs_, &QAction::triggered, fileCommands_, &FileCommands::MenuSaveAsClick);
}

void MainForm::openProjectOnStart(const QString& path) {
    fileCommands_->OpenProjectFile(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
}

void MainForm::setCurrentFile(const std::filesystem::path& file) {
    currentFile_ = file;
    updateCaption();
}

void MainForm::projectSaved() {
    setModifiedCount(0);
    history_->markSaved();
    recovery_->discard();
}

void MainForm::releaseItemLinks() {
    ShowingScope scope(showing_);
    for (NumberEdit* field : columnPage_->findChildren<NumberEdit*>())
        field->linkOff();
}

void MainForm::NewProject() {
    common_.ResetToDefaults();
    columns_.Reset();
    ColumnMember& item = columns_.Item(0);
    item.ColumnMaterial = common_.ColumnMatDefault;
    item.BaseMaterial = common_.BaseMatDefault;
    ShowProject();
    if (fileCommands_ != nullptr) fileCommands_->forgetCurrentFile();
    currentFile_.clear();
    updateCaption();
}

void MainForm::ShowProject() {
    // A new or opened project starts a history of its own and needs no
    // recovery copy.
    history_->clear();
    recovery_->discard();
    {
        ShowingScope scope(showing_);
        commonPage_->showProject();
        RebuildFloorList();
        FillNameList();
    }
    ShowItem(0, true);
    // A new or opened project is worked on from its first column.
    if (pageControl_->currentWidget() != columnPage_) pageControl_->setCurrentWidget(columnPage_);
    columnPage_->focusFirstField();
    setModifiedCount(0);
    history_->clear();
}

void MainForm::ShowItem(int index, bool selectInList) {
    // An edit of the item being left is a step of its own.
    history_->capture();
    {
        ShowingScope scope(showing_);
        current_ = std::clamp(index, 0, columns_.Count() - 1);
        columnMaterialPage_->showItem();
        baseMaterialPage_->showItem();
        columnPage_->showItem();
        pagePanel_->setText(QStringLiteral("%1/%2").arg(current_ + 1).arg(columns_.Count()));
        if (selectInList) nameList_->setCurrentIndex(current_);
        UpdateNavigation();
        if (itemCommands_ != nullptr) itemCommands_->itemShown();
        columnPage_->recomputeItem();
    }
    history_->resetBaseline();
}

void MainForm::RefreshVelocityLabel() {
    commonPage_->refreshVelocityLabel();
    // Switching wind on or off changes the floor list and which wind inputs
    // can be entered; the list is rebuilt when the common page is left.
    if (WindConsidered(common_) != windAtLastFloorList_) ++floorListStale_;
}

void MainForm::RebuildFloorList() {
    columnPage_->rebuildFloorList();
    floorListStale_ = 0;
    windAtLastFloorList_ = WindConsidered(common_);
}

void MainForm::FillNameList() {
    QStringList names;
    names.reserve(columns_.Count());
    for (int i = 0; i < columns_.Count(); ++i)
        names.append(toQString(columns_.Item(i).Name));
    const QSignalBlocker blocker(nameList_);
    nameList_->clear();
    nameList_->addItems(names);
}

void MainForm::UpdateNavigation() {
    const int count = nameList_->count();
    if (count == 1) {
        for (QToolButton* button : {firstButton_, lastButton_, nextButton_, beforButton_, deleteButton_})
            button->setEnabled(false);
    } else {
        for (QToolButton* button : {firstButton_, lastButton_, nextButton_, beforButton_, deleteButton_})
            button->setEnabled(true);
        const int selected = nameList_->currentIndex();
        // The first item is never deleted.
        deleteButton_->setEnabled(current_ != 0);
        if (selected != 0) {
            if (selected == count - 1) {
                lastButton_->setEnabled(false);
                nextButton_->setEnabled(false);
            }
        } else {
            firstButton_->setEnabled(false);
            beforButton_->setEnabled(false);
        }
    }
    arrangeButton_->setEnabled(columns_.Count() > 1);
}

void MainForm::markChanged() {
    if (showing_ != 0) return;
    setModifiedCount(modifiedCount_ + 1);
    recovery_->changed();
    history_->scheduleCapture();
}

void MainForm::focusControl(QWidget* widget) {
    if (showing_ == 0 && widget != nullptr && widget->isEnabled()) widget->setFocus(Qt::OtherFocusReason);
}

void MainForm::refillGrades() {
    columnPage_->refillGrades();
}

void MainForm::refreshSizes() {
    columnPage_->refreshSizeControls();
}

void MainForm::recomputeItem() {
    columnPage_->recomputeItem();
}

void MainForm::commitPendingEdit() {
    if (auto* edit = qobject_cast<NumberEdit*>(QApplication::focusWidget())) edit->commit();
}

void MainForm::updatePrintEntries() {
    const bool any = columns_.AnyComputable(check_);
    printButton_->setEnabled(any);
    previewButton_->setEnabled(any);
    print_->setEnabled(any);
    selectPrint_->setEnabled(any && columns_.Count() > 1);
}

void MainForm::setModifiedCount(int count) {
    const bool markChange = (count != 0) != (modifiedCount_ != 0);
    modifiedCount_ = count;
    if (markChange) updateCaption();
}

void MainForm::updateCaption() {
    // The usual mark of unsaved edits follows the file's name.
    setWindowTitle(baseCaption() + (currentFile_.empty() ? QStringLiteral("(無題)") : fromPath(currentFile_)) +
                   (modifiedCount_ != 0 ? QStringLiteral("*") : QString()));
}

void MainForm::pageChanged(int index) {
    const int previous = lastPage_;
    lastPage_ = index;
    if (previous == pageControl_->indexOf(commonPage_) && floorListStale_ != 0) {
        // The shown item is fitted to the new storeys: a consequence of the
        // common edit already recorded, shown again whenever it is undone.
        history_->capture();
        RebuildFloorList();
        history_->resetBaseline();
    }
    if (pageControl_->widget(index) == columnPage_) columnPage_->recomputeItem();
}

void MainForm::navigate(int tag) {
    commitPendingEdit();
    switch (tag) {
    case 0: ShowItem(0, true); break;
    case 1: ShowItem(current_ - 1, true); break;
    case 2: ShowItem(current_ + 1, true); break;
    default: ShowItem(columns_.Count() - 1, true); break;
    }
}

void MainForm::showHelp() {
    // Nothing fails silently: a missing guide or viewer is told.
    const std::filesystem::path document = findHelpDocument(programDir_);
    if (document.empty()) {
        messages_.showMessage(MessageKind::Error, std::string("ヘルプファイル ") + kHelpDocumentName +
                                                      " が見つかりません。\n" + programDir_.string());
        return;
    }
    const QString why = openWithDesktop(document, QStringLiteral("application/pdf"));
    if (!why.isEmpty())
        messages_.showMessage(MessageKind::Error,
                              "ヘルプファイルを表示できません。\n" + document.string() + "\n" + why.toStdString());
}

void MainForm::showVersion() {
    AboutBox box(this);
    box.exec();
}

void MainForm::closeEvent(QCloseEvent* event) {
    commitPendingEdit();
    if (!fileCommands_->FormCloseQuery()) {
        event->ignore();
        return;
    }
    saveWindowState();
    event->accept();
}

QSize MainForm::openingSize(const QSize& available) {
    // The window's natural size with the result box holding the widest
    // sheet, at least the classic opening size, at most the screen.
    columnPage_->reserveSheetRoom(true);
    const QSize wanted = sizeHint().expandedTo(QSize(592, 561 + menuBar()->sizeHint().height()));
    columnPage_->reserveSheetRoom(false);
    // Room for the frame a window manager puts around the window.
    const QSize room = (available - QSize(kFrameAllowance, 3 * kFrameAllowance)).expandedTo(QSize(320, 240));
    return wanted.boundedTo(room);
}

namespace {

constexpr const char* kWindowSection = "Window";

std::vector<IniFile::Entry> windowEntries(const QRect& frame, bool maximised, int previewZoom) {
    const auto number = [](int value) { return std::to_string(value); };
    return {{"Left", number(frame.x())},          {"Top", number(frame.y())},
            {"Width", number(frame.width())},     {"Height", number(frame.height())},
            {"Maximized", maximised ? "1" : "0"}, {"PreviewZoom", number(previewZoom)}};
}

} // namespace

void MainForm::restoreWindowState() {
    const QScreen* screen = QApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    IniFile state;
    state.load(settings_.windowStateFile());
    const int width = state.getInt(kWindowSection, "Width", 0);
    const int height = state.getInt(kWindowSection, "Height", 0);
    const QRect stored(state.getInt(kWindowSection, "Left", 0), state.getInt(kWindowSection, "Top", 0), width, height);
    if (width > 0 && height > 0 && available.intersects(stored)) {
        // A size the screen has no room for any more shrinks to it.
        resize(stored.size().boundedTo(available.size()));
        move(stored.topLeft());
    } else {
        resize(openingSize(available.size()));
        move(available.center() - rect().center());
    }
    if (state.getBool(kWindowSection, "Maximized", false)) setWindowState(windowState() | Qt::WindowMaximized);
    printing_->setPreviewZoom(std::max(state.getInt(kWindowSection, "PreviewZoom", 0), 0));
    storedWindowState_ = windowEntries(QRect(pos(), size()), isMaximized(), printing_->previewZoom());
}

void MainForm::saveWindowState() {
    // Maximised, the size to go back to is kept.
    const QRect normal =
        isMaximized() ? QRect(normalGeometry().topLeft(), normalGeometry().size()) : QRect(pos(), size());
    const auto entries = windowEntries(normal, isMaximized(), printing_->previewZoom());
    // Unchanged, nothing is written: the exit waits for no disk.
    if (entries == storedWindowState_) return;
    // Where the user's folder cannot be written the window opens at its
    // opening size next time; nothing else depends on it.
    if (IniFile::writeSection(settings_.windowStateFile(), kWindowSection, entries)) storedWindowState_ = entries;
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    // The undo and redo keys belong to the window's history, also in a text
    // field, whose own undo would only take back the typing of that field.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (widget != nullptr && widget->window() == this &&
            (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
             (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier)))
            return true;
    }
    // A click on a tool button or the menu bar takes no focus from the field
    // being typed in; its number is written before the command runs.
    if (event->type() == QEvent::MouseButtonPress &&
        (qobject_cast<QToolButton*>(watched) != nullptr || qobject_cast<QMenuBar*>(watched) != nullptr))
        commitPendingEdit();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tarvo::gui
