#include "core/print/PageComposer.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "core/print/PixelArithmetic.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportCanvas.h"
#include "core/print/ReportLineDrawer.h"
#include "core/print/TabStops.h"

namespace tarvo {
namespace {

std::string_view withoutParagraphMark(std::string_view line) {
    if (!line.empty() && line.front() == '&') line.remove_prefix(1);
    return line;
}

} // namespace

int printedPageNumber(int firstPageNo, int pageIndex) {
    if (firstPageNo <= 0) return pageIndex;
    // A first number near the top of the int range stops there instead of overflowing.
    const long long number = static_cast<long long>(firstPageNo) - 1 + pageIndex;
    return number > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(number);
}

int PageComposer::pageCount() const {
    return pageStarts_.empty() ? 0 : static_cast<int>(pageStarts_.size()) - 1;
}

void PageComposer::drawPageNumber(ReportCanvas& canvas, const OutputInfo& geometry, int pageIndex,
                                  int pageNumber) const {
    const FontSpec& font = printer_.pageNoFont;
    canvas.setFont(font.name, std::abs(geometry.pageNoFontHeight), font.style);
    const std::string text = std::to_string(pageNumber);
    // The side follows the page's place in the document, not its number.
    if (!printer_.ChangeEvenHeaderPos || pageIndex % 2 == 1) {
        canvas.drawText(geometry.pageNoRightX - canvas.textWidth(text), geometry.pageNoY, text);
    } else {
        canvas.drawText(geometry.pageNoLeftX, geometry.pageNoY, text);
    }
}

int PageComposer::drawPage(ReportCanvas& canvas, OutputInfo& geometry, int pageIndex, int pageNumber,
                           bool suppressPageNumber) const {
    std::span<const ReportLine> lines;
    if (pageIndex >= 1 && pageIndex <= pageCount()) {
        const auto count = static_cast<int>(lines_.size());
        const int first = std::clamp(pageStarts_[static_cast<std::size_t>(pageIndex - 1)], 0, count);
        const int last = std::clamp(pageStarts_[static_cast<std::size_t>(pageIndex)], first, count);
        lines = std::span<const ReportLine>(lines_).subspan(static_cast<std::size_t>(first),
                                                            static_cast<std::size_t>(last - first));
    }
    return drawPageLines(canvas, geometry, pageIndex, pageNumber, suppressPageNumber, lines);
}

int PageComposer::drawPageLines(ReportCanvas& canvas, OutputInfo& geometry, int pageIndex, int pageNumber,
                                bool suppressPageNumber, std::span<const ReportLine> lines) const {
    double y = geometry.top;
    if (!suppressPageNumber && settings_.firstPageNo > 0) drawPageNumber(canvas, geometry, pageIndex, pageNumber);

    if (pageIndex == 1 && settings_.titleShown()) {
        const FontSpec& font = printer_.titleFont;
        canvas.setFont(font.name, std::abs(geometry.titleFontHeight), font.style);
        for (const auto& line : settings_.titleLines()) {
            const std::string text = trimTrailingBlanks(line);
            if (!text.empty()) canvas.drawText(geometry.left, truncateToPixels(y), text);
            y += geometry.titleLineHeight;
        }
        y += geometry.paragraphSpace;
    }

    const FontSpec& body = printer_.bodyFont;
    const int bodyHeight = std::abs(geometry.bodyFontHeight);
    geometry.bodyStart = truncateToPixels(y);
    const TabStops stops = TabStops::measure(canvas, body, bodyHeight, geometry.left + geometry.indent);
    ReportLineDrawer drawer(canvas, body, bodyHeight, stops);
    for (const ReportLine& text : lines) {
        std::string_view line = text;
        if (!line.empty() && line.front() == '&') {
            y += geometry.paragraphSpace;
            line.remove_prefix(1);
        }
        drawer.draw(line, truncateToPixels(y));
        y += geometry.bodyLineHeight;
    }
    return roundUpToPixels(y);
}

int PageComposer::measureReportWidth(ReportCanvas& canvas, OutputInfo& geometry) const {
    int widest = 0;
    if (settings_.titleShown()) {
        const FontSpec& font = printer_.titleFont;
        canvas.setFont(font.name, std::abs(geometry.titleFontHeight), font.style);
        for (const auto& line : settings_.titleLines()) {
            widest = std::max(widest, canvas.textWidth(trimTrailingBlanks(line)));
        }
    }
    const FontSpec& body = printer_.bodyFont;
    const int bodyHeight = std::abs(geometry.bodyFontHeight);
    const TabStops stops = TabStops::measure(canvas, body, bodyHeight, geometry.left + geometry.indent);
    ReportLineDrawer drawer(canvas, body, bodyHeight, stops);
    for (const auto& line : lines_)
        widest = std::max(widest, drawer.draw(withoutParagraphMark(line), 0));
    geometry.maxWidth = widest;
    return widest;
}

} // namespace tarvo
