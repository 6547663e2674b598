#pragma once
// The column items of a project: an ordered list that is never empty. The
// index of the item being edited is kept by the window, not here.
#include <string>
#include <vector>

#include "core/project/ColumnMember.h"

namespace tarvo {

class ColumnCheck;

// One line of an arrangement: the item's 0-based position before it and
// the name it has after it.
struct ArrangedItem {
    int former = 0;
    std::string name;
};

class ColumnsData {
public:
    // One default item.
    ColumnsData();

    // The composed print report kept with the project; only the page
    // composer builds and reads it.
    std::vector<int> pageStarts;
    std::vector<std::string> reportLines;

    // Removes every item and appends one default item.
    void Reset();
    // The item at `index`; an index below 0 or not below Count() gives item 0.
    [[nodiscard]] ColumnMember& Item(int index);
    [[nodiscard]] const ColumnMember& Item(int index) const;
    [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
    // Appends a copy of `item`; returns its index (the old count).
    int Append(const ColumnMember& item);
    // Puts a copy of `item` at `index` (0 … Count()); false for any other index.
    bool Insert(int index, const ColumnMember& item);
    // Removes the item at `index`; refuses (false, nothing changed) index 0,
    // negative indexes and indexes not below Count().
    bool Delete(int index);
    // Applies the arrange dialog's lines ("%3d; %s": former 1-based position,
    // then the name) in their final order. Returns the number of changes
    // (deleted lines, renamed items, moved items); 0 means nothing changed.
    // No lines at all, a malformed line, a former position out of range or
    // used twice refuse the whole rearrangement and return 0.
    int Rearrange(const std::vector<std::string>& lines);
    // The same with the lines as values; the same refusals.
    int Rearrange(const std::vector<ArrangedItem>& order);
    // Checks every item in order; true when at least one item is computable
    // (result code 0). The items are not changed.
    [[nodiscard]] bool AnyComputable(const ColumnCheck& check) const;
    // Takes `items` as the new list; refuses an empty list (false, unchanged).
    bool Replace(std::vector<ColumnMember> items);

private:
    std::vector<ColumnMember> items_;
};

} // namespace tarvo
