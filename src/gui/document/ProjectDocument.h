#pragma once
// The project being worked on in the window: the common conditions, the
// list of column items, the item being edited, the file it belongs to and
// the undo history. It is the only thing that changes the project: every
// change is a command on its undo stack, and the document says what changed
// (which item, the common block, the list) so that the views draw it again.
// The inputs the check derives for an item (automatic Cf and tenon, the
// lengths that follow Lkx) are applied by the edit that causes them, as part
// of its command. "Unsaved" is the stack's clean state (or work restored
// from a recovery copy, which matches no file until it is saved).
//
// Qt Core and Gui (the undo stack) only: no widgets, so that its commands
// are tested without a window.
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <filesystem>
#include <string>
#include <vector>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/CommonFields.h"
#include "core/project/ItemFields.h"
#include "core/text/MessageSink.h"

namespace tarvo::gui {

class ProjectDocument : public QObject {
    Q_OBJECT
public:
    // Reads the stored defaults of the common conditions and materials from
    // `settingsFile` (none: the built-in defaults) and starts a new project.
    explicit ProjectDocument(std::filesystem::path settingsFile = {}, QObject* parent = nullptr);

    [[nodiscard]] const CommonData& common() const { return common_; }
    [[nodiscard]] const ColumnsData& columns() const { return columns_; }
    [[nodiscard]] int count() const { return columns_.Count(); }
    [[nodiscard]] const ColumnMember& item(int index) const { return columns_.Item(index); }
    [[nodiscard]] const MatDataBase& catalogue() const { return catalogue_; }
    // How many items check (result code 0), kept up to date with every
    // change, so that the print entries need no pass over a long list.
    [[nodiscard]] int computableCount() const { return computable_; }
    [[nodiscard]] const ColumnCheck& check() const { return check_; }

    // The item being edited; setting it clamps to the list.
    [[nodiscard]] int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    [[nodiscard]] const ColumnMember& currentItem() const { return columns_.Item(current_); }

    [[nodiscard]] const std::filesystem::path& fileName() const { return file_; }
    void setFileName(const std::filesystem::path& file);

    [[nodiscard]] QUndoStack& undoStack() { return stack_; }
    [[nodiscard]] const QUndoStack& undoStack() const { return stack_; }
    [[nodiscard]] bool isModified() const { return unsavedWork_ || !stack_.isClean(); }

    // ---- edits: each one command; false, and nothing on the stack, when it
    // changes nothing. `origin` is handed back with the signals (the window
    // passes the page the edit was made on and shows it again on undo).

    // The item's inputs become `after` (with the derived inputs applied);
    // the step is named after the first field that differs from `shown`
    // (what the user saw), or from the stored inputs. Edits with the same
    // `renameRun` (>= 0) that change only the name join one step, and so do
    // the edits of one user action (the same `action` >= 0).
    bool editItem(int index, const MemberInputData& after, int origin, const MemberInputData* shown = nullptr,
                  int renameRun = -1, int action = -1);
    bool setItemField(int index, ItemFieldId field, double value, int origin);
    bool editCommon(const CommonInputData& after, int origin);
    bool setCommonField(CommonFieldId field, double value, int origin);
    // `item` put at `index` (0 … count()), shown afterwards.
    bool insertItem(int index, const MemberInputData& item, const QString& text, int origin);
    // The item at `index` (never the first) removed.
    bool removeItem(int index, const QString& text, int origin);
    // The whole list replaced (arranged, imported, designed); `showIndex`
    // becomes the current item.
    bool replaceItems(std::vector<MemberInputData> items, int showIndex, const QString& text, int origin);

    // ---- whole projects: a new history, nothing unsaved.
    void newProject();
    // Reads `file`; on failure shows the message and changes nothing.
    bool open(const std::filesystem::path& file, MessageSink& messages);
    // The project was written to its file.
    void markSaved();
    // The project matches no file (work restored from a recovery copy, a
    // change of the settings the project is output with): unsaved until
    // the next save.
    void markUnsavedWork();

    // Stored defaults (the settings file, not the project).
    bool saveCommonDefaults(MessageSink& messages);
    bool saveMaterialDefault(MaterialDefault which, const MatInputData& material, MessageSink& messages);

    // A copy of the items (without the composed report), and the items as a
    // save writes them: every item with its derived inputs.
    [[nodiscard]] ColumnsData itemsCopy() const;
    [[nodiscard]] ColumnsData columnsAsSaved() const;

    // The list with the print report composed from it (page starts and
    // lines), which printing, the preview and the LaTeX output build in
    // place. They change no item's inputs.
    [[nodiscard]] ColumnsData& reportCache() { return columns_; }

    // Used by the commands.
    void putItem(int index, const MemberInputData& inputs, int origin);
    void putCommon(const CommonInputData& inputs, int origin);
    void putPresence(int index, const MemberInputData& item, bool present, int showIndex, int origin);
    void putList(const std::vector<MemberInputData>& items, int showIndex, int origin);
    [[nodiscard]] std::vector<MemberInputData> listInputs() const;

signals:
    // An item's inputs changed (by an edit, an undo or a redo).
    void itemChanged(int index, int origin);
    // The common conditions changed; their derived values are up to date.
    void commonChanged(int origin);
    // An item came or went (`inserted`), or the whole list changed
    // (`listReplaced`); `current` is the item to show.
    void itemInserted(int index, int current, int origin);
    void itemRemoved(int index, int current, int origin);
    void listReplaced(int current, int origin);
    void currentChanged(int index);
    // A new or opened project.
    void projectReset();
    void fileNameChanged();
    void modifiedChanged(bool modified);

private:
    void resetHistory();
    void countComputable();
    [[nodiscard]] int computes(const MemberInputData& item) const;
    void emitModified();

    CommonData common_;
    MatDataBase catalogue_;
    ColumnsData columns_;
    ColumnCheck check_;
    int current_ = 0;
    std::filesystem::path file_;
    QUndoStack stack_;
    bool unsavedWork_ = false;
    int computable_ = 0;
    bool lastModified_ = false;
};

} // namespace tarvo::gui
