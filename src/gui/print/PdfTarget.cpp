#include "gui/print/PdfTarget.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace tarvo::gui {

namespace {
constexpr int kPdfResolution = 600;
}

PdfTarget::PdfTarget(QPdfWriter& writer) : writer_(writer) {
    writer_.setResolution(kPdfResolution);
    writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

PrinterFacts PdfTarget::facts() const {
    PrinterFacts facts;
    facts.printerName = "PDF";
    facts.dpiX = writer_.logicalDpiX();
    facts.dpiY = writer_.logicalDpiY();
    const QRect paper = writer_.pageLayout().fullRectPixels(writer_.resolution());
    facts.paperW = paper.width();
    facts.paperH = paper.height();
    facts.pageW = writer_.width();
    facts.pageH = writer_.height();
    facts.hasPaperInfo = true;
    facts.paperName = writer_.pageLayout().pageSize().name().toStdString();
    facts.landscape = writer_.pageLayout().orientation() == QPageLayout::Landscape;
    return facts;
}

} // namespace tarvo::gui
