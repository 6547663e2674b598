#include "gui/document/DocumentCommands.h"

#include <utility>

#include "gui/document/ProjectDocument.h"

namespace tarvo::gui {

ItemEditCommand::ItemEditCommand(ProjectDocument& document, int index, MemberInputData before, MemberInputData after,
                                 const QString& text, int origin, int renameRun, int action)
    : QUndoCommand(text), document_(document), index_(index), before_(std::move(before)), after_(std::move(after)),
      origin_(origin), renameRun_(renameRun), action_(action) {}

void ItemEditCommand::undo() {
    document_.putItem(index_, before_, origin_);
}

void ItemEditCommand::redo() {
    document_.putItem(index_, after_, origin_);
}

bool ItemEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ItemEditCommand*>(other);
    if (next == nullptr || next->index_ != index_) return false;
    const bool sameAction = action_ >= 0 && next->action_ == action_;
    if (!sameAction) {
        if (renameRun_ < 0 || next->renameRun_ != renameRun_) return false;
        // Only a further rename joins the run; any other change of the item
        // is a step of its own.
        MemberInputData renamed = after_;
        renamed.Name = next->after_.Name;
        if (!(renamed == next->after_)) return false;
    }
    after_ = next->after_;
    // Typed back to the name it had: the run changed nothing.
    setObsolete(after_ == before_);
    return true;
}

CommonEditCommand::CommonEditCommand(ProjectDocument& document, const CommonInputData& before,
                                     const CommonInputData& after, const QString& text, int origin)
    : QUndoCommand(text), document_(document), before_(before), after_(after), origin_(origin) {}

void CommonEditCommand::undo() {
    document_.putCommon(before_, origin_);
}

void CommonEditCommand::redo() {
    document_.putCommon(after_, origin_);
}

ItemPresenceCommand::ItemPresenceCommand(ProjectDocument& document, int index, int indexBefore, MemberInputData item,
                                         bool inserted, const QString& text, int origin)
    : QUndoCommand(text), document_(document), index_(index), indexBefore_(indexBefore), item_(std::move(item)),
      inserted_(inserted), origin_(origin) {}

void ItemPresenceCommand::put(bool present) {
    // Shown afterwards: the item itself when it is there, else the one that
    // was shown before it came (or the one that took its place).
    document_.putPresence(index_, item_, present, present ? index_ : indexBefore_, origin_);
}

void ItemPresenceCommand::undo() {
    put(!inserted_);
}

void ItemPresenceCommand::redo() {
    put(inserted_);
}

ListCommand::ListCommand(ProjectDocument& document, std::vector<MemberInputData> before, int indexBefore,
                         std::vector<MemberInputData> after, int indexAfter, const QString& text, int origin)
    : QUndoCommand(text), document_(document), before_(std::move(before)), indexBefore_(indexBefore),
      after_(std::move(after)), indexAfter_(indexAfter), origin_(origin) {}

void ListCommand::undo() {
    document_.putList(before_, indexBefore_, origin_);
}

void ListCommand::redo() {
    document_.putList(after_, indexAfter_, origin_);
}

} // namespace tarvo::gui
