#include "gui/print/QtPainterCanvas.h"

#include <QPaintDevice>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <QTextLine>

#include <algorithm>
#include <functional>
#include <string_view>

#include "gui/print/FontStandIns.h"
#include "gui/print/QtText.h"

namespace tarvo::gui {
namespace {

QRect toQRect(const PixelRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

// A text the one-line layout takes whole and draws as Qt's drawText does:
// no controls (a line feed of a name would break the line) and no line or
// paragraph separator.
bool oneLineText(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) return false;
        // U+0080 to U+009F (C1 controls, NEL among them), U+2028 and U+2029.
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) return false;
        if (byte == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
            (static_cast<unsigned char>(text[i + 2]) == 0xA8 || static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
            return false;
        }
    }
    return true;
}

// Looks a kept text up by its view, without a string of its own.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

} // namespace

struct QtPainterCanvas::ShapedText {
    // Glyph positions relative to the start of the baseline.
    QList<QGlyphRun> runs;
    int width = 0;
    std::uint64_t use = 0;
};

struct QtPainterCanvas::KeptFont {
    std::string name;
    int heightPx = 0;
    FontStyle style;
    QFont font;
    QFontMetrics metrics;
    std::unordered_map<std::string, ShapedText, TextHash, std::equal_to<>> texts;
    std::uint64_t uses = 0;
};

QtPainterCanvas::QtPainterCanvas(QPainter& painter, TextShaping shaping)
    : painter_(painter), shaping_(shaping), font_(painter.font()), metrics_(painter.font(), painter.device()) {
    painter_.setPen(color_);
}

QtPainterCanvas::~QtPainterCanvas() = default;

QtPainterCanvas::KeptFont& QtPainterCanvas::keptFont(std::string_view name, int heightPx, FontStyle style) {
    for (const auto& kept : fonts_) {
        if (kept->heightPx == heightPx && kept->style == style && kept->name == name) return *kept;
    }
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
    fonts_.push_back(std::make_unique<KeptFont>(
        KeptFont{std::string(name), heightPx, style, font, QFontMetrics(font, painter_.device()), {}, 0}));
    return *fonts_.back();
}

void QtPainterCanvas::setFont(std::string_view name, int heightPx, FontStyle style) {
    KeptFont& kept = keptFont(name, heightPx, style);
    current_ = &kept;
    font_ = kept.font;
    metrics_ = kept.metrics;
    // Text drawn through Qt's own drawText takes the painter's font; kept
    // glyph runs carry theirs, and the few texts Qt draws there get it when
    // they are drawn.
    if (shaping_ == TextShaping::PerCall) painter_.setFont(font_);
}

const QtPainterCanvas::ShapedText* QtPainterCanvas::shaped(std::string_view text) {
    if (shaping_ != TextShaping::Kept || current_ == nullptr || !oneLineText(text)) return nullptr;
    KeptFont& kept = *current_;
    if (const auto found = kept.texts.find(text); found != kept.texts.end()) {
        found->second.use = ++kept.uses;
        return &found->second;
    }
    if (kept.texts.size() >= kKeptTexts) {
        // The texts used longest ago go: the older half.
        const std::uint64_t middle = kept.uses - kKeptTexts / 2;
        std::erase_if(kept.texts, [middle](const auto& entry) { return entry.second.use <= middle; });
    }
    const QString string = toQString(text);
    QTextLayout layout(string, kept.font, painter_.device());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    // The whole text on the one line, or Qt's own drawing.
    if (!line.isValid() || layout.lineCount() != 1 || line.textLength() != string.size()) return nullptr;
    ShapedText shape;
    // The advance of the line is the advance of the text (the drawing's own
    // sum of the glyph advances, spaces at the end included).
    shape.width = qRound(line.horizontalAdvance());
    const qreal baseline = line.ascent();
    shape.runs = layout.glyphRuns();
    for (QGlyphRun& run : shape.runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position.ry() -= baseline;
        run.setPositions(positions);
    }
    shape.use = ++kept.uses;
    return &kept.texts.emplace(std::string(text), std::move(shape)).first->second;
}

int QtPainterCanvas::textWidth(std::string_view text) {
    if (const ShapedText* shape = shaped(text)) return shape->width;
    return metrics_.horizontalAdvance(toQString(text));
}

void QtPainterCanvas::drawText(int x, int y, std::string_view text) {
    if (const ShapedText* shape = shaped(text)) {
        const QPointF baseline(x, y + metrics_.ascent());
        for (const QGlyphRun& run : shape->runs)
            painter_.drawGlyphRun(baseline, run);
        return;
    }
    if (shaping_ == TextShaping::Kept && current_ != nullptr) painter_.setFont(font_);
    painter_.drawText(QPoint(x, y + metrics_.ascent()), toQString(text));
}

std::size_t QtPainterCanvas::keptTextCount() const {
    std::size_t count = 0;
    for (const auto& kept : fonts_)
        count += kept->texts.size();
    return count;
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
