#pragma once
// The report canvas on a QPainter: printer, PDF writer, preview image or
// picture. Text is placed by the top of its character cell.
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QPainter>

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/print/ReportCanvas.h"

namespace tarvo::gui {

// How the canvas turns text into glyphs.
enum class TextShaping {
    // Every drawing and every width shapes the text anew (Qt's own drawText).
    PerCall,
    // A text is shaped once per font into glyph runs that its width and its
    // drawing share, and a text met again is not shaped again: a long report
    // (a PDF of thousands of pages) repeats most of its texts.
    Kept,
};

class QtPainterCanvas final : public ReportCanvas {
public:
    // `painter` must be active on its device for the canvas's lifetime.
    explicit QtPainterCanvas(QPainter& painter, TextShaping shaping = TextShaping::PerCall);
    ~QtPainterCanvas() override;
    QtPainterCanvas(const QtPainterCanvas&) = delete;
    QtPainterCanvas& operator=(const QtPainterCanvas&) = delete;

    void setFont(std::string_view name, int heightPx, FontStyle style) override;
    int textWidth(std::string_view text) override;
    void drawText(int x, int y, std::string_view text) override;
    void setColor(RgbColor color) override;
    void fillRect(const PixelRect& rect) override;
    void setClipRect(const PixelRect& rect) override;
    void clearClip() override;
    int pixelsPerInch() const override;

    // The most shaped texts kept per font; the oldest half goes when a font
    // holds more, so that the memory stays bounded on any report.
    static constexpr std::size_t kKeptTexts = 4096;
    // The shaped texts kept, over all fonts.
    [[nodiscard]] std::size_t keptTextCount() const;

private:
    // A font as selected, with what is kept of it.
    struct KeptFont;
    struct ShapedText;

    KeptFont& keptFont(std::string_view name, int heightPx, FontStyle style);
    // The kept shape of `text` in the current font, shaped now if it is not
    // kept yet; nullptr when the text is drawn by Qt's own drawText (shaping
    // per call, or a text with controls).
    const ShapedText* shaped(std::string_view text);

    QPainter& painter_;
    const TextShaping shaping_;
    QFont font_;
    QFontMetrics metrics_;
    QColor color_{Qt::black};
    std::vector<std::unique_ptr<KeptFont>> fonts_;
    KeptFont* current_ = nullptr;
};

} // namespace tarvo::gui
