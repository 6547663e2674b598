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

#include "core/form/ItemListRules.h"
#include "core/project/ColumnInputRules.h"
#include "core/project/ProjectFile.h"
#include "core/text/IniFile.h"
#include "gui/app/AboutBox.h"
#include "gui/app/CsvCommands.h"
#include "gui/app/DesignCommands.h"
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
    : QMainWindow(parent), programDir_(settings.programDir()), settings_(settings),
      document_(std::make_unique<ProjectDocument>(settings.settingsFile())), messages_(this) {
    initResources();
    setObjectName(QStringLiteral("MainForm"));
    setFont(windowFont());
    recovery_ = new RecoveryKeeper(*this, RecoveryStore::defaultFolder());
    buildActions();
    buildMenus();
    buildToolBars();
    buildPages();
    new CsvCommands(*this, *fileMenu_, sep1_);        // the CSV entries of the file menu, owned by the window
    new DesignCommands(*this, *editMenu_, *itemBar_); // the section design, owned by the window
    buildItemAndFileCommands();
    buildPrintCommands();
    restoreWindowState();
    connectDocument();
    NewProject();
    pageControl_->setCurrentWidget(columnPage_);
    lastPage_ = pageControl_->currentIndex();
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
    // The document's signals must not reach the window on the way.
    disconnect(document_.get(), nullptr, this, nullptr);
    disconnect(&document_->undoStack(), nullptr, this, nullptr);
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
    fileMenu_ = file;
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
    editMenu_ = edit;
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
    connect(&document_->undoStack(), &QUndoStack::indexChanged, this, &MainForm::updateUndoEntries);
    updateUndoEntries();
}

void MainForm::updateUndoEntries() {
    const QUndoStack& stack = document_->undoStack();
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
    QUndoStack& stack = document_->undoStack();
    if (stack.canUndo()) stack.undo();
}

void MainForm::redo() {
    commitPendingEdit();
    QUndoStack& stack = document_->undoStack();
    if (stack.canRedo()) stack.redo();
}

int MainForm::currentPage() const {
    return pageControl_->currentIndex();
}

void MainForm::connectDocument() {
    ProjectDocument* document = document_.get();
    connect(document, &ProjectDocument::projectReset, this, &MainForm::ShowProject);
    connect(document, &ProjectDocument::fileNameChanged, this, &MainForm::updateCaption);
    connect(document, &ProjectDocument::modifiedChanged, this, [this](bool modified) {
        updateCaption();
        // Back at the state of the last save: nothing is left to recover.
        if (!modified) recovery_->discard();
    });
    // Every change of the project is work a recovery copy keeps.
    connect(&document->undoStack(), &QUndoStack::indexChanged, recovery_, &RecoveryKeeper::changed);
    connect(document, &ProjectDocument::itemChanged, this, [this](int index, int page) {
        if (committing_ != 0) return;
        if (index < nameList_->count()) {
            const QSignalBlocker blocker(nameList_);
            nameList_->setItemText(index, toQString(document_->item(index).Name));
        }
        showChanged(index, page, false);
    });
    connect(document, &ProjectDocument::commonChanged, this, [this](int page) {
        if (committing_ != 0) return;
        ShowingScope restoring(restoring_);
        {
            ShowingScope scope(showing_);
            commonPage_->showProject();
        }
        RebuildFloorList();
        showChanged(document_->currentIndex(), page, false);
    });
    // The name list follows the one entry: refilling it would cost as much
    // as the command itself on a long list.
    connect(document, &ProjectDocument::itemInserted, this, [this](int index, int current, int page) {
        {
            const QSignalBlocker blocker(nameList_);
            nameList_->insertItem(index, toQString(document_->item(index).Name));
        }
        showChanged(current, page, false);
    });
    connect(document, &ProjectDocument::itemRemoved, this, [this](int index, int current, int page) {
        {
            const QSignalBlocker blocker(nameList_);
            nameList_->removeItem(index);
        }
        showChanged(current, page, false);
    });
    connect(document, &ProjectDocument::listReplaced, this,
            [this](int current, int page) { showChanged(current, page, true); });
}

void MainForm::showChanged(int index, int page, bool listChanged) {
    ShowingScope restoring(restoring_);
    if (listChanged) FillNameList();
    if (page >= 0 && page < pageControl_->count() && page != pageControl_->currentIndex()) {
        ShowingScope scope(showing_);
        pageControl_->setCurrentIndex(page);
        lastPage_ = page;
    }
    ShowItem(index, true);
}

void MainForm::takeShownItem() {
    // What the pages show now is the document's: nothing is left to commit.
    shown_ = document_->currentItem();
    fitted_ = shown_.input();
}

void MainForm::markChanged() {
    if (showing_ != 0) return;
    // The change is in the project at once; what the page's rules and the
    // check make of it afterwards joins the same command, and the action
    // ends once the current event is done.
    if (action_ < 0) {
        action_ = nextAction_++;
        QTimer::singleShot(0, this, [this] {
            commitShownItem();
            action_ = -1;
        });
    }
    commitShownItem();
}

void MainForm::commitShownItem() {
    // Nothing is pushed while the document's stack runs a command.
    if (showing_ != 0 || restoring_ != 0 || shown_.input() == fitted_) return;
    ++committing_;
    document_->editItem(document_->currentIndex(), shown_.input(), currentPage(), &fitted_, renameRun_, action_);
    --committing_;
    fitted_ = shown_.input();
}

void MainForm::endRenaming() {
    commitShownItem();
    ++renameRun_;
}

void MainForm::commitCommon(const CommonInputData& after) {
    if (showing_ != 0) return;
    commitShownItem();
    ++committing_;
    document_->editCommon(after, currentPage());
    --committing_;
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
    document_->markUnsavedWork();
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
    itemBar_ = bar3;
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
    connect(columnPage_, &ColumnDesignPage::recomputed, this, [this] {
        // What the check derived from the user's change goes with it.
        if (action_ >= 0) commitShownItem();
        updatePrintEntries();
    });
    qApp->installEventFilter(this);
}

void MainForm::buildPrintCommands() {
    printing_ = std::make_unique<PrintCommands>(this, settings_.settingsFile(), document_->common(),
                                                document_->reportCache(), document_->check(), messages_);
    latexForm_ = std::make_unique<LatexForm>(settings_.settingsFile(), settings_.latexHeaderFile(), this);
    // The project is output with the changed settings: it counts as unsaved work.
    connect(latexForm_.get(), &LatexForm::changed, this, [this] { document_->markUnsavedWork(); });
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(printSetup_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        printing_->printSetup();
    });
    connect(print_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        printing_->access().setProposedPdfFor(currentFile());
        printing_->print();
    });
    connect(previewButton_, &QToolButton::clicked, this, [this] {
        commitPendingEdit();
        printing_->access().setProposedPdfFor(currentFile());
        printing_->preview();
    });
    connect(selectPrint_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        printing_->access().setProposedPdfFor(currentFile());
        printing_->selectPrint();
    });
    connect(latexSettings_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        latexForm_->exec();
    });
    connect(latexOut_, &QAction::triggered, this, [this] {
        commitPendingEdit();
        LatexOutput(this, *latexForm_, document_->check(), messages_)
            .run(document_->reportCache(), currentFile(), printing_->latexLayout());
    });
}

void MainForm::buildItemAndFileCommands() {
    itemCommands_ = new ItemListCommands(
        *this, {nameList_, addButton_, addCopyButton_, deleteButton_, arrangeButton_, columnPage_->messageBoard()});
    fileCommands_ = new FileCommands(*this, fileMenu_, sep1_, settings_.historyFile());
    connect(fileNew_, &QAction::triggered, fileCommands_, &FileCommands::MenuFileNewClick);
    connect(fileOpen_, &QAction::triggered, fileCommands_, &FileCommands::MenuOpenClick);
    connect(fileOverwrite_, &QAction::triggered, fileCommands_, &FileCommands::FileOverWriteButtonClick);
    connect(fileSaveAs_, &QAction::triggered, fileCommands_, &FileCommands::MenuSaveAsClick);
}

void MainForm::openProjectOnStart(const QString& path) {
    fileCommands_->OpenProjectFile(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
}

void MainForm::setCurrentFile(const std::filesystem::path& file) {
    document_->setFileName(file);
}

void MainForm::projectSaved() {
    document_->markSaved();
    recovery_->discard();
}

void MainForm::NewProject() {
    document_->newProject();
    if (fileCommands_ != nullptr) fileCommands_->forgetCurrentFile();
}

void MainForm::ShowProject() {
    // A new or opened project needs no recovery copy.
    recovery_->discard();
    takeShownItem();
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
}

void MainForm::ShowItem(int index, bool selectInList) {
    // An edit of the item being left is a command of its own.
    commitShownItem();
    {
        ShowingScope scope(showing_);
        document_->setCurrentIndex(index);
        takeShownItem();
        const int current = document_->currentIndex();
        columnMaterialPage_->showItem();
        baseMaterialPage_->showItem();
        columnPage_->showItem();
        if (selectInList) nameList_->setCurrentIndex(current);
        UpdateNavigation();
        if (itemCommands_ != nullptr) itemCommands_->itemShown();
        columnPage_->recomputeItem();
    }
    // Showing fits the copy to the pages (storey, derived lengths): no edit.
    fitted_ = shown_.input();
}

void MainForm::RefreshVelocityLabel() {
    commonPage_->refreshVelocityLabel();
    // Switching wind on or off changes the floor list and which wind inputs
    // can be entered; the list is rebuilt when the common page is left.
    if (WindConsidered(document_->common()) != windAtLastFloorList_) ++floorListStale_;
}

void MainForm::RebuildFloorList() {
    // The shown item is fitted to the storeys: an edit still open goes first.
    commitShownItem();
    columnPage_->rebuildFloorList();
    fitted_ = shown_.input();
    floorListStale_ = 0;
    windAtLastFloorList_ = WindConsidered(document_->common());
}

void MainForm::FillNameList() {
    const ColumnsData& items = document_->columns();
    QStringList names;
    names.reserve(items.Count());
    for (int i = 0; i < items.Count(); ++i)
        names.append(toQString(items.Item(i).Name));
    const QSignalBlocker blocker(nameList_);
    nameList_->clear();
    nameList_->addItems(names);
}

void MainForm::UpdateNavigation() {
    const ItemListControls controls = MakeItemListControls(document_->count(), document_->currentIndex());
    firstButton_->setEnabled(controls.firstButton.enabled);
    beforButton_->setEnabled(controls.beforButton.enabled);
    nextButton_->setEnabled(controls.nextButton.enabled);
    lastButton_->setEnabled(controls.lastButton.enabled);
    deleteButton_->setEnabled(controls.deleteButton.enabled);
    arrangeButton_->setEnabled(controls.arrangeButton.enabled);
    pagePanel_->setText(toQString(controls.pagePanel.text));
}

void MainForm::focusControl(QWidget* widget) {
    if (showing_ == 0 && widget != nullptr && widget->isEnabled()) widget->setFocus(Qt::OtherFocusReason);
}

void MainForm::recomputeItem() {
    columnPage_->recomputeItem();
}

void MainForm::commitPendingEdit() {
    if (auto* edit = qobject_cast<NumberEdit*>(QApplication::focusWidget())) edit->commit();
    commitShownItem();
}

void MainForm::updatePrintEntries() {
    // The shown item as the pages show it, the others as stored (the
    // document counts them).
    const ColumnCheck& check = document_->check();
    const bool storedComputes = check.CheckColumn(document_->currentItem()).computable();
    const bool any =
        check.CheckColumn(shown_).computable() || document_->computableCount() - (storedComputes ? 1 : 0) > 0;
    printButton_->setEnabled(any);
    previewButton_->setEnabled(any);
    print_->setEnabled(any);
    selectPrint_->setEnabled(any && document_->count() > 1);
}

void MainForm::updateCaption() {
    // The usual mark of unsaved edits follows the file's name.
    const std::filesystem::path& file = document_->fileName();
    setWindowTitle(baseCaption() + (file.empty() ? QStringLiteral("(無題)") : fromPath(file)) +
                   (document_->isModified() ? QStringLiteral("*") : QString()));
}

void MainForm::pageChanged(int index) {
    const int previous = lastPage_;
    lastPage_ = index;
    // An edit made on the page being left is a command of its own.
    commitShownItem();
    if (previous == pageControl_->indexOf(commonPage_) && floorListStale_ != 0) {
        // The shown item is fitted to the new storeys: shown, not edited.
        RebuildFloorList();
    }
    if (pageControl_->widget(index) == columnPage_) columnPage_->recomputeItem();
    if (showing_ == 0) fitted_ = shown_.input();
}

void MainForm::navigate(int tag) {
    commitPendingEdit();
    switch (tag) {
    case 0: ShowItem(0, true); break;
    case 1: ShowItem(document_->currentIndex() - 1, true); break;
    case 2: ShowItem(document_->currentIndex() + 1, true); break;
    default: ShowItem(document_->count() - 1, true); break;
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
