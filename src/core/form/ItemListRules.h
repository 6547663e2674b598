#pragma once
// The rules of the item list's commands: what a new item ("追加") and a
// copy ("コピー") of the shown item start as, when they, or a delete, are
// refused, and which of the list's buttons are open.
#include <optional>
#include <string>

#include "core/check/ColumnOutcome.h"
#include "core/form/FormControls.h"
#include "core/project/ColumnMember.h"

namespace tarvo {

class ColumnsData;

enum class NewItemKind {
    Add,  // a copy without axial forces and without a name
    Copy, // a copy with all of the shown item's inputs
};

enum class ItemListRefusal {
    None,
    NotCheckable,    // the shown item does not check: said on the message line with the beep
    ProjectTooLarge, // the project file could no longer hold the list: said in an error box
};

struct NewItem {
    std::optional<ColumnMember> item; // what the new item starts as, appended at the end
    ItemListRefusal refusal = ItemListRefusal::None;
    std::string message; // why it is refused; empty when it is not
};

// The item "追加" or "コピー" appends to `list`, made from the shown item
// `shown` whose check is `outcome`.
[[nodiscard]] NewItem MakeNewItem(const ColumnsData& list, const MemberInputData& shown, const ColumnOutcome& outcome,
                                  NewItemKind kind);

// Why the item at `index` cannot be deleted (the first item never is), or
// nothing when it can.
[[nodiscard]] std::optional<std::string> DeleteRefusal(const ColumnsData& list, int index);

// The item list's buttons and position for the item at `current` of
// `count` items.
struct ItemListControls {
    ButtonControl firstButton; // "FirstButton"
    ButtonControl beforButton; // "BeforButton"
    ButtonControl nextButton;  // "NextButton"
    ButtonControl lastButton;  // "LastButton"
    ButtonControl deleteButton;
    ButtonControl arrangeButton;
    LabelControl pagePanel; // "PagePanel": "2/5"
};

[[nodiscard]] ItemListControls MakeItemListControls(int count, int current);

} // namespace tarvo
