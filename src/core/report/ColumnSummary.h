#pragma once
// The summary of the printed columns (柱の断面検定比一覧): one row per
// printed item in print order with its material, section, the largest check
// ratio over every load case and check with the case and the check that give
// it, and the verdict; an item that cannot be checked keeps the reason. The
// printed report and the LaTeX document format it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/check/GoverningCheck.h"
#include "core/project/ColumnMember.h"
#include "core/project/LoadCase.h"

namespace tarvo {

class ColumnCheck;
class ColumnsData;
struct ColumnOutcome;

struct SummaryRow {
    int number = 0; // running number in the report; 0: not checked (no column page)
    std::string name;
    std::string material; // product, species and grade
    std::string section;  // "105×105", "105×105×2本", "150φ", "2-204"
    bool checked = false;
    GoverningCheck governing; // when checked
    bool ok = false;          // every checked verdict OK
    std::string reason;       // why the item could not be checked
};

struct ColumnSummary {
    std::vector<SummaryRow> rows;
    int checkedCount = 0;
    int ngCount = 0;
};

// The short name of a check as the summary prints it.
std::string_view GoverningCheckName(CheckKind check);

// The section as the summary gives it (size code, b × D with pieces, or φ).
std::string SummarySectionText(const MemberInputData& item);

// Checks the items `printed` (indices into `columns` in print order) with
// `check` and summarises them; the running numbers count only the items that
// check, as the column pages do.
ColumnSummary SummarizeColumns(const ColumnsData& columns, const std::vector<int>& printed, const ColumnCheck& check);

} // namespace tarvo
