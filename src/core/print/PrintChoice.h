#pragma once
// The entries of the print selection list: one per item that checks, each
// keeping its item index, so that any number of items can be chosen.
#include <string>
#include <vector>

namespace tarvo {

class ColumnCheck;
class ColumnsData;

struct PrintChoiceEntry {
    int index = 0;    // the item's index in the project (0-based)
    std::string text; // "%3d: " with the index, then the item's name
};

// Checks every item in list order and lists those whose check returns 0.
std::vector<PrintChoiceEntry> printChoiceEntries(const ColumnsData& columns, const ColumnCheck& check);

// The list shows one column below 16 entries, two from 16 on.
int printChoiceColumns(int entryCount);

// The item indices of the ticked entries, in list order. `ticked` holds one
// flag per entry; missing flags count as not ticked.
std::vector<int> tickedSelection(const std::vector<PrintChoiceEntry>& entries, const std::vector<bool>& ticked);

} // namespace tarvo
