#include "gui/print/PdfReportWriter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <span>
#include <vector>

#include "core/print/DeviceGeometry.h"
#include "core/print/PageComposer.h"
#include "core/print/PageSink.h"
#include "core/print/Paginator.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/project/ColumnsData.h"
#include "core/text/BufferedFileWriter.h"
#include "core/text/MessageSink.h"
#include "gui/print/PdfTarget.h"
#include "gui/print/QtPainterCanvas.h"
#include "gui/print/SafeFileDevice.h"

namespace tarvo::gui {
namespace {

constexpr const char* kJobTitle = "Tarvo Posts";

// Draws each page on the PDF writer as the pagination hands it on.
class PageDrawer final : public PageSink {
public:
    PageDrawer(QPdfWriter& writer, ReportCanvas& canvas, PrinterInfomation& printer, const PrintSettings& settings)
        : writer_(writer), canvas_(canvas), printer_(printer), settings_(settings),
          composer_(printer, settings, noLines_, noStarts_) {}

    void page(std::span<const ReportLine> lines) override {
        ++page_;
        if (page_ > 1) writer_.newPage();
        composer_.drawPageLines(canvas_, printer_, page_, printedPageNumber(settings_.firstPageNo, page_), false,
                                lines);
    }

private:
    QPdfWriter& writer_;
    ReportCanvas& canvas_;
    PrinterInfomation& printer_;
    const PrintSettings& settings_;
    const ReportLines noLines_;
    const std::vector<int> noStarts_;
    const PageComposer composer_;
    int page_ = 0;
};

} // namespace

PdfWriteResult PdfReportWriter::write(const std::filesystem::path& path, const ColumnsData& columns,
                                      ReportSource& source) {
    PdfWriteResult result;
    // A device, a FIFO or a read-only file is refused before any page is drawn.
    BufferedFileWriter file(path);
    SafeWriteResult written = file.open();
    if (written.ok()) {
        // The pages go into the temporary file as they are drawn.
        SafeFileDevice device(file);
        device.open(QIODevice::WriteOnly);
        QPdfWriter writer(&device);
        writer.setTitle(QString::fromLatin1(kJobTitle));
        writer.setCreator(QStringLiteral("tarvo-posts"));
        const PdfTarget target(writer);
        refreshPrinterGeometry(printer_, target);
        QPainter painter;
        if (!painter.begin(&writer)) {
            result.error = "PDFファイルを作成できません。\n" + path.string();
            return result;
        }
        QtPainterCanvas canvas(painter, TextShaping::Kept);
        PageDrawer drawer(writer, canvas, printer_, settings_);
        result.pageCount = paginate(columns, settings_, printer_, source, drawer);
        const bool ended = painter.end();
        written = file.result();
        if (written.ok() && !ended) {
            result.error = "PDFファイルを作成できません。\n" + path.string();
            return result;
        }
    }
    if (written.ok()) written = file.commit();
    if (!written.ok()) {
        const char* text = written.openFailed() ? "PDFファイルを作成できません。\n" : "PDFファイルを書き込めません。\n";
        result.error = withReason(text + path.string(), describeWriteFailure(written));
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace tarvo::gui
