#pragma once
// The undoable commands of the project document. Each holds what it needs
// to put the project back and forth: an item edit the one item's inputs
// before and after, a common edit the common block, an added or removed item
// that item, a replaced list both lists' inputs. Each hands back the origin
// it was made with (the page), so that the window shows the change where it
// was made.
#include <QUndoCommand>

#include <vector>

#include "core/project/ColumnMember.h"
#include "core/project/CommonInputData.h"

namespace tarvo::gui {

class ProjectDocument;

class ItemEditCommand : public QUndoCommand {
public:
    ItemEditCommand(ProjectDocument& document, int index, MemberInputData before, MemberInputData after,
                    const QString& text, int origin, int renameRun, int action);
    void undo() override;
    void redo() override;
    // Renaming as one types is one step per run of typing, not one per key;
    // the edits of one user action (`action` >= 0) are one step.
    [[nodiscard]] int id() const override { return renameRun_ >= 0 || action_ >= 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    ProjectDocument& document_;
    int index_;
    MemberInputData before_;
    MemberInputData after_;
    int origin_;
    int renameRun_;
    int action_;
};

class CommonEditCommand : public QUndoCommand {
public:
    CommonEditCommand(ProjectDocument& document, const CommonInputData& before, const CommonInputData& after,
                      const QString& text, int origin);
    void undo() override;
    void redo() override;

private:
    ProjectDocument& document_;
    CommonInputData before_;
    CommonInputData after_;
    int origin_;
};

// An item added at `index`, or, with `inserted` false, removed from it.
class ItemPresenceCommand : public QUndoCommand {
public:
    ItemPresenceCommand(ProjectDocument& document, int index, int indexBefore, MemberInputData item, bool inserted,
                        const QString& text, int origin);
    void undo() override;
    void redo() override;

private:
    void put(bool present);

    ProjectDocument& document_;
    int index_;
    int indexBefore_;
    MemberInputData item_;
    bool inserted_;
    int origin_;
};

class ListCommand : public QUndoCommand {
public:
    ListCommand(ProjectDocument& document, std::vector<MemberInputData> before, int indexBefore,
                std::vector<MemberInputData> after, int indexAfter, const QString& text, int origin);
    void undo() override;
    void redo() override;

private:
    ProjectDocument& document_;
    std::vector<MemberInputData> before_;
    int indexBefore_;
    std::vector<MemberInputData> after_;
    int indexAfter_;
    int origin_;
};

} // namespace tarvo::gui
