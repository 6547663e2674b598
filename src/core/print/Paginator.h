#pragma once
// Splits the report into pages. Only line heights matter here, never text
// widths, so the pages are the same on every device that shares the printer
// geometry (printer, preview, PDF).
namespace tarvo {

class ColumnsData;
class PageSink;
class ReportSource;
struct OutputInfo;
struct PrintSettings;

// Rebuilds `columns.reportLines` (header first, then every printed item) and
// `columns.pageStarts` (first line of each page, then the line count) for the
// settings, the print selection and the items of `columns`; stores the page
// count in `settings` and returns it. Items that do not check are skipped and
// take no running number. `geometry` must be the printer geometry.
int paginate(ColumnsData& columns, PrintSettings& settings, const OutputInfo& geometry, ReportSource& source);

// The same pages, each handed to `sink` as soon as it is complete; neither
// the lines nor the page starts are kept, so the memory does not grow with
// the page count. Stores the page count in `settings` and returns it.
int paginate(const ColumnsData& columns, PrintSettings& settings, const OutputInfo& geometry, ReportSource& source,
             PageSink& sink);

// Height of the title block above the body of page 1 (0 without a title).
int titleBlockHeight(const PrintSettings& settings, const OutputInfo& geometry);

} // namespace tarvo
