#pragma once
// Column items from a CSV file written by a spreadsheet or a frame analysis
// program (the columns of ItemFields.h).
//
// The file is UTF-8 with or without a byte-order mark, or code page 932;
// comma or tab separated, cells quoted as spreadsheets quote them. The first
// row names the columns: `Name` is required, any other columns may follow in
// any order. Every further row that is not blank gives one item; a value the
// row does not give (a missing column or an empty cell) is that of a new
// item, with the stored default materials.
//
// Reading is all or nothing. A column name that is no item field, a value
// that is no number where a number belongs, an index outside its list, a
// value outside the limits of its field (ColumnFieldFormats.h) or a name with
// a character code page 932 cannot hold refuses the whole file, and every
// such problem is named with its line and column: nothing is changed quietly.
// Numbers go through the checks of the field they are typed into on the
// column page. A name that begins with an apostrophe before "=", "+", "-",
// "@", a tab or a carriage return loses that one apostrophe, the guard an
// export or a results file puts there (FormulaGuard.h).
#include <string>
#include <string_view>
#include <vector>

#include "core/project/ColumnMember.h"

namespace tarvo {

class CommonData;

inline constexpr int kMaxListedCsvProblems = 10;

struct ColumnsCsvImport {
    // One item per row in file order; empty when the file is refused.
    std::vector<ColumnMember> items;
    // The first kMaxListedCsvProblems problems, each "N 行目 Column: what".
    std::vector<std::string> problems;
    int problemCount = 0; // all problems found
    [[nodiscard]] bool accepted() const { return problemCount == 0; }
};

// Reads the items of the CSV file held in `bytes`. `common` gives the stored
// default materials and, with wind considered, the storey mid-heights that a
// row placed in a storey without a height of its own takes.
ColumnsCsvImport readColumnsCsv(std::string_view bytes, const CommonData& common);

} // namespace tarvo
