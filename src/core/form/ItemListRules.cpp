#include "core/form/ItemListRules.h"

#include <string>
#include <vector>

#include "core/project/ColumnsData.h"
#include "core/project/ProjectFile.h"

namespace tarvo {

NewItem MakeNewItem(const ColumnsData& list, const MemberInputData& shown, const ColumnOutcome& outcome,
                    NewItemKind kind) {
    NewItem result;
    if (!outcome.computable()) {
        result.refusal = ItemListRefusal::NotCheckable;
        result.message = "現在のデータが未入力です。";
        return result;
    }
    ColumnMember item;
    item.input() = shown;
    if (kind == NewItemKind::Add) {
        item.AxialForce = {};
        item.Name.clear();
    }
    // The project must stay one its file can hold and its reader take back.
    if (!projectWouldFit(list, std::vector<ColumnMember>{item})) {
        result.refusal = ItemListRefusal::ProjectTooLarge;
        result.message = "データを追加できません。\n" + projectTooLargeMessage();
        return result;
    }
    result.item = std::move(item);
    return result;
}

std::optional<std::string> DeleteRefusal(const ColumnsData& list, int index) {
    if (index <= 0) return "先頭のデータは削除できません。";
    if (index >= list.Count()) return "削除するデータがありません。";
    return std::nullopt;
}

ItemListControls MakeItemListControls(int count, int current) {
    ItemListControls c;
    c.firstButton.id = "FirstButton";
    c.beforButton.id = "BeforButton";
    c.nextButton.id = "NextButton";
    c.lastButton.id = "LastButton";
    c.deleteButton.id = "DeleteButton";
    c.arrangeButton.id = "ArrangeButton";
    // One item has nowhere to go and cannot be deleted; the first item is
    // never deleted, the ends have nothing beyond them.
    const bool several = count > 1;
    c.firstButton.enabled = several && current != 0;
    c.beforButton.enabled = c.firstButton.enabled;
    c.nextButton.enabled = several && current != count - 1;
    c.lastButton.enabled = c.nextButton.enabled;
    c.deleteButton.enabled = several && current != 0;
    c.arrangeButton.enabled = several;
    c.pagePanel.id = "PagePanel";
    c.pagePanel.text = std::to_string(current + 1) + "/" + std::to_string(count);
    return c;
}

} // namespace tarvo
