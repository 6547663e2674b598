#include "gui/print/PrinterAccess.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <string_view>

#include "gui/print/PrinterSetupDialog.h"
#include "gui/print/QtText.h"

namespace tarvo::gui {
namespace {

// The PDF file of a system without printers: the layout of the pdf subcommand.
constexpr int kFileResolution = 600;

QList<QPageSize> pageSizesOf(const QString& printerName) {
    if (printerName.isEmpty()) return {QPageSize(QPageSize::A4)};
    return QPrinterInfo::printerInfo(printerName).supportedPageSizes();
}

int indexOfPageSize(const QList<QPageSize>& sizes, const QPageSize& size) {
    for (int i = 0; i < sizes.size(); ++i) {
        if (sizes[i].isEquivalentTo(size)) return i;
    }
    return -1;
}

} // namespace

// A print job into a file: the PDF drawn into memory with the printer's page
// layout and resolution, then committed by the safe writer.
struct FileJob {
    explicit FileJob(const std::filesystem::path& path) : file(path), buffer(&document) {}
    SafeFileWriter file;
    QByteArray document;
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
};

PrinterAccess::PrinterAccess() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // The program's jobs carry its name; the print dialog proposes it for a PDF file too.
    printer_->setDocName(QStringLiteral("Tarvo Posts"));
    const QStringList names = printerNames();
    if (names.isEmpty()) {
        useFileOutput();
        return;
    }
    QString name = QPrinterInfo::defaultPrinterName();
    if (!names.contains(name)) name = names.first();
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(name);
}

PrinterAccess::~PrinterAccess() {
    if (painter_ && painter_->isActive()) painter_->end();
    painter_.reset();
    fileJob_.reset(); // an unfinished job's temporary file goes with it
}

void PrinterAccess::useFileOutput() {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(kFileResolution);
    printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool PrinterAccess::hasPrinter() const {
    return !printerNames().isEmpty();
}

QStringList PrinterAccess::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

int PrinterAccess::currentIndex() const {
    if (printer_->outputFormat() != QPrinter::NativeFormat) return -1;
    return static_cast<int>(printerNames().indexOf(printer_->printerName()));
}

bool PrinterAccess::setCurrentIndex(int index) {
    const QStringList names = printerNames();
    if (index < 0 || index >= names.size()) return false;
    printer_->setOutputFileName(QString());
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(names[index]);
    const QPrinterInfo info = QPrinterInfo::printerInfo(names[index]);
    if (info.defaultPageSize().isValid()) printer_->setPageSize(info.defaultPageSize());
    return true;
}

QString PrinterAccess::printerName() const {
    return printer_->outputFormat() == QPrinter::NativeFormat ? printer_->printerName() : QString();
}

PrinterFacts PrinterAccess::facts() const {
    PrinterFacts facts;
    facts.printerName = printerName().toStdString();
    facts.dpiX = printer_->logicalDpiX();
    facts.dpiY = printer_->logicalDpiY();
    const int resolution = printer_->resolution();
    const QPageLayout layout = printer_->pageLayout();
    const QRect paper = layout.fullRectPixels(resolution);
    const QRect printable = layout.paintRectPixels(resolution);
    facts.paperW = paper.width();
    facts.paperH = paper.height();
    facts.offX = printable.left();
    facts.offY = printable.top();
    facts.pageW = printable.width();
    facts.pageH = printable.height();
    facts.hasPaperInfo = layout.pageSize().isValid();
    if (facts.hasPaperInfo) facts.paperName = layout.pageSize().name().toStdString();
    facts.landscape = layout.orientation() == QPageLayout::Landscape;
    return facts;
}

QStringList PrinterAccess::paperSizeNames(int printerIndex) const {
    const QStringList names = printerNames();
    const QString name = printerIndex >= 0 && printerIndex < names.size() ? names[printerIndex] : QString();
    QStringList result;
    for (const QPageSize& size : pageSizesOf(name))
        result.append(size.name());
    return result;
}

int PrinterAccess::defaultPaperSizeIndex(int printerIndex) const {
    const QStringList names = printerNames();
    if (printerIndex < 0 || printerIndex >= names.size()) return 0;
    const QPrinterInfo info = QPrinterInfo::printerInfo(names[printerIndex]);
    return std::max(0, indexOfPageSize(info.supportedPageSizes(), info.defaultPageSize()));
}

int PrinterAccess::paperSizeIndex() const {
    return indexOfPageSize(pageSizesOf(printerName()), printer_->pageLayout().pageSize());
}

bool PrinterAccess::setPaperSize(int index) {
    const QList<QPageSize> sizes = pageSizesOf(printerName());
    if (index < 0 || index >= sizes.size()) return false;
    return printer_->setPageSize(sizes[index]);
}

bool PrinterAccess::landscape() const {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape;
}

void PrinterAccess::setLandscape(bool landscape) {
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool PrinterAccess::makesCopies() const {
    return printer_->outputFormat() == QPrinter::NativeFormat && printer_->supportsMultipleCopies();
}

void PrinterAccess::setCopies(int copies) {
    printer_->setCopyCount(std::max(copies, 1));
}

bool PrinterAccess::printsToFile() const {
    return printer_->outputFormat() != QPrinter::NativeFormat;
}

QString PrinterAccess::outputFileName() const {
    return printer_->outputFileName();
}

bool PrinterAccess::printDialog(QWidget* parent, int pageCount, PrintRequest& request) {
    const int last = std::max(pageCount, 1);
    // Without a printer the dialog proposes a PDF file named after the
    // project, unless the user chose another one before.
    if (!hasPrinter()) {
        const QString proposed = proposedPdf_.isEmpty() ? proposedPdfFile({}) : proposedPdf_;
        const QString current = printer_->outputFileName();
        if (current.isEmpty() || current == lastProposed_) printer_->setOutputFileName(proposed);
        lastProposed_ = proposed;
    }
    printer_->setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, last);
    dialog.setFromTo(1, last);
    if (dialog.exec() != QDialog::Accepted) return false;
    const bool range = printer_->printRange() == QPrinter::PageRange;
    request.fromPage = range ? printer_->fromPage() : 0;
    request.toPage = range ? printer_->toPage() : 0;
    request.copies = printer_->copyCount();
    request.collate = printer_->collateCopies();
    return true;
}

void PrinterAccess::setProposedPdfFor(const std::filesystem::path& project) {
    proposedPdf_ = proposedPdfFile(project);
}

QString PrinterAccess::proposedPdfFile(const std::filesystem::path& project) {
    if (project.empty()) return QDir::home().filePath(QStringLiteral("Tarvo Posts.pdf"));
    std::filesystem::path pdf = project;
    pdf.replace_extension(".pdf");
    return fromPath(pdf);
}

bool PrinterAccess::printerSetupDialog(QWidget* parent) {
    PrinterSetupDialog dialog(*this, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PrinterAccess::beginJob(const QString& title) {
    printer_->setDocName(title);
    fileJob_.reset();
    fileResult_ = {};
    painter_ = std::make_unique<QPainter>();
    if (printsToFile()) {
        fileJob_ = std::make_unique<FileJob>(toPath(outputFileName()));
        fileResult_ = fileJob_->file.open();
        if (!fileResult_.ok()) {
            painter_.reset();
            fileJob_.reset();
            return false;
        }
        fileJob_->buffer.open(QIODevice::WriteOnly);
        fileJob_->writer = std::make_unique<QPdfWriter>(&fileJob_->buffer);
        fileJob_->writer->setTitle(title);
        fileJob_->writer->setCreator(QStringLiteral("tarvo-posts"));
        fileJob_->writer->setResolution(printer_->resolution());
        fileJob_->writer->setPageLayout(printer_->pageLayout());
        if (!painter_->begin(fileJob_->writer.get())) {
            painter_.reset();
            fileJob_.reset();
            return false;
        }
        return true;
    }
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        return false;
    }
    return true;
}

QPainter* PrinterAccess::canvas() const {
    return painter_.get();
}

bool PrinterAccess::newPage() {
    if (!painter_) return false;
    return fileJob_ ? fileJob_->writer->newPage() : printer_->newPage();
}

bool PrinterAccess::endJob() {
    if (!painter_) return false;
    const bool ended = painter_->end();
    painter_.reset();
    if (fileJob_) {
        std::unique_ptr<FileJob> job = std::move(fileJob_);
        job->writer.reset(); // finishes the document in the buffer
        if (!ended) return false;
        fileResult_ = job->file.write(
            std::string_view(job->document.constData(), static_cast<std::size_t>(job->document.size())));
        if (fileResult_.ok()) fileResult_ = job->file.commit();
        return fileResult_.ok();
    }
    return ended && printer_->printerState() != QPrinter::Error;
}

} // namespace tarvo::gui
