#pragma once
// The result sheet beside the input of the current column: the materials,
// the section and buckling values, and per load case the stress ratios with
// an "OK" or "NG" mark. Drawn through the report canvas, so the window's
// picture and any other surface get the same lines.
#include <string>

namespace tarvo {

class ReportCanvas;
struct ItemPresentation;

struct ResultSheetFont {
    std::string name = "ＭＳ Ｐゴシック";
    int heightPx = 13; // character height; the line step is 3 px more
};

// Draws the result sheet of a checked item. Sets the font (black) itself.
// Returns the y just below the last line drawn, so the caller can size the
// picture.
//
// A code other than 0 ends the sheet before the load cases, and earlier where
// the check stopped before computing what a line prints: codes 1, 7, 8 and 14
// (no section, outside a range of application, results not finite) show the
// material and environment lines only. No line shows a value the check did
// not compute, neither as 0 nor as a number of an earlier check.
int DrawResultSheet(const ItemPresentation& presentation, ReportCanvas& canvas, const ResultSheetFont& font = {});

} // namespace tarvo
