#pragma once
// The printer facts of PDF output: A4 portrait at 600 dpi, the printable
// area being the whole sheet.
#include <QPdfWriter>

#include "core/print/PrinterTarget.h"

namespace tarvo::gui {

class PdfTarget final : public PrinterTarget {
public:
    // Sets `writer` to A4 portrait, 600 dpi and no margins.
    explicit PdfTarget(QPdfWriter& writer);
    [[nodiscard]] PrinterFacts facts() const override;

private:
    QPdfWriter& writer_;
};

} // namespace tarvo::gui
