#include "gui/app/DesignCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

#include "MainFormFixture.h"
#include "gui/ModalDialog.h"
#include "gui/app/SectionDesignDialog.h"
#include "gui/app/SectionDesignModel.h"

namespace tarvo::gui {
namespace {

using test::answerModal;

// The sawn lumber sample: items 3 (105 × 105 → 90 × 90) and 4 (round φ150 →
// φ110) get smaller sections; 1, 2 and 5 keep theirs.
class DesignCommandsTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        openSample("sawn-lumber-wind.tvp");
        window_->ShowItem(2, true);
        before_ = projectBytes();
    }
    QUndoStack& stack() { return window_->undoStack(); }
    // Opens the dialog through the menu and hands it to `answer` once the
    // shown item is designed.
    void openDialog(const std::function<void(SectionDesignDialog*)>& answer) {
        answerModal<SectionDesignDialog>([answer](SectionDesignDialog* dialog) {
            dialog->waitForDesign();
            answer(dialog);
        });
        find<QAction>("MenuSectionDesign")->trigger();
    }
    static QPushButton* button(SectionDesignDialog* dialog, const char* name) {
        return dialog->findChild<QPushButton*>(QLatin1String(name));
    }

    std::string before_;
};

TEST_F(DesignCommandsTest, ApplyingTickedItemsIsOneUndoStep) {
    const int steps = stack().count();
    openDialog([](SectionDesignDialog* dialog) {
        // The shown item alone is ticked and designed at first.
        EXPECT_EQ(dialog->model().tickedItems(), std::vector<int>{2});
        ASSERT_EQ(dialog->proposals().size(), 1U);
        button(dialog, "SpeedButton1")->click(); // tick every item
        button(dialog, "DesignButton")->click();
        EXPECT_TRUE(dialog->findChild<QProgressBar*>(QStringLiteral("DesignProgress"))->isVisible() ||
                    !dialog->designing());
        dialog->waitForDesign();
        EXPECT_EQ(dialog->model().data(dialog->model().index(3, SectionDesignModel::kProposed), Qt::DisplayRole),
                  QStringLiteral("φ110"));
        button(dialog, "ApplyButton")->click();
    });
    const ColumnsData& columns = window_->columns();
    EXPECT_EQ(columns.Item(2).B, 90);
    EXPECT_EQ(columns.Item(2).TenonD, 60); // the automatic tenon follows
    EXPECT_EQ(columns.Item(3).D, 110);
    EXPECT_EQ(columns.Item(0).B, 105);
    EXPECT_EQ(stack().count(), steps + 1);
    EXPECT_EQ(stack().undoText(), QStringLiteral("断面算定"));
    EXPECT_GT(window_->modifiedCount(), 0);
    // The shown item's page follows.
    EXPECT_EQ(find<NumberEdit>("SizeB")->text(), QStringLiteral("90"));

    window_->undo();
    EXPECT_EQ(projectBytes(), before_);
    window_->redo();
    EXPECT_EQ(window_->columns().Item(3).D, 110);
}

TEST_F(DesignCommandsTest, CancelChangesNothing) {
    const int steps = stack().count();
    openDialog([](SectionDesignDialog* dialog) {
        button(dialog, "SpeedButton1")->click();
        dialog->findChild<QCheckBox*>(QStringLiteral("AllPairsBox"))->setChecked(true);
        button(dialog, "DesignButton")->click();
        dialog->waitForDesign();
        EXPECT_FALSE(dialog->proposals().empty());
        button(dialog, "CancelButton")->click();
    });
    EXPECT_EQ(projectBytes(), before_);
    EXPECT_EQ(stack().count(), steps);
}

TEST_F(DesignCommandsTest, UntickedItemsAreNotApplied) {
    openDialog([](SectionDesignDialog* dialog) {
        button(dialog, "SpeedButton1")->click();
        button(dialog, "DesignButton")->click();
        dialog->waitForDesign();
        button(dialog, "SpeedButton2")->click(); // untick every item
        EXPECT_TRUE(dialog->proposals().empty());
        EXPECT_FALSE(button(dialog, "ApplyButton")->isEnabled());
        dialog->reject();
    });
    EXPECT_EQ(projectBytes(), before_);
}

TEST_F(DesignCommandsTest, ALongListRunsOffTheWindowThreadAndStops) {
    // 20,000 items: the design is under way while the dialog answers, and
    // the stop button ends it with the items designed so far.
    std::vector<MemberInputData> items(20000, window_->columns().Item(2).input());
    window_->document().replaceItems(std::move(items), 0, QStringLiteral("20,000"), 3);
    answerModal<SectionDesignDialog>([](SectionDesignDialog* dialog) {
        dialog->waitForDesign();
        button(dialog, "SpeedButton1")->click();
        button(dialog, "DesignButton")->click();
        EXPECT_TRUE(button(dialog, "StopButton")->isEnabled() || !dialog->designing());
        button(dialog, "StopButton")->click();
        dialog->waitForDesign();
        EXPECT_FALSE(dialog->designing());
        EXPECT_TRUE(button(dialog, "DesignButton")->isEnabled());
        dialog->reject();
    });
    find<QToolButton>("SectionDesignButton")->click();
}

} // namespace
} // namespace tarvo::gui
