#pragma once
// The drawing surface the page composer draws on: printer, PDF, preview
// image or clipboard picture. Coordinates are device pixels; text is UTF-8
// and is placed by the top of its character cell, not by its baseline.
#include <cstdint>
#include <string_view>

#include "core/print/FontSpec.h"
#include "core/print/OutputInfo.h"

namespace tarvo {

struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;
    // Selects a font by its stored name (the canvas maps it to an installed
    // face) with a character height of `heightPx` pixels.
    virtual void setFont(std::string_view name, int heightPx, FontStyle style) = 0;
    // Advance width of `text` in the current font.
    [[nodiscard]] virtual int textWidth(std::string_view text) = 0;
    // Draws `text` with the top of its character cell at `y`.
    virtual void drawText(int x, int y, std::string_view text) = 0;
    virtual void setColor(RgbColor color) = 0;
    virtual void fillRect(const PixelRect& rect) = 0;
    virtual void setClipRect(const PixelRect& rect) = 0;
    virtual void clearClip() = 0;
    // Logical pixels per inch of the surface (vertical).
    [[nodiscard]] virtual int pixelsPerInch() const = 0;
};

} // namespace tarvo
