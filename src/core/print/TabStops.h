#pragma once
// The six tab stops of the report lines and the column of the italic "use "
// label, measured with the body font on the canvas that draws the lines.
#include <array>

namespace tarvo {

class ReportCanvas;
struct FontSpec;

struct TabStops {
    std::array<int, 6> x{}; // stops #0 … #5
    int labelX = 0;         // where "use " starts: behind the number column
    int column = 0;         // the unit of the table columns "#{N}": the width of "0"

    // Measures with `body` at `heightPx` (the absolute character height);
    // the canvas is left with that font selected.
    static TabStops measure(ReportCanvas& canvas, const FontSpec& body, int heightPx, int firstStop);
};

// Character height of a superscript: 0.8 × the body height, truncated.
int superscriptHeight(int bodyHeightPx);

} // namespace tarvo
