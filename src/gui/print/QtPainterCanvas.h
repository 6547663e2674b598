#pragma once
// The report canvas on a QPainter: printer, PDF writer, preview image or
// picture. Text is placed by the top of its character cell.
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "core/print/ReportCanvas.h"

namespace tarvo::gui {

class QtPainterCanvas final : public ReportCanvas {
public:
    // `painter` must be active on its device for the canvas's lifetime.
    explicit QtPainterCanvas(QPainter& painter);

    void setFont(std::string_view name, int heightPx, FontStyle style) override;
    int textWidth(std::string_view text) override;
    void drawText(int x, int y, std::string_view text) override;
    void setColor(RgbColor color) override;
    void fillRect(const PixelRect& rect) override;
    void setClipRect(const PixelRect& rect) override;
    void clearClip() override;
    int pixelsPerInch() const override;

private:
    QPainter& painter_;
    QFont font_;
    QFontMetrics metrics_;
    QColor color_{Qt::black};
};

} // namespace tarvo::gui
