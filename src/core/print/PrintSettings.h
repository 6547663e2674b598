#pragma once
// The print values held beside the printer record: whether the title and the
// report header are printed, the title text, the first page number, and the
// page count and print selection of the last pagination. With them, the
// operations that move settings between the stored defaults and the record.
#include <cstdint>
#include <string>
#include <vector>

#include "core/print/PrintDefault.h"

namespace tarvo {

struct PrinterInfomation;
class PrinterTarget;

struct PrintSettings {
    bool printTitle = true;          // "タイトルを印刷する"
    bool printLegend = true;         // "凡例等を印刷する": the report header
    bool printSummary = false;       // "検定比一覧を印刷する": the summary pages before the columns
    bool printMaterials = false;     // "使用材料一覧を印刷する": the list of materials after the summary
    std::string title;               // lines separated by '\n'
    std::int32_t firstPageNo = 0;    // 0: no page numbers
    int pageCount = 0;               // set by every pagination
    std::vector<int> printSelection; // item indices in print order; empty: all items

    // The title's lines; a final line break does not start another line.
    [[nodiscard]] std::vector<std::string> titleLines() const;
    // The title is drawn only when it is printed and has at least one line.
    [[nodiscard]] bool titleShown() const { return printTitle && !titleLines().empty(); }
};

// Gives the fonts, margins, spaces, page-number settings, the two switches,
// the first page number and the title their stored values, then refreshes the
// printer geometry, which raises margins below the printer's limits.
void applyPrintDefault(const PrintDefault& defaults, PrinterInfomation& printer, PrintSettings& settings,
                       const PrinterTarget& target);
// The stored defaults for the current settings (the style texts drop
// underline and strike-out).
PrintDefault currentPrintDefault(const PrinterInfomation& printer, const PrintSettings& settings);

// Removes blanks and control characters at the end of a line.
std::string trimTrailingBlanks(const std::string& line);

} // namespace tarvo
