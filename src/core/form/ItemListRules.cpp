#include "core/form/ItemListRules.h"

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

} // namespace tarvo
