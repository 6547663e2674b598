// The program's report lines (header and item texts) through pagination and
// page drawing: every item that checks appears once, numbered in print
// order, and no markup reaches the canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "FakeCanvas.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/DeviceGeometry.h"
#include "core/print/PageComposer.h"
#include "core/print/Paginator.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportTextSource.h"
#include "core/print/WholeSheetTarget.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

ColumnMember sugiColumn(const std::string& name, double lkx) {
    ColumnMember item;
    item.Name = name;
    item.B = 105;
    item.D = 105;
    item.Lkx = lkx;
    item.AxialForce = {12, 14, 16, 15, 14};
    item.ColumnMaterial.SelectProduct = kSawnLumber;
    item.ColumnMaterial.ProductStandardNormal = 2; // ungraded
    item.ColumnMaterial.KindOfWood[0] = 13;        // すぎ
    ApplyAutoTenon(item);
    return item;
}

class ReportFlow : public ::testing::Test {
protected:
    ReportFlow() : check(catalogue, common) {
        columns.Item(0) = sugiColumn("柱A", 2800);
        columns.Append(sugiColumn("柱B", 0)); // no buckling length: not printed
        columns.Append(sugiColumn("柱C", 2700));
        for (int i = 0; i < 40; ++i)
            columns.Append(sugiColumn("柱D" + std::to_string(i), 3000));
        printer.titleFont = {"ＭＳ Ｐゴシック", 11, kRegularStyle};
        printer.bodyFont = {"ＭＳ Ｐ明朝", 10, kRegularStyle};
        printer.pageNoFont = {"Century", 12, kRegularStyle};
        refreshPrinterGeometry(printer, WholeSheetTarget::a4Pdf());
        settings.title = "§　柱の設計";
        settings.firstPageNo = 1;
    }

    CommonData common;
    MatDataBase catalogue;
    ColumnCheck check;
    ColumnsData columns;
    PrinterInfomation printer;
    PrintSettings settings;
};

TEST_F(ReportFlow, ItemsAreNumberedInPrintOrderAndDrawnWithoutMarkup) {
    ReportTextSource source(common, columns, check);
    const int pages = paginate(columns, settings, printer, source);
    ASSERT_GT(pages, 1);
    const auto& lines = columns.reportLines;
    const auto has = [&lines](const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    };
    EXPECT_TRUE(has("&#0 1. 柱A"));
    EXPECT_TRUE(has("&#0 2. 柱C"));
    EXPECT_TRUE(has("&#0 3. 柱D0"));
    EXPECT_FALSE(has("&#0 2. 柱B"));
    EXPECT_TRUE(has("#0※凡例"));

    // A page never starts inside the header; an item never begins in the
    // last three lines of the page before.
    PageComposer composer(printer, settings, lines, columns.pageStarts);
    testing::FakeCanvas canvas;
    int names = 0;
    for (int page = 1; page <= pages; ++page) {
        canvas.texts.clear();
        const int end = composer.drawPage(canvas, printer, page, printedPageNumber(1, page), false);
        EXPECT_LE(end, printer.top + printer.textHeight + printer.bodyLineHeight * 20) << page;
        for (const auto& text : canvas.texts) {
            EXPECT_EQ(text.text.find_first_of("#@^&"), std::string::npos) << text.text;
            if (text.text.rfind(". 柱", 0) != std::string::npos || text.text.find(". 柱") == 2) ++names;
        }
        EXPECT_NE(canvas.find(std::to_string(page)), nullptr) << "page number of page " << page;
    }
    EXPECT_EQ(names, 42);
}

} // namespace
} // namespace tarvo
