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
    // Why nothing was written: the message, the path and the system's reason.
    std::string error;
};

class PdfReportWriter {
public:
    PdfReportWriter(PrinterInfomation& printer, PrintSettings& settings) : printer_(printer), settings_(settings) {}

    // Refreshes the geometry for the PDF page, paginates `columns` and draws
    // each page as soon as the pagination has it, straight into the
    // temporary file of the safe replacement: neither the report lines nor
    // the document are held whole, the file appears only when it is
    // complete, and a failure leaves an earlier file (or a device) as it was.
    PdfWriteResult write(const std::filesystem::path& path, const ColumnsData& columns, ReportSource& source);

private:
    PrinterInfomation& printer_;
    PrintSettings& settings_;
};

} // namespace tarvo::gui
