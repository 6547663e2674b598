#include "gui/ui/ResultView.h"

#include <QPainter>

#include <algorithm>

#include "core/check/ResultSheet.h"
#include "gui/print/QtPainterCanvas.h"

namespace tarvo::gui {

namespace {

// Passes the drawing on and notes how far it reaches and what it says, so
// the picture can be cut to the sheet's extent.
class ExtentCanvas final : public ReportCanvas {
public:
    ExtentCanvas(ReportCanvas& target, QStringList& texts) : target_(target), texts_(texts) {}

    void setFont(std::string_view name, int heightPx, FontStyle style) override {
        target_.setFont(name, heightPx, style);
        height_ = heightPx;
    }
    int textWidth(std::string_view text) override { return target_.textWidth(text); }
    void drawText(int x, int y, std::string_view text) override {
        target_.drawText(x, y, text);
        right_ = std::max(right_, x + target_.textWidth(text));
        bottom_ = std::max(bottom_, y + height_ + 3);
        texts_.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    void setColor(RgbColor color) override { target_.setColor(color); }
    void fillRect(const PixelRect& rect) override { target_.fillRect(rect); }
    void setClipRect(const PixelRect& rect) override { target_.setClipRect(rect); }
    void clearClip() override { target_.clearClip(); }
    int pixelsPerInch() const override { return target_.pixelsPerInch(); }

    [[nodiscard]] int right() const { return right_; }
    [[nodiscard]] int bottom() const { return bottom_; }

private:
    ReportCanvas& target_;
    QStringList& texts_;
    int height_ = 0;
    int right_ = 0;
    int bottom_ = 0;
};

constexpr int kScratchWidth = 1600;
constexpr int kScratchHeight = 800;
constexpr int kMargin = 7;

} // namespace

ResultView::ResultView(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("ResultView"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
}

void ResultView::drawSheet(const ItemPresentation& presentation, int fontPixels) {
    texts_.clear();
    QImage scratch(kScratchWidth, kScratchHeight, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    int right = 0;
    int bottom = 0;
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::TextAntialiasing);
        QtPainterCanvas canvas(painter);
        ExtentCanvas extent(canvas, texts_);
        ResultSheetFont font;
        font.heightPx = fontPixels;
        const int last = DrawResultSheet(presentation, extent, font);
        right = extent.right();
        bottom = std::max(last, extent.bottom());
    }
    const int width = std::clamp(right + kMargin, 1, kScratchWidth);
    const int height = std::clamp(bottom + 2, 1, kScratchHeight);
    image_ = scratch.copy(0, 0, width, height);
    setPixmap(QPixmap::fromImage(image_));
    resize(image_.size());
}

} // namespace tarvo::gui
