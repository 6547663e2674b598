#pragma once
// The main window over the project document: carries the menus, the two
// tool bars and the four pages, and ties the pages together through the
// operations every page shares (show an item, recompute). The document owns
// the project; the window holds the shown item's working copy and commits
// each user action on it to the document as one command, and draws what
// the document says changed (after an undo, a list command, an open).
#include <QMainWindow>

#include <filesystem>
#include <memory>
#include <vector>

#include "core/text/IniFile.h"
#include "core/text/SettingsLocation.h"
#include "gui/ui/PageContext.h"
#include "gui/ui/WidgetMessageSink.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace tarvo::gui {

class BaseMaterialPage;
class ColumnDesignPage;
class RecoveryKeeper;
class LatexForm;
class PrintCommands;
class FileCommands;
class ItemListCommands;
class ColumnMaterialPage;
class CommonPage;

class MainForm : public QMainWindow, public PageContext {
    Q_OBJECT
public:
    // Keeps Tarvo.ini, the history file and the LaTeX header where
    // `settings` says; looks for the help document beside its program too.
    explicit MainForm(const SettingsLocation& settings, QWidget* parent = nullptr);
    // Everything beside a program in `programDir` (portable use).
    explicit MainForm(const std::filesystem::path& programDir, QWidget* parent = nullptr);
    ~MainForm() override;

    // "ＭＳ Ｐゴシック" (drawn with its installed stand-in) at 13 pixels.
    static QFont windowFont();
    // The window title followed by one full-width space.
    static QString baseCaption();

    // Loads the project named on the command line; a file that cannot be
    // read shows its message and leaves the new project.
    void openProjectOnStart(const QString& path);

    void NewProject();
    void ShowProject();
    void ShowItem(int index, bool selectInList);
    void RefreshVelocityLabel();
    void RebuildFloorList();
    void FillNameList();
    void UpdateNavigation();

    // 1 while the project has unsaved edits (a change of the shown item not
    // yet committed included), else 0.
    [[nodiscard]] int modifiedCount() const { return document_->isModified() || !(shown_.input() == fitted_) ? 1 : 0; }
    [[nodiscard]] int floorListStale() const { return floorListStale_; }
    [[nodiscard]] const std::filesystem::path& currentFile() const { return document_->fileName(); }
    // The project's file became `file` (empty: none); the caption follows.
    void setCurrentFile(const std::filesystem::path& file);
    // The project was written to its file: no unsaved edits are left.
    void projectSaved();
    [[nodiscard]] FileCommands& fileCommands() { return *fileCommands_; }
    [[nodiscard]] ItemListCommands& itemCommands() { return *itemCommands_; }
    [[nodiscard]] PrintCommands& printCommands() { return *printing_; }
    [[nodiscard]] LatexForm& latexForm() { return *latexForm_; }
    [[nodiscard]] const SettingsLocation& settingsLocation() const { return settings_; }

    // Undo and redo of every edit of the project: the document's stack.
    [[nodiscard]] QUndoStack& undoStack() { return document_->undoStack(); }
    [[nodiscard]] int currentPage() const;
    void undo();
    void redo();
    // Commits the user's changes of the shown item (nothing when there are
    // none); the changes of one user action make one command.
    void commitShownItem();
    // Typing into the name list ended: the next rename is a step of its own.
    void endRenaming();

    // Recovery of unsaved work (see RecoveryKeeper).
    [[nodiscard]] RecoveryKeeper& recovery() { return *recovery_; }
    // Offers the recovery copies of sessions that died; true when one was
    // restored into the window.
    bool offerRecovery();
    // Writes the recovery copy now, as the timer does, and waits until it
    // is on disk.
    void writeRecoveryCopy();
    // The project in the window was restored from a recovery copy of the
    // project `originalFile` (empty: untitled): it is unsaved work.
    void projectRestored(const std::filesystem::path& originalFile);

    // The size the window opens at on a screen whose available area is
    // `available`: the whole column page with room for the widest result
    // sheet, never larger than the screen.
    QSize openingSize(const QSize& available);

    // Writes a number being typed into its field's item before a command
    // acts, as leaving the field would, and commits the shown item.
    void commitPendingEdit();

    [[nodiscard]] const ColumnsData& columns() const { return document_->columns(); }

    // PageContext
    ProjectDocument& document() override { return *document_; }
    ColumnMember& currentItem() override { return shown_; }
    [[nodiscard]] int currentIndex() const override { return document_->currentIndex(); }
    [[nodiscard]] bool showingItem() const override { return showing_ > 0; }
    void markChanged() override;
    void commitCommon(const CommonInputData& after) override;
    void focusControl(QWidget* widget) override;
    // Checks the shown item again and redraws the column page.
    void recomputeItem();
    MessageSink& messages() override { return messages_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Size, position, maximised state and the preview's zoom, from the
    // user's Window.ini (or the opening size), and back into it at the end.
    void restoreWindowState();
    void saveWindowState();
    void buildActions();
    void buildMenus();
    void buildToolBars();
    void buildPages();
    void buildItemAndFileCommands();
    void buildPrintCommands();
    void buildEditMenu(QMenu* menu);
    void updateUndoEntries();
    void connectDocument();
    // Shows item `index` on page `page` after the document changed it (an
    // undo or redo, a list command); `listChanged` refills the name list.
    void showChanged(int index, int page, bool listChanged);
    // The shown item is the document's current item as stored, fitted to
    // the page again; the fit is no edit of the user.
    void takeShownItem();
    void updateCaption();
    void updatePrintEntries();
    void pageChanged(int index);
    void navigate(int tag);
    void showHelp();
    void showVersion();

    std::filesystem::path programDir_;
    SettingsLocation settings_;
    std::unique_ptr<ProjectDocument> document_;
    WidgetMessageSink messages_;
    // The shown item as the pages show and change it, and as it was after
    // it was last shown, fitted or committed: the user's changes are the
    // difference.
    ColumnMember shown_;
    MemberInputData fitted_;
    // The user action being committed (-1: none), and the next one's number.
    int action_ = -1;
    int nextAction_ = 0;
    // The window's own commit is running: its changes are drawn already.
    int committing_ = 0;
    // The window draws a change the document made (an undo, a redo).
    int restoring_ = 0;
    int renameRun_ = 0;
    int floorListStale_ = 0;
    int showing_ = 0;
    bool windAtLastFloorList_ = false;
    int lastPage_ = -1;
    std::vector<IniFile::Entry> storedWindowState_;

    QAction* fileNew_ = nullptr;
    QAction* fileOpen_ = nullptr;
    QAction* fileOverwrite_ = nullptr;
    QAction* fileSaveAs_ = nullptr;
    QAction* printSetup_ = nullptr;
    QAction* print_ = nullptr;
    QAction* selectPrint_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* latexOut_ = nullptr;
    QAction* latexSettings_ = nullptr;
    QAction* help_ = nullptr;
    QAction* version_ = nullptr;
    QAction* sep1_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QToolBar* itemBar_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    RecoveryKeeper* recovery_ = nullptr;
    QToolButton* printButton_ = nullptr;
    QToolButton* previewButton_ = nullptr;

    FileCommands* fileCommands_ = nullptr;
    ItemListCommands* itemCommands_ = nullptr;
    // The print and LaTeX commands with their dialogs.
    std::unique_ptr<PrintCommands> printing_;
    std::unique_ptr<LatexForm> latexForm_;
    QComboBox* nameList_ = nullptr;
    QLabel* pagePanel_ = nullptr;
    QToolButton* firstButton_ = nullptr;
    QToolButton* beforButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QToolButton* lastButton_ = nullptr;
    QToolButton* addButton_ = nullptr;
    QToolButton* addCopyButton_ = nullptr;
    QToolButton* deleteButton_ = nullptr;
    QToolButton* arrangeButton_ = nullptr;

    QTabWidget* pageControl_ = nullptr;
    CommonPage* commonPage_ = nullptr;
    BaseMaterialPage* baseMaterialPage_ = nullptr;
    ColumnMaterialPage* columnMaterialPage_ = nullptr;
    ColumnDesignPage* columnPage_ = nullptr;
};

} // namespace tarvo::gui
