#pragma once
// The printer geometry scaled for drawing on the screen (preview and
// clipboard picture), positions measured from the paper's corner.
namespace tarvo {

class ReportCanvas;
struct OutputInfo;
struct PrinterInfomation;

// Fills `copy` from `printer` at `zoom` (1.0 = actual size) for a canvas of
// `canvas.pixelsPerInch()`.
void scaleForScreen(OutputInfo& copy, const PrinterInfomation& printer, double zoom, const ReportCanvas& canvas);
// The same for a given screen resolution.
void scaleForScreen(OutputInfo& copy, const PrinterInfomation& printer, double zoom, int screenPixelsPerInch);

} // namespace tarvo
