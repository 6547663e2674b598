#pragma once
// The file commands of the main window: New, Open, Save As and Overwrite,
// the save prompt that guards every command discarding the project in
// memory (and the closing of the window), opening a project dropped on the
// window, and the recent-file history with its menu entries.
//
// No edit is ever lost unasked: the prompt appears whenever the project has
// unsaved edits, and when the engineer answers Yes, the command goes on only
// once the project was really saved. A cancelled save dialog or a failed
// save cancels the command, and the project and the window stay as they were.
#include <QObject>
#include <QString>

#include <filesystem>
#include <optional>

#include "core/project/FileHistory.h"

class QAction;
class QFileDialog;
class QMenu;

namespace tarvo::gui {

class MainForm;
class RecentFilesMenu;

class FileCommands : public QObject {
    Q_OBJECT
public:
    enum class SaveDialogMode { Data, Latex };

    // Reads the history file `historyFile` and puts its entries into
    // `fileMenu` after `insertAfter`.
    FileCommands(MainForm& window, QMenu* fileMenu, QAction* insertAfter, const std::filesystem::path& historyFile);
    // Writes the history file.
    ~FileCommands() override;
    FileCommands(const FileCommands&) = delete;
    FileCommands& operator=(const FileCommands&) = delete;

    [[nodiscard]] const FileHistory& history() const { return history_; }

    // The save prompt: true when the command may go on (no unsaved edits,
    // the answer No, or the project was saved after Yes), false when it
    // must stop (Cancel, or Yes without a successful save).
    bool AskToSave();
    // The close query of the window: the save prompt.
    bool FormCloseQuery() { return AskToSave(); }

    void MenuFileNewClick();
    void MenuOpenClick();
    // True when the project was saved.
    bool MenuSaveAsClick();
    void FileOverWriteButtonClick();

    // Opens a file of the history (with the save prompt); 0 when it opened.
    int OpenFromHistory(const std::filesystem::path& name);
    // Opens a project dropped on the window (with the save prompt).
    void openDropped(const std::filesystem::path& name);
    // Reads `name` into the window; 0 on success, 1 when the file could not
    // be read (its message was shown, nothing changed).
    int OpenProjectFile(const std::filesystem::path& name);
    // Writes the project to `name`; 0 on success (no unsaved edits left),
    // 1 on failure (its message was shown).
    int SaveProjectFile(const std::filesystem::path& name);
    // A new project has no file: the current file name becomes empty.
    void forgetCurrentFile();

    // Filter, default extension, folder and file name of a save dialog.
    static void PrepareSaveDialog(QFileDialog& dialog, const std::filesystem::path& name, SaveDialogMode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The save dialog, until the engineer confirms a name that may be
    // written: the name with ".tvp", an existing file only after the
    // question to overwrite it, never a read-only file.
    std::optional<std::filesystem::path> chooseSaveName(const std::filesystem::path& proposed);
    void makeCurrent(const std::filesystem::path& name);
    [[nodiscard]] QString startFolder() const;

    MainForm& window_;
    FileHistory history_;
    RecentFilesMenu* recentFiles_ = nullptr;
    QString lastFolder_;
};

} // namespace tarvo::gui
