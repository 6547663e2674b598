#include "core/print/Paginator.h"

#include <iterator>
#include <span>
#include <utility>

#include "core/print/OutputInfo.h"
#include "core/print/PageSink.h"
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

// The report lines as they are laid out, with the first line of every page.
// With a sink each page is handed on as soon as its last line is there and
// its lines are dropped; line positions count every line made so far.
class PageFlow {
public:
    PageFlow(ReportLines& lines, std::vector<int>& starts, PageSink* sink)
        : lines_(lines), starts_(starts), sink_(sink) {
        lines_.clear();
        starts_.clear();
        starts_.push_back(0);
    }

    [[nodiscard]] int count() const { return handed_ + static_cast<int>(lines_.size()); }
    [[nodiscard]] bool empty() const { return count() == 0; }
    // A break that would leave a page without a line is not made.
    void breakPage(int at) {
        if (at > starts_.back()) starts_.push_back(at);
    }
    void push(const ReportLine& line) {
        lines_.push_back(line);
        handOver();
    }
    void append(ReportLines& more) {
        lines_.insert(lines_.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
        handOver();
    }
    // Closes the last page; returns the page count.
    int finish() {
        starts_.push_back(count());
        handOver();
        return static_cast<int>(starts_.size()) - 1;
    }

private:
    void handOver() {
        if (sink_ == nullptr) return;
        std::size_t done = 0;
        while (nextPage_ + 1 < starts_.size() && starts_[nextPage_ + 1] <= count()) {
            const auto begin = static_cast<std::size_t>(starts_[nextPage_] - handed_);
            const auto end = static_cast<std::size_t>(starts_[nextPage_ + 1] - handed_);
            sink_->page(std::span<const ReportLine>(lines_.data() + begin, end - begin));
            ++nextPage_;
            done = end;
        }
        if (done == 0) return;
        lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(done));
        handed_ += static_cast<int>(done);
    }

    ReportLines& lines_;
    std::vector<int>& starts_;
    PageSink* sink_;
    int handed_ = 0;           // lines handed to the sink and dropped
    std::size_t nextPage_ = 0; // the first page not handed on
};

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
    TableLayout(PageFlow& flow, const OutputInfo& geometry, int y) : flow_(flow), geometry_(geometry), y_(y) {}

    void add(const ReportTable& table) {
        if (!flow_.empty()) newPage();
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
        if (!flow_.empty()) newPage();
    }
    [[nodiscard]] int y() const { return y_; }

private:
    [[nodiscard]] bool fits(std::size_t count) const {
        return truncateToPixels(static_cast<double>(count) * geometry_.bodyLineHeight + y_) <= geometry_.textHeight;
    }
    void newPage() {
        flow_.breakPage(flow_.count());
        y_ = 0;
    }
    void emit(const ReportLine& line) {
        flow_.push(line);
        y_ = truncateToPixels(geometry_.bodyLineHeight + y_);
    }
    void emitAll(const ReportLines& more) {
        for (const ReportLine& line : more)
            emit(line);
    }

    PageFlow& flow_;
    const OutputInfo& geometry_;
    int y_;
};

} // namespace

namespace {

// Lays the report out into `flow`; returns the page count.
int layOut(const ColumnsData& columns, PrintSettings& settings, const OutputInfo& geometry, ReportSource& source,
           PageFlow& flow) {
    int y = titleBlockHeight(settings, geometry);
    if (settings.printSummary || settings.printMaterials) {
        const std::vector<int> printed = itemsToPrint(columns, settings);
        TableLayout front(flow, geometry, y);
        ReportTable table;
        if (settings.printSummary && source.buildSummary(columns, printed, table)) front.add(table);
        if (settings.printMaterials && source.buildMaterials(columns, printed, table)) front.add(table);
        front.finish();
        y = front.y();
    }
    ReportLines itemLines;
    if (settings.printLegend) {
        source.appendHeader(itemLines);
        y = truncateToPixels(static_cast<int>(itemLines.size()) * geometry.bodyLineHeight + y);
        flow.append(itemLines);
        itemLines.clear();
    }

    int number = 1;
    for (const int index : itemsToPrint(columns, settings)) {
        itemLines.clear();
        if (!source.buildItem(columns.Item(index), itemLines, number)) continue;
        ++number;
        if (y > 0) y = truncateToPixels(y + geometry.paragraphSpace);
        if (y > geometry.textHeight) {
            flow.breakPage(flow.count());
            y = 0;
        }
        const int fit =
            geometry.bodyLineHeight > 0 ? truncateToPixels((geometry.textHeight - y) / geometry.bodyLineHeight) : 0;
        const int count = static_cast<int>(itemLines.size());
        const int over = fit >= kMinLinesToBeginItem ? count - fit : count;
        if (over <= 0) {
            y = truncateToPixels(count * geometry.bodyLineHeight + y);
        } else {
            flow.breakPage(flow.count() + count - over);
            y = truncateToPixels(over * geometry.bodyLineHeight);
        }
        flow.append(itemLines);
    }
    // With no line at all the document is one empty page.
    settings.pageCount = flow.finish();
    return settings.pageCount;
}

} // namespace

int paginate(ColumnsData& columns, PrintSettings& settings, const OutputInfo& geometry, ReportSource& source) {
    PageFlow flow(columns.reportLines, columns.pageStarts, nullptr);
    return layOut(columns, settings, geometry, source, flow);
}

int paginate(const ColumnsData& columns, PrintSettings& settings, const OutputInfo& geometry, ReportSource& source,
             PageSink& sink) {
    ReportLines lines;
    std::vector<int> starts;
    PageFlow flow(lines, starts, &sink);
    return layOut(columns, settings, geometry, source, flow);
}

} // namespace tarvo
