#pragma once
// The printer record: the page geometry of the current printer, the printer's
// facts and the print layout settings in millimetres, with the three fonts.
// One record serves every print, preview and export.
#include <cstdint>
#include <string>

#include "core/print/FontSpec.h"
#include "core/print/OutputInfo.h"

namespace tarvo {

struct PrinterInfomation : OutputInfo {
    std::int32_t pageH = 0; // printable height
    std::int32_t pageW = 0; // printable width
    std::int32_t offX = 0;  // unprintable margin left
    std::int32_t offY = 0;  // unprintable margin top
    std::int32_t unprR = 0; // unprintable margin right
    std::int32_t unprB = 0; // unprintable margin bottom
    std::string printerName;
    std::string paperName;       // empty when the printer reports no paper information
    std::string orientationText; // "ヨコ" or "タテ"
    // Layout settings, mm.
    std::int32_t LeftMargin = 20;
    std::int32_t TopMargin = 15;
    std::int32_t BottomMargin = 15;
    std::int32_t ParagraphSpace = 3;
    std::int32_t Indent = 5;
    std::int32_t HeaderTopMargin = 6;
    std::int32_t HeaderSideMargin = 15;
    // The unprintable margins in whole millimetres.
    std::int32_t minLeftMm = 0;
    std::int32_t minTopMm = 0;
    std::int32_t minBottomMm = 0;
    std::int32_t minRightMm = 0;
    std::int32_t dpiX = 600;
    std::int32_t dpiY = 600;
    FontSpec titleFont;
    FontSpec bodyFont;
    FontSpec pageNoFont;
    bool ChangeEvenHeaderPos = false;
};

} // namespace tarvo
