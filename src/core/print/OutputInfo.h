#pragma once
// The page geometry needed to draw the report, in device pixels. In the
// printer record the origin is the top-left corner of the printable area; a
// copy scaled for the screen measures positions from the paper's corner.
#include <cstdint>

namespace tarvo {

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct OutputInfo {
    double bodyLineHeight = 0;  // |bodyFontHeight| + lineGap
    double titleLineHeight = 0; // |titleFontHeight| + lineGap
    double lineGap = 0;         // three points
    double paragraphSpace = 0;
    std::int32_t paperW = 0;
    std::int32_t paperH = 0;
    std::int32_t textHeight = 0; // height of the body area of a page
    PixelRect printableRect;     // only in scaled copies: printable area in paper coordinates
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    std::int32_t left = 0;
    std::int32_t pageNoSide = 0;
    std::int32_t pageNoY = 0;
    std::int32_t pageNoLeftX = 0;  // start of the page number on reversed even pages
    std::int32_t pageNoRightX = 0; // right end of the page number otherwise
    std::int32_t indent = 0;
    // Character heights, negative as the platform's convention has them.
    std::int32_t bodyFontHeight = 0;
    std::int32_t titleFontHeight = 0;
    std::int32_t pageNoFontHeight = 0;
    std::int32_t bodyStart = 0; // set while a page is drawn: where its body begins
    std::int32_t maxWidth = 0;  // set by the report width measurement
};

} // namespace tarvo
