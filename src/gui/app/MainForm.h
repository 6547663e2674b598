#pragma once
// The main window: owns the project in memory (common conditions, the list
// of column items), the catalogue and the check; carries the menus, the two
// tool bars and the four pages, and ties the pages together through the
// operations every page shares (show an item, recompute, count edits).
#include <QMainWindow>

#include <filesystem>
#include <memory>
#include <vector>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
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
class EditHistory;
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

    [[nodiscard]] int modifiedCount() const { return modifiedCount_; }
    [[nodiscard]] int floorListStale() const { return floorListStale_; }
    [[nodiscard]] const std::filesystem::path& currentFile() const { return currentFile_; }
    // The project's file became `file` (empty: none); the caption follows.
    void setCurrentFile(const std::filesystem::path& file);
    // The project was written to its file: no unsaved edits are left.
    void projectSaved();
    // The fields of the column page let go of the item they edit. Called
    // right after the list of items was replaced or changed in place (its
    // items may have moved in memory); the next ShowItem links them again.
    void releaseItemLinks();
    [[nodiscard]] FileCommands& fileCommands() { return *fileCommands_; }
    [[nodiscard]] ItemListCommands& itemCommands() { return *itemCommands_; }
    [[nodiscard]] PrintCommands& printCommands() { return *printing_; }
    [[nodiscard]] LatexForm& latexForm() { return *latexForm_; }
    [[nodiscard]] const SettingsLocation& settingsLocation() const { return settings_; }

    // Undo and redo of every edit of the project.
    [[nodiscard]] EditHistory& history() { return *history_; }
    [[nodiscard]] int currentPage() const;
    // Shows item `index` on page `page` after a step was undone or redone;
    // `listChanged` refills the name list first.
    void showRestored(int index, int page, bool listChanged);
    // Shows the common conditions again after a step put them back.
    void showRestoredCommon();
    void undo();
    void redo();

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
    // acts, as leaving the field would.
    void commitPendingEdit();

    // PageContext
    CommonData& common() override { return common_; }
    ColumnsData& columns() override { return columns_; }
    const MatDataBase& catalogue() override { return catalogue_; }
    ColumnCheck& check() override { return check_; }
    ColumnMember& currentItem() override { return columns_.Item(current_); }
    [[nodiscard]] int currentIndex() const override { return current_; }
    [[nodiscard]] bool showingItem() const override { return showing_ > 0; }
    void markChanged() override;
    void focusControl(QWidget* widget) override;
    void refillGrades() override;
    void refreshSizes() override;
    void recomputeItem() override;
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
    // The edit counter; the caption's mark of unsaved edits follows it.
    void setModifiedCount(int count);
    void updateCaption();
    void updatePrintEntries();
    void pageChanged(int index);
    void navigate(int tag);
    void showHelp();
    void showVersion();

    std::filesystem::path programDir_;
    SettingsLocation settings_;
    CommonData common_;
    MatDataBase catalogue_;
    ColumnsData columns_;
    ColumnCheck check_;
    WidgetMessageSink messages_;
    std::filesystem::path currentFile_;
    int current_ = 0;
    int modifiedCount_ = 0;
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
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    EditHistory* history_ = nullptr;
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
