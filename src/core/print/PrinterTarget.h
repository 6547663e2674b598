#pragma once
// What the page composer needs to know about the device it prints on. The
// window's printer layer, the PDF writer and tests each provide one.
#include <cstdint>
#include <string>

namespace tarvo {

struct PrinterFacts {
    std::string printerName;
    std::int32_t dpiX = 600;
    std::int32_t dpiY = 600;
    std::int32_t paperW = 0; // paper size, device pixels
    std::int32_t paperH = 0;
    std::int32_t offX = 0; // left and top offset of the printable area
    std::int32_t offY = 0;
    std::int32_t pageW = 0; // printable size
    std::int32_t pageH = 0;
    bool hasPaperInfo = false;
    std::string paperName;
    bool landscape = false;
};

class PrinterTarget {
public:
    virtual ~PrinterTarget() = default;
    [[nodiscard]] virtual PrinterFacts facts() const = 0;
};

} // namespace tarvo
