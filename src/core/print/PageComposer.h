#pragma once
// Draws the pages of the composed report on any canvas: the page number, the
// title block on page 1 and the report lines of the page with their markup.
// It writes no text of its own besides the page number and the title.
#include <span>
#include <vector>

#include "core/report/ReportLine.h"

namespace tarvo {

class ReportCanvas;
struct OutputInfo;
struct PrinterInfomation;
struct PrintSettings;

class PageComposer {
public:
    // `printer` gives the fonts and the page-number side rule, `settings` the
    // title and the first page number; `lines` and `pageStarts` are the
    // composed report of the last pagination.
    PageComposer(const PrinterInfomation& printer, const PrintSettings& settings, const ReportLines& lines,
                 const std::vector<int>& pageStarts)
        : printer_(printer), settings_(settings), lines_(lines), pageStarts_(pageStarts) {}

    [[nodiscard]] int pageCount() const;

    // Draws page `pageIndex` (1-based) with the positions and font heights of
    // `geometry` (the printer record or a scaled copy; its bodyStart is set).
    // `pageNumber` is the printed number, drawn only when the first page
    // number setting is above 0 and it is not suppressed. Returns the y at
    // which the page's text ended.
    int drawPage(ReportCanvas& canvas, OutputInfo& geometry, int pageIndex, int pageNumber,
                 bool suppressPageNumber) const;
    // The same with the lines of the page given (a streaming pagination
    // keeps no others); the composed report is not read.
    int drawPageLines(ReportCanvas& canvas, OutputInfo& geometry, int pageIndex, int pageNumber,
                      bool suppressPageNumber, std::span<const ReportLine> lines) const;

    // Width of the widest title line (when the title is shown) or report line
    // measured from tab stop 0; stored in geometry.maxWidth and returned.
    int measureReportWidth(ReportCanvas& canvas, OutputInfo& geometry) const;

private:
    void drawPageNumber(ReportCanvas& canvas, const OutputInfo& geometry, int pageIndex, int pageNumber) const;

    const PrinterInfomation& printer_;
    const PrintSettings& settings_;
    const ReportLines& lines_;
    const std::vector<int>& pageStarts_;
};

// The printed number of page `pageIndex` for a first page number setting
// (0 when page numbers are off).
int printedPageNumber(int firstPageNo, int pageIndex);

} // namespace tarvo
