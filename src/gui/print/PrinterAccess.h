#pragma once
// The one object through which the program reaches the system's printers
// (Qt Print Support; CUPS on Linux): the printer list, the current printer
// with its paper and orientation, the device facts the page composer needs
// in device pixels, the print and printer-setup dialogs and the print job.
//
// A system without any printer still prints: the current "printer" is then a
// PDF file of A4 portrait at 600 dpi without unprintable margins (the layout
// of the pdf subcommand), and the print dialog asks for the file.
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>

#include "core/print/PrintJobPlan.h"
#include "core/print/PrinterTarget.h"
#include "core/text/SafeFileWriter.h"

class QPainter;
class QPrinter;
class QWidget;

namespace tarvo::gui {

struct FileJob;

class PrinterAccess final : public PrinterTarget {
public:
    // The current printer is the system's default printer, else the first
    // one listed, else the PDF file.
    PrinterAccess();
    ~PrinterAccess() override;
    PrinterAccess(const PrinterAccess&) = delete;
    PrinterAccess& operator=(const PrinterAccess&) = delete;

    // Whether the system has a printer at all.
    [[nodiscard]] bool hasPrinter() const;
    // Names of the system's printers, in the system's order.
    [[nodiscard]] QStringList printerNames() const;
    // Index of the current printer in `printerNames()`, −1 for the PDF file.
    [[nodiscard]] int currentIndex() const;
    // Makes the printer at `index` current with its default paper; false
    // (nothing changed) for an index out of range.
    bool setCurrentIndex(int index);
    // The current printer's name; empty for the PDF file.
    [[nodiscard]] QString printerName() const;

    // Resolution, paper and printable area of the current printer, in
    // device pixels.
    [[nodiscard]] PrinterFacts facts() const override;

    // Paper sizes the printer at `printerIndex` offers (A4 alone for the
    // PDF file at index −1), and the index of its default one.
    [[nodiscard]] QStringList paperSizeNames(int printerIndex) const;
    [[nodiscard]] int defaultPaperSizeIndex(int printerIndex) const;
    // The index of the current paper in `paperSizeNames(currentIndex())`,
    // −1 when the printer reports no paper size.
    [[nodiscard]] int paperSizeIndex() const;
    bool setPaperSize(int index);
    [[nodiscard]] bool landscape() const;
    void setLandscape(bool landscape);

    // Whether the device prints several copies of one job itself (a
    // printer does; a PDF file does not).
    [[nodiscard]] bool makesCopies() const;
    // Copies the device makes of each job; values below 1 count as 1.
    void setCopies(int copies);
    // Whether the next job goes into a file, and that file.
    [[nodiscard]] bool printsToFile() const;
    [[nodiscard]] QString outputFileName() const;

    // The print dialog for a document of `pageCount` pages: printer, page
    // range (from 1 to the page count), copies, collation and printing to a
    // file. False when it was cancelled; otherwise `request` holds the
    // user's choice.
    bool printDialog(QWidget* parent, int pageCount, PrintRequest& request);
    // The PDF file the print dialog proposes when there is no printer: the
    // project's name beside it (`project` empty: "Tarvo Posts.pdf" in the
    // home folder). A file the user chose in the dialog stays proposed.
    void setProposedPdfFor(const std::filesystem::path& project);
    [[nodiscard]] static QString proposedPdfFile(const std::filesystem::path& project);
    // The printer setup dialog: printer, paper and orientation. False when
    // it was cancelled (nothing changed).
    bool printerSetupDialog(QWidget* parent);

    // Starts a job of that title (the name the spooler shows); false when
    // the device cannot be opened. The canvas draws on the current sheet.
    // A job into a file is drawn in memory and written through the safe
    // replacement when it ends, so that a failed job never leaves a damaged
    // file, and a device or FIFO named as the file is refused.
    bool beginJob(const QString& title);
    [[nodiscard]] QPainter* canvas() const;
    bool newPage();
    // Ends the job and sends it (or writes its file); false when the device
    // reported an error.
    bool endJob();
    // For a job into a file: why its file could not be opened or written.
    [[nodiscard]] const SafeWriteResult& fileResult() const { return fileResult_; }

    // The device itself, for tests that must set what a dialog would.
    [[nodiscard]] QPrinter& printer() const { return *printer_; }

private:
    void useFileOutput();

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    // A job into a file: the document in memory and its writer.
    std::unique_ptr<FileJob> fileJob_;
    SafeWriteResult fileResult_;
    QString proposedPdf_;  // the file the dialog proposes without a printer
    QString lastProposed_; // what it proposed last, replaced by a new proposal
};

} // namespace tarvo::gui
