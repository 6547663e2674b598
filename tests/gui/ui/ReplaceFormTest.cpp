#include "gui/ui/ReplaceForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolButton>

#include "../ModalDialog.h"
#include "gui/ui/ArrangeListBox.h"
#include "gui/ui/InputDlg.h"

namespace tarvo::gui {
namespace {

using test::answerModal;

QStringList numbered(const QStringList& names) {
    QStringList lines;
    for (int i = 0; i < names.size(); ++i)
        lines.append(QString::asprintf("%3d; ", i + 1) + names[i]);
    return lines;
}

class ReplaceFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont font = parent_.font();
        font.setPixelSize(13); // the main window's font
        parent_.setFont(font);
        parent_.resize(600, 500);
        input_ = new InputDlg(&parent_);
        form_ = new ReplaceForm(*input_, &parent_);
    }
    void showWith(const QStringList& lines) {
        form_->setLines(lines);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
    }
    ArrangeListBox* list() { return form_->listBox(); }
    void select(int row) { list()->setCurrentRow(row); }
    QPoint centreOf(int row) { return list()->visualItemRect(list()->item(row)).center(); }
    QToolButton* button(const char* name) { return form_->findChild<QToolButton*>(QLatin1String(name)); }
    // Renames the selected line, typing `text` into the rename dialog.
    QString renameTo(const QString& text) {
        QString offered;
        answerModal<InputDlg>([&offered, text](InputDlg* dialog) {
            offered = dialog->inputBox()->text();
            dialog->inputBox()->setText(text);
            dialog->accept();
        });
        button("SpeedButton1")->click();
        return offered;
    }
    void drop(const QPoint& at, const QByteArray& format, const QByteArray& data) {
        QMimeData mime;
        mime.setData(QLatin1String(format), data);
        // The application delivers moves and the drop to the widget that
        // accepted the drag's entry.
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list()->viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list()->viewport(), &move);
        QDropEvent dropped(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list()->viewport(), &dropped);
    }

    QWidget parent_;
    InputDlg* input_ = nullptr;
    ReplaceForm* form_ = nullptr;
};

TEST_F(ReplaceFormTest, DialogAndControlsCarryTheirNamesAndTexts) {
    showWith(numbered({"a", "b"}));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("データ整理"));
    EXPECT_EQ(button("ToolButton1")->toolTip(), QStringLiteral("削除"));
    EXPECT_EQ(button("ToolButton2")->toolTip(), QStringLiteral("削除データの復活"));
    EXPECT_EQ(button("SpeedButton1")->text(), QStringLiteral("Ｎame"));
    QStringList entries;
    for (QAction* action : form_->findChild<QMenu*>(QStringLiteral("PopupMenu"))->actions())
        entries.append(action->isSeparator() ? QStringLiteral("-")
                                             : action->objectName() + QLatin1Char('=') + action->text());
    EXPECT_EQ(entries, (QStringList{QStringLiteral("NameChange=名称変更 (&N)"), QStringLiteral("-"),
                                    QStringLiteral("DeleteName=削　除 (&D)"),
                                    QStringLiteral("DeleteUndo=削除データの復活 (&U)")}));
}

TEST_F(ReplaceFormTest, LinesFlowIntoTwoColumnsFromSixteenOn) {
    QStringList fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen.append(QStringLiteral("柱%1").arg(i));
    showWith(numbered(fifteen));
    EXPECT_EQ(list()->columns(), 1);
    EXPECT_EQ(list()->lineHeight(), 4 + 13); // three points at 96 dpi and the 13-pixel font
    form_->hide();
    fifteen.append(QStringLiteral("柱15"));
    showWith(numbered(fifteen));
    EXPECT_EQ(list()->columns(), 2);
    // Line 16 starts the second column.
    EXPECT_GT(centreOf(15).x(), centreOf(0).x());
}

TEST_F(ReplaceFormTest, WidensToTheWidestLineAndNeverNarrows) {
    showWith(numbered({"a", "b"}));
    const int narrow = form_->width();
    form_->hide();
    showWith(numbered({"a", QString(60, QChar(0x67F1))})); // sixty "柱"
    const int wide = form_->width();
    EXPECT_GT(wide, narrow);
    EXPECT_GE(list()->viewport()->width(), form_->widestLine());
    form_->hide();
    showWith(numbered({"a", "b"}));
    EXPECT_EQ(form_->width(), wide);
}

TEST_F(ReplaceFormTest, DeletedLinesComeBackLastDeletedFirstInTheirPlaces) {
    const QStringList four = numbered({"a", "b", "c", "d"});
    showWith(four);
    select(1);
    button("ToolButton1")->click();
    select(2); // "d", the third of the remaining lines
    button("ToolButton1")->click();
    EXPECT_EQ(form_->lines(), (QStringList{four[0], four[2]}));
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    button("ToolButton2")->click();
    EXPECT_EQ(form_->lines(), (QStringList{four[0], four[2], four[3]}));
    EXPECT_EQ(list()->currentRow(), 2);
    button("ToolButton2")->click();
    EXPECT_EQ(form_->lines(), four);
    EXPECT_EQ(list()->currentRow(), 1);
    button("ToolButton2")->click(); // nothing left to undo
    EXPECT_EQ(form_->lines(), four);
}

TEST_F(ReplaceFormTest, DeleteNeedsASelectedLineAndKeepsTheLastLine) {
    showWith(numbered({"a", "b"}));
    button("ToolButton1")->click();
    EXPECT_EQ(form_->lines().size(), 2);
    select(0);
    button("ToolButton1")->click();
    select(0);
    button("ToolButton1")->click();
    EXPECT_EQ(form_->lines(), QStringList{QStringLiteral("  2; b")});
    EXPECT_EQ(form_->deletedCount(), 1);
}

TEST_F(ReplaceFormTest, UndoStackIsEmptiedEachTimeTheDialogShows) {
    showWith(numbered({"a", "b", "c"}));
    select(0);
    button("ToolButton1")->click();
    form_->hide();
    showWith(numbered({"a", "b", "c"}));
    EXPECT_EQ(form_->deletedCount(), 0);
}

TEST_F(ReplaceFormTest, RenameKeepsThePrefixAndDropsSurroundingBlanks) {
    showWith(numbered({"a", "通し柱; 東"}));
    select(1);
    EXPECT_EQ(renameTo(QStringLiteral("  X  ")), QStringLiteral("通し柱; 東"));
    EXPECT_EQ(form_->lines().at(1), QStringLiteral("  2; X"));
    select(1);
    renameTo(QString());
    EXPECT_EQ(form_->lines().at(1), QStringLiteral("  2; "));

    select(0);
    answerModal<InputDlg>([](InputDlg* dialog) {
        dialog->inputBox()->setText(QStringLiteral("never"));
        dialog->reject();
    });
    form_->findChild<QAction*>(QStringLiteral("NameChange"))->trigger();
    EXPECT_EQ(form_->lines().at(0), QStringLiteral("  1; a"));
}

TEST_F(ReplaceFormTest, RenameOfAFourDigitPositionKeepsTheWholePrefix) {
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines.append(QString::asprintf("%3d; n%d", i + 1, i + 1));
    showWith(lines);
    select(999);
    EXPECT_EQ(renameTo(QStringLiteral("last")), QStringLiteral("n1000"));
    EXPECT_EQ(form_->lines().at(999), QStringLiteral("1000; last"));
}

TEST_F(ReplaceFormTest, PopupMenuFollowsSelectionAndUndoStack) {
    showWith(numbered({"a", "b"}));
    auto* menu = form_->findChild<QMenu*>(QStringLiteral("PopupMenu"));
    const auto entry = [this](const char* name) { return form_->findChild<QAction*>(QLatin1String(name)); };
    emit list()->customContextMenuRequested(centreOf(0));
    EXPECT_FALSE(entry("NameChange")->isEnabled());
    EXPECT_FALSE(entry("DeleteName")->isEnabled());
    EXPECT_FALSE(entry("DeleteUndo")->isEnabled());
    menu->close();
    select(0);
    emit list()->customContextMenuRequested(centreOf(0));
    EXPECT_TRUE(entry("NameChange")->isEnabled());
    EXPECT_TRUE(entry("DeleteName")->isEnabled());
    menu->close();
    entry("DeleteName")->trigger();
    select(0);
    emit list()->customContextMenuRequested(centreOf(0));
    EXPECT_FALSE(entry("DeleteName")->isEnabled()); // the last line stays
    EXPECT_TRUE(entry("DeleteUndo")->isEnabled());
    menu->close();
}

TEST_F(ReplaceFormTest, DraggingLineOneOntoLineThreeMovesItThere) {
    const QStringList four = numbered({"a", "b", "c", "d"});
    showWith(four);
    QTest::mousePress(list()->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(0));
    QTest::mouseRelease(list()->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(0));
    drop(centreOf(2), ArrangeListBox::kLineMimeType, "0");
    EXPECT_EQ(form_->lines(), (QStringList{four[1], four[2], four[0], four[3]}));
    EXPECT_EQ(list()->currentRow(), 2);
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    // Upwards: line 4 onto line 1.
    drop(centreOf(0), ArrangeListBox::kLineMimeType, "3");
    EXPECT_EQ(form_->lines(), (QStringList{four[3], four[1], four[2], four[0]}));
}

TEST_F(ReplaceFormTest, DropsOfOtherDataOrBesideTheLinesAreRefused) {
    const QStringList three = numbered({"a", "b", "c"});
    showWith(three);
    drop(centreOf(2), "text/plain", "0");
    drop(QPoint(5, list()->viewport()->height() - 2), ArrangeListBox::kLineMimeType, "0");
    drop(centreOf(1), ArrangeListBox::kLineMimeType, "7");
    EXPECT_EQ(form_->lines(), three);
}

TEST_F(ReplaceFormTest, DragImageIsTheLineTextOnATransparentGround) {
    showWith(numbered({"通し柱", "b"}));
    const QImage image = list()->dragImage(0).toImage();
    const QFontMetrics metrics(list()->font());
    EXPECT_EQ(image.size(), QSize(metrics.horizontalAdvance(QStringLiteral("  1; 通し柱")), metrics.height()));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

} // namespace
} // namespace tarvo::gui
