#include "core/print/PrintChoice.h"

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnsData.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr int kEntriesForTwoColumns = 16;

} // namespace

std::vector<PrintChoiceEntry> printChoiceEntries(const ColumnsData& columns, const ColumnCheck& check) {
    const CheckConditions conditions = check.conditions();
    std::vector<PrintChoiceEntry> entries;
    for (int i = 0; i < columns.Count(); ++i) {
        const ColumnMember& item = columns.Item(i);
        if (!CheckColumn(item, conditions, check.catalogue()).computable()) continue;
        entries.push_back({i, formatText("%3d: ", i) + item.Name});
    }
    return entries;
}

int printChoiceColumns(int entryCount) {
    return entryCount < kEntriesForTwoColumns ? 1 : 2;
}

std::vector<int> tickedSelection(const std::vector<PrintChoiceEntry>& entries, const std::vector<bool>& ticked) {
    std::vector<int> selection;
    for (std::size_t i = 0; i < entries.size() && i < ticked.size(); ++i) {
        if (ticked[i]) selection.push_back(entries[i].index);
    }
    return selection;
}

} // namespace tarvo
