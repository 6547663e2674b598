#pragma once
// The results of a project's column list as CSV, for the engineer's own
// tables: one row per item in list order with its number, name, result code
// and message, the section values A, Acv, As, Z, λ and η, and per load case
// the ratios σc/fk, σcv/fcv, σc/fk + σb/fb and τ/fs with the verdict OK or NG.
//
// A cell is left empty where the check computed nothing to show, as the
// result sheet leaves its line out: every ratio of an item that does not
// check (its code and message tell why), the section values when the check
// stopped before the section, a load case without an axial force, σcv/fcv
// when the bearing check is omitted, and the wind bending and shear ratios
// outside the wind case with wind bending. Numbers are the check's own, in
// their shortest form that reads back exactly. UTF-8 with a byte-order mark,
// CR LF line ends.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class ColumnCheck;
class ColumnsData;

// The header of the results file, one name per column.
const std::vector<std::string>& resultsCsvHeader();

// Checks every item of `columns` in list order and writes the file's text.
std::string writeResultsCsv(const ColumnsData& columns, const ColumnCheck& check);
// The same text handed to `write` in pieces of some tens of kilobytes as the
// items are checked, never held whole; stops when `write` returns false and
// returns false then.
bool writeResultsCsv(const ColumnsData& columns, const ColumnCheck& check,
                     const std::function<bool(std::string_view)>& write);

} // namespace tarvo
