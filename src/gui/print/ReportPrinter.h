#pragma once
// Printing the report: the geometry of the current printer, the page breaks,
// the print dialog with the page range and copies, then one job per copy the
// program makes (or one job the printer multiplies), every page drawn by the
// page composer. Jobs are titled "Tarvo Posts".
class QWidget;

namespace tarvo {
class ColumnsData;
class MessageSink;
class ReportSource;
struct PrintJobPlan;
struct PrinterInfomation;
struct PrintSettings;
} // namespace tarvo

namespace tarvo::gui {

class PrinterAccess;

enum class PrintOutcome {
    Printed,
    Cancelled, // the dialog was cancelled, or no file was named for a PDF
    Failed,    // the device could not be opened or reported an error (the user was told)
};

class ReportPrinter {
public:
    ReportPrinter(PrinterAccess& access, PrinterInfomation& printer, PrintSettings& settings, MessageSink& messages)
        : access_(access), printer_(printer), settings_(settings), messages_(messages) {}

    // Prints the report of `columns` (the print selection of `settings`
    // applies) with the lines of `source`.
    PrintOutcome print(QWidget* parent, ColumnsData& columns, ReportSource& source);

    // Prints the pages of the last pagination of `columns` as `plan` says,
    // without asking: the dialog's part is done.
    PrintOutcome printJobs(const ColumnsData& columns, const PrintJobPlan& plan);

    [[nodiscard]] PrinterAccess& access() const { return access_; }

private:
    PrinterAccess& access_;
    PrinterInfomation& printer_;
    PrintSettings& settings_;
    MessageSink& messages_;
};

} // namespace tarvo::gui
