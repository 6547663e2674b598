#pragma once
// The summary of the columns and the list of materials as LaTeX tables
// (longtable: a table continued on the next page repeats its heads there).
// The document's preamble must load the longtable package.
#include <string>
#include <vector>

namespace tarvo {

struct ColumnSummary;
struct MaterialRow;

// UTF-8 LaTeX text: a caption, the table, the totals.
std::string latexSummaryTable(const ColumnSummary& summary);
// UTF-8 LaTeX text: a caption and one block of rows per material.
std::string latexMaterialTable(const std::vector<MaterialRow>& materials);

} // namespace tarvo
