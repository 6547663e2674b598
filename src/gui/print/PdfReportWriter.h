#pragma once
// Writes the composed report as a PDF file: A4 portrait at 600 dpi with the
// layout of the printer record, fonts embedded. A QGuiApplication must exist.
#include <filesystem>
#include <string>

namespace tarvo {
class ColumnsData;
class ReportSource;
struct PrinterInfomation;
struct PrintSettings;
} // namespace tarvo

namespace tarvo::gui {

struct PdfWriteResult {
    bool ok = false;
    int pageCount = 0;
    std::string error; // why nothing was written
};

class PdfReportWriter {
public:
    PdfReportWriter(PrinterInfomation& printer, PrintSettings& settings) : printer_(printer), settings_(settings) {}

    // Refreshes the geometry for the PDF page, paginates `columns` and draws
    // every page. The file appears only when it is complete: it is written
    // beside `path` under a temporary name and then renamed.
    PdfWriteResult write(const std::filesystem::path& path, ColumnsData& columns, ReportSource& source);

private:
    PrinterInfomation& printer_;
    PrintSettings& settings_;
};

} // namespace tarvo::gui
