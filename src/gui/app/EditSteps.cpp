#include "gui/app/EditSteps.h"

#include <utility>

#include "gui/app/EditHistory.h"

namespace tarvo::gui {

ItemInputStep::ItemInputStep(EditHistory& history, int index, int page, MemberInputData before, MemberInputData after,
                             const QString& text, int renameRun)
    : QUndoCommand(text), history_(history), index_(index), page_(page), before_(std::move(before)),
      after_(std::move(after)), renameRun_(renameRun) {}

void ItemInputStep::undo() {
    history_.restoreItem(index_, page_, before_);
}

void ItemInputStep::redo() {
    // The first redo is the push of an edit already made.
    if (std::exchange(applied_, false)) return;
    history_.restoreItem(index_, page_, after_);
}

bool ItemInputStep::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ItemInputStep*>(other);
    if (next == nullptr || next->renameRun_ != renameRun_ || next->index_ != index_) return false;
    // Only a further rename joins the run; any other change of the item is
    // a step of its own.
    MemberInputData renamed = after_;
    renamed.Name = next->after_.Name;
    if (!(renamed == next->after_)) return false;
    after_ = next->after_;
    // Typed back to the name it had: the run changed nothing.
    setObsolete(after_ == before_);
    return true;
}

CommonInputStep::CommonInputStep(EditHistory& history, int index, int page, const CommonInputData& before,
                                 const CommonInputData& after, const MemberInputData& item, const QString& text)
    : QUndoCommand(text), history_(history), index_(index), page_(page), before_(before), after_(after), item_(item) {}

void CommonInputStep::undo() {
    history_.restoreCommon(index_, page_, before_, item_);
}

void CommonInputStep::redo() {
    if (std::exchange(applied_, false)) return;
    history_.restoreCommon(index_, page_, after_, item_);
}

ItemPresenceStep::ItemPresenceStep(EditHistory& history, int index, int indexBefore, int page, MemberInputData item,
                                   bool inserted, const QString& text)
    : QUndoCommand(text), history_(history), index_(index), indexBefore_(indexBefore), page_(page),
      item_(std::move(item)), inserted_(inserted) {}

void ItemPresenceStep::put(bool present) {
    // Shown afterwards: the item itself when it is there, else the one that
    // was shown before it came (or the one that took its place).
    history_.restorePresence(index_, page_, item_, present, present ? index_ : indexBefore_);
}

void ItemPresenceStep::undo() {
    put(!inserted_);
}

void ItemPresenceStep::redo() {
    if (std::exchange(applied_, false)) return;
    put(inserted_);
}

ListStep::ListStep(EditHistory& history, int page, std::vector<MemberInputData> before, int indexBefore,
                   std::vector<MemberInputData> after, int indexAfter, const QString& text)
    : QUndoCommand(text), history_(history), page_(page), before_(std::move(before)), indexBefore_(indexBefore),
      after_(std::move(after)), indexAfter_(indexAfter) {}

void ListStep::undo() {
    history_.restoreList(page_, before_, indexBefore_);
}

void ListStep::redo() {
    if (std::exchange(applied_, false)) return;
    history_.restoreList(page_, after_, indexAfter_);
}

} // namespace tarvo::gui
