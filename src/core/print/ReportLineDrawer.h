#pragma once
// Draws one report line with its markup: tab tags "#0".."#5", the italic
// "use " label at "@" and one-character superscripts "^c". A leading "&"
// (paragraph break) is the caller's business and must be removed first.
#include <string_view>

#include "core/print/FontSpec.h"
#include "core/print/TabStops.h"

namespace tarvo {

class ReportCanvas;

class ReportLineDrawer {
public:
    // The body font must be selected on `canvas` at `heightPx`.
    ReportLineDrawer(ReportCanvas& canvas, const FontSpec& body, int heightPx, const TabStops& stops)
        : canvas_(canvas), body_(body), heightPx_(heightPx), stops_(stops) {}

    // Draws `line` with the top of its text at `y`. Returns the right end of
    // the rightmost drawn text measured from tab stop 0 (0 for an empty line).
    int draw(std::string_view line, int y);

private:
    int drawSegment(std::string_view text, int x, int y);

    ReportCanvas& canvas_;
    const FontSpec& body_;
    int heightPx_;
    const TabStops& stops_;
};

} // namespace tarvo
