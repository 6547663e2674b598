#include "core/print/Paginator.h"

#include <iterator>

#include "core/print/OutputInfo.h"
#include "core/print/PixelArithmetic.h"
#include "core/print/PrintSettings.h"
#include "core/print/ReportSource.h"
#include "core/project/ColumnsData.h"

namespace tarvo {
namespace {

// Items never begin in the last lines of a page: at least this many whole
// lines must be left.
constexpr int kMinLinesToBeginItem = 4;

std::vector<int> itemsToPrint(const ColumnsData& columns, const PrintSettings& settings) {
    std::vector<int> indices;
    if (settings.printSelection.empty()) {
        for (int i = 0; i < columns.Count(); ++i)
            indices.push_back(i);
        return indices;
    }
    for (const int index : settings.printSelection) {
        if (index >= 0 && index < columns.Count()) indices.push_back(index);
    }
    return indices;
}

} // namespace

int titleBlockHeight(const PrintSettings& settings, const OutputInfo& geometry) {
    if (!settings.printTitle) return 0;
    const auto lineCount = settings.titleLines().size();
    if (lineCount == 0) return 0;
    return roundUpToPixels(static_cast<double>(lineCount) * geometry.titleLineHeight + geometry.paragraphSpace);
}

int paginate(ColumnsData& columns, PrintSettings& settings, const OutputInfo& geometry, ReportSource& source) {
    auto& lines = columns.reportLines;
    auto& starts = columns.pageStarts;
    lines.clear();
    starts.clear();
    starts.push_back(0);
    const auto lineCount = [&lines] { return static_cast<int>(lines.size()); };
    // A break that would leave a page without a line (a page too short for
    // the rules below) is not made.
    const auto breakPage = [&starts](int at) {
        if (at > starts.back()) starts.push_back(at);
    };

    int y = titleBlockHeight(settings, geometry);
    if (settings.printLegend) {
        source.appendHeader(lines);
        y = truncateToPixels(lineCount() * geometry.bodyLineHeight + y);
    }

    ReportLines itemLines;
    int number = 1;
    for (const int index : itemsToPrint(columns, settings)) {
        if (!source.buildItem(columns.Item(index), itemLines, number)) continue;
        ++number;
        if (y > 0) y = truncateToPixels(y + geometry.paragraphSpace);
        if (y > geometry.textHeight) {
            breakPage(lineCount());
            y = 0;
        }
        const int fit =
            geometry.bodyLineHeight > 0 ? truncateToPixels((geometry.textHeight - y) / geometry.bodyLineHeight) : 0;
        const int count = static_cast<int>(itemLines.size());
        const int over = fit >= kMinLinesToBeginItem ? count - fit : count;
        if (over <= 0) {
            y = truncateToPixels(count * geometry.bodyLineHeight + y);
        } else {
            breakPage(lineCount() + count - over);
            y = truncateToPixels(over * geometry.bodyLineHeight);
        }
        lines.insert(lines.end(), std::make_move_iterator(itemLines.begin()), std::make_move_iterator(itemLines.end()));
    }
    starts.push_back(lineCount());
    // With no line at all the document is one empty page.
    settings.pageCount = static_cast<int>(starts.size()) - 1;
    return settings.pageCount;
}

} // namespace tarvo
