#pragma once
// Print layouts that cannot give a readable page: margins that leave no room
// for the text or the page number on the paper, and fonts too small to read
// or too large for one line on the page. Such a layout, when stored, is
// refused with a message that names its setting and the built-in layout is
// used instead; entered in the print layout dialog it keeps the dialog open.
#include <optional>
#include <string>

namespace tarvo {

struct PrinterInfomation;

// The smallest font size, in points, that the report accepts.
inline constexpr int kMinimumLegibleFontPt = 4;

struct LayoutProblem {
    std::string setting; // the settings key at fault, e.g. "LeftMargin"
    std::string message; // what is wrong, naming the setting and its value
};

// The first problem of the layout `printer` holds after its geometry was
// computed for the paper of the output, or nothing when it prints.
std::optional<LayoutProblem> findLayoutProblem(const PrinterInfomation& printer);

// The message of a stored layout that was refused: the problem and that the
// built-in layout is used.
std::string refusedStoredLayoutMessage(const LayoutProblem& problem);

} // namespace tarvo
