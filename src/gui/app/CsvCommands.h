#pragma once
// The CSV entries of the "File(&F)" menu: the column items read from a CSV
// file and appended to the list or put in its place, the items written to a CSV file, and the
// results of the check written to a CSV file. The entries go before the
// separator after which the recent files are listed.
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "core/project/ColumnsCsvFile.h"

class QAction;
class QMenu;

class QAction;

namespace tarvo::gui {

class MainForm;

class CsvCommands : public QObject {
    Q_OBJECT
public:
    // Asks for a file: an existing one to read (`save` false) or one to write.
    // An empty text means the user cancelled.
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& caption, const QString& suggested, bool save)>;

    // Asks whether the items of a file go after the list's items or replace
    // them; no value means the user cancelled.
    using ModeChooser = std::function<std::optional<CsvImportMode>(QWidget* parent)>;

    // Adds the three entries to the window's file menu.
    // The entries go into `fileMenu` before `before` (the separator of the exit entry).
    CsvCommands(MainForm& window, QMenu& fileMenu, QAction* before);

    // "CSV 読込み(&I)...": the items of the chosen file are appended to the
    // list or replace it (asked first; replacing asks to save the project
    // before), and the first of them is shown; the project counts as
    // changed. A refused file shows its problems in an error box and changes
    // nothing.
    void importItems();
    // "CSV 書出し(&E)...": every input of every item.
    void exportItems();
    // "結果を CSV に書出し(&R)...": every item checked, one row of results each.
    void exportResults();

    // Replaces the file dialogs (tests).
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    // Replaces the question whether to append or replace (tests).
    void setModeChooser(ModeChooser chooser) { modeChooser_ = std::move(chooser); }

private:
    // The file to suggest: the project's name with ".csv" (and `suffix`
    // before it) in the project's folder, or in the folder last used.
    [[nodiscard]] QString suggestedFile(const QString& suffix) const;
    [[nodiscard]] QString choose(const QString& caption, const QString& suggested, bool save);

    MainForm& window_;
    FileChooser chooser_;
    ModeChooser modeChooser_;
    QString lastFolder_;
};

} // namespace tarvo::gui
