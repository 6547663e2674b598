#include "core/print/Paginator.h"

#include <gtest/gtest.h>

#include <span>

#include "FakeReportSource.h"
#include "core/print/OutputInfo.h"
#include "core/print/PageSink.h"
#include "core/print/PrintSettings.h"

namespace tarvo {
namespace {

using testing::FakeReportSource;

// Ten lines of 10 px fit on a page; paragraph space 5 px.
OutputInfo smallPage() {
    OutputInfo g;
    g.bodyLineHeight = 10;
    g.titleLineHeight = 12;
    g.paragraphSpace = 5;
    g.textHeight = 100;
    return g;
}

struct Pages {
    std::vector<int> pageStarts;
    std::vector<int> numbers;
    int pages = 0;
};

Pages paginateItems(const std::vector<int>& lineCounts, PrintSettings settings = {}, int headerLines = 0,
                    OutputInfo geometry = smallPage()) {
    ColumnsData columns = FakeReportSource::makeColumns(lineCounts);
    FakeReportSource source;
    source.headerLines = headerLines;
    settings.printLegend = headerLines > 0;
    const int pages = paginate(columns, settings, geometry, source);
    EXPECT_EQ(pages, settings.pageCount);
    EXPECT_EQ(columns.pageStarts.back(), static_cast<int>(columns.reportLines.size()));
    return {columns.pageStarts, source.numbers, pages};
}

TEST(Paginate, ItemNeverBeginsInTheLastThreeLines) {
    // 6 lines, then 5 px paragraph space: 3 whole lines left, the short item moves.
    EXPECT_EQ(paginateItems({6, 2}).pageStarts, (std::vector<int>{0, 6, 8}));
    // 5 lines: 4 whole lines left, the item fits.
    EXPECT_EQ(paginateItems({5, 2}).pageStarts, (std::vector<int>{0, 7}));
    // Header lines count the same way and are never split.
    EXPECT_EQ(paginateItems({3}, {}, 7).pageStarts, (std::vector<int>{0, 7, 10}));
}

TEST(Paginate, LongItemBreaksInsideOnce) {
    // 3 lines, then 12 lines with 6 left: 6 on page 1, 6 on page 2; the next
    // one-line item finds only 3 lines left.
    const Pages run = paginateItems({3, 12, 1});
    EXPECT_EQ(run.pageStarts, (std::vector<int>{0, 9, 15, 16}));
    EXPECT_EQ(run.pages, 3);
    // A remainder longer than a page runs on; the next item starts a page.
    EXPECT_EQ(paginateItems({25, 2}).pageStarts, (std::vector<int>{0, 10, 25, 27}));
}

TEST(Paginate, FailingItemsTakeNoNumberAndSelectionSetsTheOrder) {
    EXPECT_EQ(paginateItems({2, 0, 3}).numbers, (std::vector<int>{1, 2}));
    PrintSettings settings;
    settings.printSelection = {2, 0};
    const Pages run = paginateItems({2, 4, 3}, settings);
    EXPECT_EQ(run.numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(run.pageStarts, (std::vector<int>{0, 5}));
}

TEST(Paginate, NothingChecksGivesHeaderOnlyOrOneEmptyPage) {
    const Pages withHeader = paginateItems({0, 0}, {}, 4);
    EXPECT_EQ(withHeader.pageStarts, (std::vector<int>{0, 4}));
    const Pages empty = paginateItems({0});
    EXPECT_EQ(empty.pageStarts, (std::vector<int>{0, 0}));
    EXPECT_EQ(empty.pages, 1);
}

// Ten lines a page: caption and two heads, then seven one-line rows; the
// next page repeats the heads under the continued caption. The materials
// start a page of their own, and so do the legend and the columns.
TEST(Paginate, LongSummaryContinuesWithItsHeadsRepeated) {
    ColumnsData columns = FakeReportSource::makeColumns({2, 3});
    FakeReportSource source;
    source.headerLines = 1;
    source.summaryRows = std::vector<int>(12, 1);
    source.materialRows = {4, 4};
    PrintSettings settings;
    settings.printSelection = {1, 0};
    settings.printSummary = true;
    settings.printMaterials = true;
    const int pages = paginate(columns, settings, smallPage(), source);
    const auto& lines = columns.reportLines;
    EXPECT_EQ(source.summaryPrinted, (std::vector<int>{1, 0}));
    EXPECT_EQ(columns.pageStarts, (std::vector<int>{0, 10, 19, 26, 34, 40}));
    EXPECT_EQ(pages, 5);
    EXPECT_EQ(lines[9], "row 6.0");
    EXPECT_EQ(lines[10], "summary continued");
    EXPECT_EQ(lines[11], "head 0");
    EXPECT_EQ(lines[18], "summary foot");
    EXPECT_EQ(lines[19], "materials");
    // The second block of four lines does not fit behind the first: rows are never split.
    EXPECT_EQ(lines[26], "materials continued");
    EXPECT_EQ(lines[33], "materials foot");
    EXPECT_EQ(lines[34], "#1header 0");
}

TEST(Paginate, FrontTablesOffLeaveThePagesAsTheyWere) {
    ColumnsData columns = FakeReportSource::makeColumns({3, 4});
    FakeReportSource source;
    source.summaryRows = {1, 1};
    PrintSettings settings;
    paginate(columns, settings, smallPage(), source);
    EXPECT_EQ(columns.pageStarts, (std::vector<int>{0, 7}));
    EXPECT_TRUE(source.summaryPrinted.empty());
}

TEST(Paginate, TitleBlockTakesRoomOnThePageOne) {
    PrintSettings settings;
    settings.title = "first\nsecond\n"; // the final break adds no line
    OutputInfo geometry = smallPage();
    geometry.paragraphSpace = 5.2;
    EXPECT_EQ(titleBlockHeight(settings, geometry), 30); // 24 + 5.2 rounded up
    settings.printTitle = false;
    EXPECT_EQ(titleBlockHeight(settings, geometry), 0);

    // Title 29 px, paragraph, 3 lines, paragraph: 31 px (3 lines) are left.
    settings.printTitle = true;
    EXPECT_EQ(paginateItems({3, 2}, settings).pageStarts, (std::vector<int>{0, 3, 5}));
}

TEST(Paginate, TitleBlockRoundsFractionsAwayFromZero) {
    PrintSettings settings;
    settings.title = "first\nsecond";
    OutputInfo geometry = smallPage();
    geometry.paragraphSpace = -30.5; // 24 − 30.5 = −6.5
    EXPECT_EQ(titleBlockHeight(settings, geometry), -7);
}

TEST(Paginate, HugeParagraphSpaceSaturatesAndEveryItemStartsAPage) {
    OutputInfo geometry = smallPage();
    geometry.paragraphSpace = 1e12;
    EXPECT_EQ(paginateItems({2, 2, 3}, {}, 0, geometry).pageStarts, (std::vector<int>{0, 2, 4, 7}));
}

TEST(Paginate, PageTooShortForTheRulesMakesNoEmptyPages) {
    OutputInfo geometry = smallPage();
    geometry.textHeight = 25;
    const Pages run = paginateItems({2, 2}, {}, 0, geometry);
    EXPECT_EQ(run.pageStarts, (std::vector<int>{0, 2, 4}));
}

// Keeps every page handed to it.
class RecordingPageSink final : public PageSink {
public:
    void page(std::span<const ReportLine> lines) override { pages.emplace_back(lines.begin(), lines.end()); }
    std::vector<ReportLines> pages;
};

// The pages of the kept pagination, page by page.
std::vector<ReportLines> keptPages(const ColumnsData& columns) {
    std::vector<ReportLines> pages;
    for (std::size_t p = 0; p + 1 < columns.pageStarts.size(); ++p) {
        pages.emplace_back(columns.reportLines.begin() + columns.pageStarts[p],
                           columns.reportLines.begin() + columns.pageStarts[p + 1]);
    }
    return pages;
}

void expectStreamedAsKept(const std::vector<int>& lineCounts, PrintSettings settings, FakeReportSource source,
                          OutputInfo geometry = smallPage()) {
    ColumnsData kept = FakeReportSource::makeColumns(lineCounts);
    PrintSettings keptSettings = settings;
    FakeReportSource keptSource = source;
    const int keptCount = paginate(kept, keptSettings, geometry, keptSource);

    const ColumnsData streamed = FakeReportSource::makeColumns(lineCounts);
    RecordingPageSink sink;
    EXPECT_EQ(paginate(streamed, settings, geometry, source, sink), keptCount);
    EXPECT_EQ(settings.pageCount, keptCount);
    EXPECT_EQ(sink.pages, keptPages(kept));
    EXPECT_EQ(source.numbers, keptSource.numbers);
}

TEST(PaginateStreamed, HandsOnThePagesTheKeptPaginationMakes) {
    FakeReportSource plain;
    // Items moved to the next page, broken inside, longer than a page.
    expectStreamedAsKept({6, 2, 3, 12, 1, 25, 2}, {}, plain);
    // Nothing checks: one empty page.
    expectStreamedAsKept({0, 0}, {}, plain);
    // The header, a selection, failing items.
    FakeReportSource withHeader;
    withHeader.headerLines = 7;
    PrintSettings legend;
    legend.printLegend = true;
    legend.printSelection = {3, 0, 2};
    expectStreamedAsKept({3, 0, 4, 9}, legend, withHeader);
}

TEST(PaginateStreamed, FrontTablesAndTitleAreStreamedAsKept) {
    FakeReportSource source;
    source.headerLines = 1;
    source.summaryRows = std::vector<int>(30, 1);
    source.materialRows = {4, 4, 9};
    PrintSettings settings;
    settings.printLegend = true;
    settings.printSummary = true;
    settings.printMaterials = true;
    settings.printTitle = true;
    settings.title = "Title";
    expectStreamedAsKept({2, 3, 11}, settings, source);
    // A page too short for the rules makes no empty pages either way.
    OutputInfo tiny = smallPage();
    tiny.textHeight = 25;
    expectStreamedAsKept({1, 5, 2}, settings, source, tiny);
}

} // namespace
} // namespace tarvo
