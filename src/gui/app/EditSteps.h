#pragma once
// The steps of the undo history. Each step holds what it needs to put the
// project back: a field edit holds the one item's inputs before and after,
// a common edit the common block, an added or deleted item that item, and
// a rearrangement or import the list's inputs. A step records the item and
// the page it was made on and shows them again when it is undone or redone.
#include <QUndoCommand>

#include <vector>

#include "core/project/ColumnMember.h"
#include "core/project/CommonInputData.h"

namespace tarvo::gui {

class EditHistory;

// An edit of one item's inputs on any page.
class ItemInputStep : public QUndoCommand {
public:
    ItemInputStep(EditHistory& history, int index, int page, MemberInputData before, MemberInputData after,
                  const QString& text, int renameRun);
    void undo() override;
    void redo() override;
    // Renaming as one types is one step per run of typing, not one per
    // character; `renameRun` is that run (-1: no rename).
    [[nodiscard]] int id() const override { return renameRun_ >= 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    EditHistory& history_;
    int index_;
    int page_;
    MemberInputData before_;
    MemberInputData after_;
    int renameRun_;
    bool applied_ = true; // the edit was made before the step was recorded
};

// An edit of the common conditions, with the item shown at the time (as it
// was then, before it was fitted to the new conditions).
class CommonInputStep : public QUndoCommand {
public:
    CommonInputStep(EditHistory& history, int index, int page, const CommonInputData& before,
                    const CommonInputData& after, const MemberInputData& item, const QString& text);
    void undo() override;
    void redo() override;

private:
    EditHistory& history_;
    int index_;
    int page_;
    CommonInputData before_;
    CommonInputData after_;
    MemberInputData item_;
    bool applied_ = true;
};

// An item added (or copied) at `index`, or, with `inserted` false, deleted from it.
class ItemPresenceStep : public QUndoCommand {
public:
    ItemPresenceStep(EditHistory& history, int index, int indexBefore, int page, MemberInputData item, bool inserted,
                     const QString& text);
    void undo() override;
    void redo() override;

private:
    void put(bool present);

    EditHistory& history_;
    int index_;
    int indexBefore_;
    int page_;
    MemberInputData item_;
    bool inserted_;
    bool applied_ = true;
};

// The whole list replaced: arranged or extended by an import.
class ListStep : public QUndoCommand {
public:
    ListStep(EditHistory& history, int page, std::vector<MemberInputData> before, int indexBefore,
             std::vector<MemberInputData> after, int indexAfter, const QString& text);
    void undo() override;
    void redo() override;

private:
    EditHistory& history_;
    int page_;
    std::vector<MemberInputData> before_;
    int indexBefore_;
    std::vector<MemberInputData> after_;
    int indexAfter_;
    bool applied_ = true;
};

} // namespace tarvo::gui
