#include "gui/print/PdfReportWriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <string_view>

#include "core/print/DeviceGeometry.h"
#include "core/print/PageComposer.h"
#include "core/print/Paginator.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/project/ColumnsData.h"
#include "core/text/MessageSink.h"
#include "core/text/SafeFileWriter.h"
#include "gui/print/PdfTarget.h"
#include "gui/print/QtPainterCanvas.h"

namespace tarvo::gui {
namespace {

constexpr const char* kJobTitle = "Tarvo Posts";

// Draws every page on `writer`; false when painting could not start.
bool drawDocument(QPdfWriter& writer, PrinterInfomation& printer, const PrintSettings& settings,
                  const ColumnsData& columns, int pageCount) {
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    QtPainterCanvas canvas(painter);
    const PageComposer composer(printer, settings, columns.reportLines, columns.pageStarts);
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1) writer.newPage();
        composer.drawPage(canvas, printer, page, printedPageNumber(settings.firstPageNo, page), false);
    }
    return painter.end();
}

} // namespace

PdfWriteResult PdfReportWriter::write(const std::filesystem::path& path, ColumnsData& columns, ReportSource& source) {
    PdfWriteResult result;
    // A device, a FIFO or a read-only file is refused before any page is drawn.
    SafeFileWriter file(path);
    SafeWriteResult written = file.open();
    QByteArray document;
    if (written.ok()) {
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromLatin1(kJobTitle));
        writer.setCreator(QStringLiteral("tarvo-posts"));
        const PdfTarget target(writer);
        refreshPrinterGeometry(printer_, target);
        result.pageCount = paginate(columns, settings_, printer_, source);
        if (!drawDocument(writer, printer_, settings_, columns, result.pageCount)) {
            result.error = "PDFファイルを作成できません。\n" + path.string();
            return result;
        }
    }
    if (written.ok())
        written = file.write(std::string_view(document.constData(), static_cast<std::size_t>(document.size())));
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
