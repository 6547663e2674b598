#include "gui/print/PdfReportWriter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <system_error>

#include "core/print/DeviceGeometry.h"
#include "core/print/PageComposer.h"
#include "core/print/Paginator.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/project/ColumnsData.h"
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
    std::filesystem::path partial = path;
    partial += ".part";
    {
        QPdfWriter writer(QString::fromStdString(partial.string()));
        writer.setTitle(QString::fromLatin1(kJobTitle));
        writer.setCreator(QStringLiteral("tarvo-posts"));
        const PdfTarget target(writer);
        refreshPrinterGeometry(printer_, target);
        result.pageCount = paginate(columns, settings_, printer_, source);
        if (!drawDocument(writer, printer_, settings_, columns, result.pageCount)) {
            result.error = "PDFファイルを作成できません。";
        }
    }
    std::error_code error;
    if (result.error.empty()) {
        std::filesystem::rename(partial, path, error);
        if (error) result.error = "PDFファイルを書き込めません。";
    }
    if (!result.error.empty()) {
        std::filesystem::remove(partial, error);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace tarvo::gui
