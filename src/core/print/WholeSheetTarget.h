#pragma once
// A device that prints the whole sheet (no unprintable margins), such as a
// PDF file.
#include <string>

#include "core/print/PrinterTarget.h"

namespace tarvo {

// Paper of the given size in millimetres at the given resolution.
class WholeSheetTarget final : public PrinterTarget {
public:
    WholeSheetTarget(std::string name, std::string paperName, double widthMm, double heightMm, int dpi);
    // A4 portrait at 600 dpi, the layout of PDF output.
    static WholeSheetTarget a4Pdf();
    [[nodiscard]] PrinterFacts facts() const override { return facts_; }

private:
    PrinterFacts facts_;
};

} // namespace tarvo
