#include "gui/print/QtPainterCanvas.h"

#include <QPaintDevice>
#include <QRect>
#include <QString>

#include <algorithm>

#include "gui/print/FontStandIns.h"
#include "gui/print/QtText.h"

namespace tarvo::gui {
namespace {

QRect toQRect(const PixelRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

} // namespace

QtPainterCanvas::QtPainterCanvas(QPainter& painter)
    : painter_(painter), font_(painter.font()), metrics_(painter.font(), painter.device()) {
    painter_.setPen(color_);
}

void QtPainterCanvas::setFont(std::string_view name, int heightPx, FontStyle style) {
    QFont font(standInFamily(name));
    // The height is the character (em) height, as the layout's point sizes are.
    font.setPixelSize(std::max(1, heightPx));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    // Unhinted outlines keep widths proportional to the size, so a page
    // measures the same at every resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    font_ = font;
    painter_.setFont(font_);
    metrics_ = QFontMetrics(font_, painter_.device());
}

int QtPainterCanvas::textWidth(std::string_view text) {
    return metrics_.horizontalAdvance(toQString(text));
}

void QtPainterCanvas::drawText(int x, int y, std::string_view text) {
    painter_.drawText(QPoint(x, y + metrics_.ascent()), toQString(text));
}

void QtPainterCanvas::setColor(RgbColor color) {
    color_ = QColor(color.red, color.green, color.blue);
    painter_.setPen(color_);
}

void QtPainterCanvas::fillRect(const PixelRect& rect) {
    painter_.fillRect(toQRect(rect), color_);
}

void QtPainterCanvas::setClipRect(const PixelRect& rect) {
    painter_.setClipRect(toQRect(rect));
}

void QtPainterCanvas::clearClip() {
    painter_.setClipping(false);
}

int QtPainterCanvas::pixelsPerInch() const {
    const QPaintDevice* device = painter_.device();
    return device != nullptr ? device->logicalDpiY() : 96;
}

} // namespace tarvo::gui
