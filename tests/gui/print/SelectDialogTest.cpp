#include "gui/print/SelectDialog.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/Paginator.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportTextSource.h"
#include "core/print/WholeSheetTarget.h"
#include "gui/ModalDialog.h"
#include "samples/SampleProjects.h"

namespace tarvo::gui {
namespace {

class SelectDialogTest : public ::testing::Test {
protected:
    // `count` copies of an item that checks, named "item 0", "item 1", ...
    void build(int count) {
        ColumnsData mixed;
        samples::buildMixedProject(1, common_, mixed);
        std::vector<ColumnMember> items;
        for (int i = 0; i < count; ++i) {
            items.push_back(mixed.Item(0));
            items.back().Name = "item " + std::to_string(i);
        }
        ASSERT_TRUE(columns_.Replace(items));
    }
    void open() {
        dialog_ = std::make_unique<SelectDialog>(
            columns_, check_, settings_,
            [this] {
                printed_ = settings_.printSelection;
                ++prints_;
            },
            [this] { ++previews_; });
        dialog_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
    }
    QListWidget* list() { return dialog_->findChild<QListWidget*>(QStringLiteral("CheckListBox")); }
    void click(const char* button) { dialog_->findChild<QPushButton*>(QLatin1String(button))->click(); }
    void tick(int row) { list()->item(row)->setCheckState(Qt::Checked); }

    CommonData common_;
    ColumnsData columns_;
    const MatDataBase catalogue_{};
    ColumnCheck check_{catalogue_, common_};
    PrintSettings settings_;
    std::unique_ptr<SelectDialog> dialog_;
    std::vector<int> printed_;
    int prints_ = 0;
    int previews_ = 0;
};

TEST_F(SelectDialogTest, SixteenPrintableItemsShowTwoColumnsFifteenOne) {
    build(16);
    open();
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("印刷データの選択"));
    EXPECT_EQ(list()->count(), 16);
    EXPECT_EQ(dialog_->columnCount(), 2);
    EXPECT_TRUE(list()->isWrapping());
    EXPECT_LE(list()->gridSize().width(), list()->viewport()->width() / 2);
    build(15);
    dialog_->hide();
    dialog_->show();
    EXPECT_EQ(list()->count(), 15);
    EXPECT_EQ(dialog_->columnCount(), 1);
}

TEST_F(SelectDialogTest, OnlyItemsThatCheckAreListedUntickedWithTheirIndex) {
    build(4);
    columns_.Item(1).B = 0; // no section: the check fails
    open();
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("  2: item 2"));
    EXPECT_EQ(dialog_->entryIndices(), (std::vector<int>{0, 2, 3}));
    for (int row = 0; row < list()->count(); ++row)
        EXPECT_EQ(list()->item(row)->checkState(), Qt::Unchecked);
    // The entry height is the font's plus three points.
    EXPECT_GT(list()->gridSize().height(), QFontMetrics(list()->font()).height() / 2);
}

TEST_F(SelectDialogTest, TickingTheThirdAndFirstEntriesPrintsThemInListOrder) {
    build(5);
    open();
    tick(2);
    tick(0);
    click("PrintButton");
    ASSERT_EQ(prints_, 1);
    EXPECT_EQ(printed_, (std::vector<int>{0, 2}));

    // The report numbers them 1 and 2, item 0 first.
    PrinterInfomation printer;
    applyPrintDefault(builtInPrintDefault(), printer, settings_, WholeSheetTarget::a4Pdf());
    settings_.printSelection = printed_;
    ReportTextSource source(common_, columns_, check_);
    paginate(columns_, settings_, printer, source);
    const auto& lines = columns_.reportLines;
    const auto position = [&lines](const std::string& text) {
        return std::find_if(lines.begin(), lines.end(),
                            [&text](const std::string& line) { return line.find(text) != std::string::npos; }) -
               lines.begin();
    };
    const auto first = position("item 0");
    const auto third = position("item 2");
    ASSERT_LT(third, static_cast<long>(lines.size()));
    EXPECT_LT(first, third);
    EXPECT_EQ(position("item 1"), static_cast<long>(lines.size()));
    EXPECT_NE(lines[static_cast<std::size_t>(first)].find(" 1."), std::string::npos);
    EXPECT_NE(lines[static_cast<std::size_t>(third)].find(" 2."), std::string::npos);
}

TEST_F(SelectDialogTest, EntriesBeyondTheThousandthNameTheirOwnItems) {
    build(1002);
    open();
    ASSERT_EQ(list()->count(), 1002);
    EXPECT_EQ(list()->item(1001)->text(), QStringLiteral("1001: item 1001"));
    tick(1001);
    tick(1000);
    tick(100);
    click("PrintButton");
    ASSERT_EQ(prints_, 1);
    // Not 100 for "1001" read from its first three characters.
    EXPECT_EQ(printed_, (std::vector<int>{100, 1000, 1001}));
}

TEST_F(SelectDialogTest, NothingTickedPrintBeepsAndSaysSoPreviewDoesNothing) {
    build(3);
    open();
    QString said;
    test::answerModal<QMessageBox>([&said](QMessageBox* box) {
        said = box->text();
        box->accept();
    });
    click("PrintButton");
    EXPECT_EQ(said, QStringLiteral("印刷するデータを選択して下さい"));
    EXPECT_EQ(prints_, 0);
    click("PreviewButton");
    EXPECT_EQ(previews_, 0);
}

TEST_F(SelectDialogTest, SelectAllNoneAndClosingClearsTheSelection) {
    build(3);
    open();
    click("SpeedButton1");
    for (int row = 0; row < list()->count(); ++row)
        EXPECT_EQ(list()->item(row)->checkState(), Qt::Checked);
    click("PreviewButton");
    EXPECT_EQ(previews_, 1);
    EXPECT_EQ(settings_.printSelection, (std::vector<int>{0, 1, 2}));
    click("SpeedButton2");
    for (int row = 0; row < list()->count(); ++row)
        EXPECT_EQ(list()->item(row)->checkState(), Qt::Unchecked);
    tick(1);
    click("PreviewButton");
    EXPECT_EQ(settings_.printSelection, (std::vector<int>{1}));
    click("CloseButton");
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(settings_.printSelection.empty());
}

} // namespace
} // namespace tarvo::gui
