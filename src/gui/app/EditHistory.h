#pragma once
// The undo history of the main window. Edits are recorded by comparing the
// project with the state it had after the last recorded step (the
// baseline): whatever a user action changed in the shown item or in the
// common conditions becomes one step, whichever control made it. Adding,
// deleting, rearranging and importing items are recorded by their commands.
// Undo and redo put the inputs back exactly and show the item on the page
// where the edit was made.
#include <QObject>
#include <QUndoStack>

#include <vector>

#include "core/project/ColumnMember.h"
#include "core/project/CommonInputData.h"

namespace tarvo::gui {

class MainForm;

class EditHistory : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(MainForm& window);

    [[nodiscard]] QUndoStack& stack() { return stack_; }
    [[nodiscard]] const QUndoStack& stack() const { return stack_; }

    // Records what changed since the baseline as one step; nothing when
    // nothing changed. Runs at once (before an item is shown or a command
    // acts) or, through `scheduleCapture`, once the current event is done,
    // so that everything one user action changed lands in one step.
    void capture();
    void scheduleCapture();
    // The baseline becomes the project as it is now (after an item was
    // shown, a project loaded or a step undone).
    void resetBaseline();
    // Forgets every step (a new or opened project); the state is clean.
    void clear();
    // The project as it is now was written to its file.
    void markSaved();
    // The project as it is now matches no file (restored unsaved work): no
    // undo or redo makes it clean again, only a save does.
    void markNeverSaved();
    // Typing into the name list ended: the next rename is a step of its own.
    void endRenaming();

    // Commands that change the list record themselves: call `beginListChange`
    // before the change (keeping the whole list for a rearrangement or an
    // import) and one of the others after it. `dropListChange` forgets a
    // change that did not happen.
    void beginListChange(bool wholeList = false);
    void itemInserted(int index, const QString& text);
    void itemDeleted(int index, const QString& text);
    void listReplaced(const QString& text);
    void dropListChange();

    // Used by the steps.
    void restoreItem(int index, int page, const MemberInputData& inputs);
    void restoreCommon(int index, int page, const CommonInputData& inputs, const MemberInputData& item);
    void restorePresence(int index, int page, const MemberInputData& item, bool present, int showIndex);
    void restoreList(int page, const std::vector<MemberInputData>& inputs, int showIndex);
    [[nodiscard]] bool restoring() const { return restoring_ > 0; }

private:
    [[nodiscard]] std::vector<MemberInputData> listInputs() const;
    void finishRestore(int index, int page, bool listChanged);

    MainForm& window_;
    QUndoStack stack_;
    bool pending_ = false;
    int restoring_ = 0;
    int renameRun_ = 0;
    int baselineIndex_ = 0;
    MemberInputData itemBaseline_;
    CommonInputData commonBaseline_;
    // State before a list command.
    std::vector<MemberInputData> listBefore_;
    MemberInputData itemBefore_;
    int indexBefore_ = 0;
};

} // namespace tarvo::gui
