#pragma once
// Turns the print layout settings (millimetres and points) into device pixels
// of the current printer.
namespace tarvo {

struct PrinterInfomation;
class PrinterTarget;

// Computes the OutputInfo part of `printer` from its settings and facts.
void computeDeviceGeometry(PrinterInfomation& printer);
// Reads the facts of `target`, raises the stored margins to the printer's
// unprintable margins (the raised values are kept), then computes the
// geometry.
void refreshPrinterGeometry(PrinterInfomation& printer, const PrinterTarget& target);

// Character height of a font in device pixels: −round(points × dpi / 72).
int deviceFontHeight(int sizePt, int dpi);

} // namespace tarvo
