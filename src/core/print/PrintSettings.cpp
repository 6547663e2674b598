#include "core/print/PrintSettings.h"

#include "core/print/DeviceGeometry.h"
#include "core/print/PrinterInfomation.h"

namespace tarvo {

std::vector<std::string> PrintSettings::titleLines() const {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < title.size()) {
        auto stop = title.find('\n', start);
        if (stop == std::string::npos) stop = title.size();
        std::string line = title.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = stop + 1;
    }
    return lines;
}

void applyPrintDefault(const PrintDefault& d, PrinterInfomation& printer, PrintSettings& settings,
                       const PrinterTarget& target) {
    printer.titleFont = {d.TitleFontName, d.TitleFontSize, parseFontStyleText(d.TitleFontStyle)};
    printer.bodyFont = {d.BodyFontName, d.BodyFontSize, parseFontStyleText(d.BodyFontStyle)};
    printer.pageNoFont = {d.HeaderFontName, d.HeaderFontSize, parseFontStyleText(d.HeaderFontStyle)};
    printer.LeftMargin = d.LeftMargin;
    printer.TopMargin = d.TopMargin;
    printer.BottomMargin = d.BottomMargin;
    printer.HeaderSideMargin = d.HeaderSideMargin;
    printer.HeaderTopMargin = d.HeaderTopMargin;
    printer.ParagraphSpace = d.ParagraphSpace;
    printer.Indent = d.Indent;
    printer.ChangeEvenHeaderPos = d.ChangeEvenHeaderPos;
    settings.printTitle = d.IsTitlePrint;
    settings.printLegend = d.IsHeaderPrint;
    settings.printSummary = d.IsSummaryPrint;
    settings.printMaterials = d.IsMaterialsPrint;
    settings.firstPageNo = d.FirstPageNo;
    settings.title = d.Title;
    refreshPrinterGeometry(printer, target);
}

PrintDefault currentPrintDefault(const PrinterInfomation& printer, const PrintSettings& settings) {
    PrintDefault d;
    d.TitleFontName = printer.titleFont.name;
    d.BodyFontName = printer.bodyFont.name;
    d.HeaderFontName = printer.pageNoFont.name;
    d.TitleFontSize = printer.titleFont.sizePt;
    d.BodyFontSize = printer.bodyFont.sizePt;
    d.HeaderFontSize = printer.pageNoFont.sizePt;
    d.TitleFontStyle = fontStyleText(printer.titleFont.style);
    d.BodyFontStyle = fontStyleText(printer.bodyFont.style);
    d.HeaderFontStyle = fontStyleText(printer.pageNoFont.style);
    d.LeftMargin = printer.LeftMargin;
    d.TopMargin = printer.TopMargin;
    d.BottomMargin = printer.BottomMargin;
    d.HeaderSideMargin = printer.HeaderSideMargin;
    d.HeaderTopMargin = printer.HeaderTopMargin;
    d.ParagraphSpace = printer.ParagraphSpace;
    d.Indent = printer.Indent;
    d.ChangeEvenHeaderPos = printer.ChangeEvenHeaderPos;
    d.IsTitlePrint = settings.printTitle;
    d.IsHeaderPrint = settings.printLegend;
    d.IsSummaryPrint = settings.printSummary;
    d.IsMaterialsPrint = settings.printMaterials;
    d.FirstPageNo = settings.firstPageNo;
    d.Title = settings.title;
    return d;
}

std::string trimTrailingBlanks(const std::string& line) {
    auto end = line.size();
    while (end > 0 && static_cast<unsigned char>(line[end - 1]) <= ' ')
        --end;
    return line.substr(0, end);
}

} // namespace tarvo
