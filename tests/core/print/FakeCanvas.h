#pragma once
// A canvas that records what is drawn and measures text with a fixed advance:
// half the font height for a half-width character, twice that for any other.
#include <string>
#include <string_view>
#include <vector>

#include "core/print/ReportCanvas.h"

namespace tarvo::testing {

class FakeCanvas final : public ReportCanvas {
public:
    struct Text {
        int x;
        int y;
        std::string text;
        std::string font;
        int heightPx;
        FontStyle style;
    };

    void setFont(std::string_view name, int heightPx, FontStyle style) override {
        font_ = std::string(name);
        height_ = heightPx;
        style_ = style;
        fontCalls.push_back(font_);
    }
    int textWidth(std::string_view text) override { return widthAt(text, height_); }
    void drawText(int x, int y, std::string_view text) override {
        texts.push_back({x, y, std::string(text), font_, height_, style_});
    }
    void setColor(RgbColor) override {}
    void fillRect(const PixelRect& rect) override { rects.push_back(rect); }
    void setClipRect(const PixelRect&) override {}
    void clearClip() override {}
    int pixelsPerInch() const override { return ppi; }

    // Width of `text` at `heightPx` by the fixed advance.
    static int widthAt(std::string_view text, int heightPx) {
        int halves = 0;
        for (std::size_t i = 0; i < text.size();) {
            const auto lead = static_cast<unsigned char>(text[i]);
            std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            const bool halfWidthKana =
                length == 3 && lead == 0xEF && i + 1 < text.size() &&
                (static_cast<unsigned char>(text[i + 1]) == 0xBD || static_cast<unsigned char>(text[i + 1]) == 0xBE);
            halves += (length == 1 || halfWidthKana) ? 1 : 2;
            i += length;
        }
        return halves * (heightPx / 2);
    }

    // The first recorded text equal to `text`, or nullptr.
    const Text* find(std::string_view text) const {
        for (const auto& t : texts) {
            if (t.text == text) return &t;
        }
        return nullptr;
    }

    std::vector<Text> texts;
    std::vector<PixelRect> rects; // filled rectangles, in order
    std::vector<std::string> fontCalls;
    int ppi = 96;

private:
    std::string font_;
    int height_ = 0;
    FontStyle style_;
};

} // namespace tarvo::testing
