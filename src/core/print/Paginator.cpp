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

namespace {

// Lays out the front tables: each starts on a page of its own (the first
// below the title), rows are never split, and a table continued on another
// page repeats its continued caption and column heads there.
class TableLayout {
public:
    TableLayout(ReportLines& lines, std::vector<int>& starts, const OutputInfo& geometry, int y)
        : lines_(lines), starts_(starts), geometry_(geometry), y_(y) {}

    void add(const ReportTable& table) {
        if (!lines_.empty()) newPage();
        std::size_t firstRowLines = table.rows.empty() ? 0 : table.rows.front().size();
        if (!fits(1 + table.head.size() + firstRowLines)) newPage();
        emit(table.caption);
        emitAll(table.head);
        for (const ReportLines& row : table.rows) {
            if (!fits(row.size())) {
                newPage();
                emit(table.continuedCaption);
                emitAll(table.head);
            }
            emitAll(row);
        }
        if (!fits(table.foot.size())) newPage();
        emitAll(table.foot);
    }
    // The column pages begin on a page of their own.
    void finish() {
        if (!lines_.empty()) newPage();
    }
    [[nodiscard]] int y() const { return y_; }

private:
    [[nodiscard]] bool fits(std::size_t count) const {
        return truncateToPixels(static_cast<double>(count) * geometry_.bodyLineHeight + y_) <= geometry_.textHeight;
    }
    void newPage() {
        const int at = static_cast<int>(lines_.size());
        if (at > starts_.back()) starts_.push_back(at);
        y_ = 0;
    }
    void emit(const ReportLine& line) {
        lines_.push_back(line);
        y_ = truncateToPixels(geometry_.bodyLineHeight + y_);
    }
    void emitAll(const ReportLines& more) {
        for (const ReportLine& line : more)
            emit(line);
    }

    ReportLines& lines_;
    std::vector<int>& starts_;
    const OutputInfo& geometry_;
    int y_;
};

} // namespace

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
    if (settings.printSummary || settings.printMaterials) {
        const std::vector<int> printed = itemsToPrint(columns, settings);
        TableLayout front(lines, starts, geometry, y);
        ReportTable table;
        if (settings.printSummary && source.buildSummary(columns, printed, table)) front.add(table);
        if (settings.printMaterials && source.buildMaterials(columns, printed, table)) front.add(table);
        front.finish();
        y = front.y();
    }
    if (settings.printLegend) {
        const int before = lineCount();
        source.appendHeader(lines);
        y = truncateToPixels((lineCount() - before) * geometry.bodyLineHeight + y);
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
