#pragma once
// The columns of the item CSV: one per input value of a column item, named
// after the item's fields (`Name`, `SelectProduct`, ..., `B`, `D`, `Lkx`,
// `AxialForce0` to `AxialForce4`). The column material's values carry their
// own names, the horizontal member's the same names after "Base"
// (`BaseSelectProduct`, `BaseKindOfWood0`); arrays take one column per
// element, numbered from 0.
//
// Each column knows how to read and write its value, what kind of value it
// holds and what a value must satisfy: the list a choice is made from (which
// may depend on the rest of the item, as the grade list depends on the
// product and standard) or the numeric field a number is typed into.
#include <string_view>
#include <vector>

#include "core/project/ColumnFieldFormats.h"
#include "core/project/ColumnMember.h"

namespace tarvo {

enum class CsvColumnKind {
    Name,     // the item's name, text as it is
    Flag,     // 0 or 1
    Choice,   // a position in a list: 0 up to the list's entry count
    SizeCode, // a 2x4 or glulam size code the item's size list offers, or 0
    Number,   // a value typed into a numeric field of the column page
};

struct ItemCsvColumn {
    std::string_view name;
    CsvColumnKind kind = CsvColumnKind::Number;
    // Every kind but Name: the value as a double (flags 0 and 1, indexes as
    // they are) and its store. A value given to `set` is one the column
    // accepts: a flag is 0 or 1, a choice or a whole number fits 32 bits.
    double (*get)(const MemberInputData&) = nullptr;
    void (*set)(MemberInputData&, double) = nullptr;
    // Number: the field the value is typed into, and whether the item keeps
    // it as a 32-bit integer (otherwise as a double).
    const NumberFieldFormat* format = nullptr;
    bool whole = false;
    // Number: true when, for this item, the program computes the value
    // itself (the tenon while it is automatic), so that any value stands.
    bool (*computed)(const MemberInputData&) = nullptr;
    // Choice: the number of entries of the list the value is chosen from,
    // given the rest of the item.
    int (*choiceCount)(const MemberInputData&) = nullptr;
};

// Every column, in the order an export writes them.
const std::vector<ItemCsvColumn>& itemCsvColumns();

// The index of the column called `name` (ASCII letters in any case), or -1.
int findItemCsvColumn(std::string_view name);

// Whether `code` is 0 or a code of the size list the item's column material offers.
bool offeredSizeCode(const MemberInputData& item, int code);

} // namespace tarvo
