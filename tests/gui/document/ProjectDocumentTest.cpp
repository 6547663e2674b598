#include "gui/document/ProjectDocument.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <vector>

namespace tarvo::gui {
namespace {

// An item that checks: a 105 mm square sawn column, 2.8 m, 12 kN.
MemberInputData checkableItem() {
    MemberInputData item;
    item.B = item.D = 105;
    item.Lkx = 2800;
    item.AxialForce[0] = 12;
    return item;
}

class ProjectDocumentTest : public ::testing::Test {
protected:
    ProjectDocument doc_;
};

TEST_F(ProjectDocumentTest, FieldEditIsOneCommandWithItsDerivedInputsAndUndoesExactly) {
    ASSERT_TRUE(doc_.editItem(0, checkableItem(), 3));
    const MemberInputData before = doc_.item(0).input();
    QSignalSpy changed(&doc_, &ProjectDocument::itemChanged);
    ASSERT_TRUE(doc_.setItemField(0, ItemFieldId::Lkx, 3150, 3));
    EXPECT_EQ(doc_.undoStack().count(), 2);
    EXPECT_EQ(doc_.undoStack().undoText(), QStringLiteral("Lkx の変更"));
    // Lky follows Lkx while it is not entered directly: part of the same command.
    EXPECT_EQ(doc_.item(0).Lky, 3150);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().at(1).toInt(), 3);
    doc_.undoStack().undo();
    EXPECT_TRUE(doc_.item(0).input() == before);
    doc_.undoStack().redo();
    EXPECT_EQ(doc_.item(0).Lkx, 3150);
    // Setting a value the item has is no command.
    EXPECT_FALSE(doc_.setItemField(0, ItemFieldId::Lkx, 3150, 3));
    EXPECT_EQ(doc_.undoStack().count(), 2);
}

TEST_F(ProjectDocumentTest, CommonEditUpdatesDerivedValuesAndNamesItsField) {
    QSignalSpy changed(&doc_, &ProjectDocument::commonChanged);
    ASSERT_TRUE(doc_.setCommonField(CommonFieldId::BuildingHeight, 9, 0));
    EXPECT_GT(doc_.common().VelocityPressure, 0);
    EXPECT_EQ(doc_.undoStack().undoText(), QStringLiteral("建物高さ H の変更"));
    doc_.undoStack().undo();
    EXPECT_EQ(doc_.common().BuildingHeight, 0);
    EXPECT_EQ(doc_.common().VelocityPressure, 0);
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(ProjectDocumentTest, ListCommandsAndTheirUndo) {
    doc_.editItem(0, checkableItem(), 3);
    MemberInputData second = checkableItem();
    second.Name.assign("X2", 2);
    QSignalSpy inserted(&doc_, &ProjectDocument::itemInserted);
    QSignalSpy removed(&doc_, &ProjectDocument::itemRemoved);
    ASSERT_TRUE(doc_.insertItem(1, second, QStringLiteral("データの追加"), 3));
    EXPECT_EQ(doc_.count(), 2);
    EXPECT_EQ(doc_.currentIndex(), 1);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_FALSE(doc_.removeItem(0, QStringLiteral("データの削除"), 3)); // the first item stays
    ASSERT_TRUE(doc_.removeItem(1, QStringLiteral("データの削除"), 3));
    EXPECT_EQ(doc_.count(), 1);
    EXPECT_EQ(removed.count(), 1);
    doc_.undoStack().undo();
    EXPECT_EQ(doc_.item(1).Name, "X2");
    EXPECT_EQ(doc_.computableCount(), 2);
    doc_.setItemField(1, ItemFieldId::B, 0, 3);
    doc_.setItemField(1, ItemFieldId::D, 0, 3);
    EXPECT_EQ(doc_.computableCount(), 1);
    doc_.undoStack().undo();
    doc_.undoStack().undo();
    EXPECT_EQ(doc_.computableCount(), 2);

    std::vector<MemberInputData> arranged{doc_.item(1).input(), doc_.item(0).input()};
    ASSERT_TRUE(doc_.replaceItems(arranged, 0, QStringLiteral("データの整理"), 3));
    EXPECT_EQ(doc_.item(0).Name, "X2");
    EXPECT_FALSE(doc_.replaceItems(arranged, 0, QStringLiteral("データの整理"), 3));
    EXPECT_FALSE(doc_.replaceItems({}, 0, QStringLiteral("データの整理"), 3));
    doc_.undoStack().undo();
    EXPECT_EQ(doc_.item(1).Name, "X2");
}

TEST_F(ProjectDocumentTest, UnsavedIsTheCleanStateOrRestoredWork) {
    QSignalSpy modified(&doc_, &ProjectDocument::modifiedChanged);
    EXPECT_FALSE(doc_.isModified());
    doc_.setItemField(0, ItemFieldId::B, 120, 3);
    EXPECT_TRUE(doc_.isModified());
    doc_.markSaved();
    EXPECT_FALSE(doc_.isModified());
    doc_.undoStack().undo();
    EXPECT_TRUE(doc_.isModified());
    doc_.undoStack().redo(); // back at the saved state
    EXPECT_FALSE(doc_.isModified());
    doc_.markUnsavedWork();
    EXPECT_TRUE(doc_.isModified());
    doc_.newProject();
    EXPECT_FALSE(doc_.isModified());
    EXPECT_EQ(doc_.undoStack().count(), 0);
    EXPECT_EQ(modified.count(), 6);
}

TEST_F(ProjectDocumentTest, RenamesOfOneRunAndEditsOfOneActionMergeIntoOneStep) {
    MemberInputData item = doc_.item(0).input();
    item.Name.assign("X", 1);
    doc_.editItem(0, item, 3, nullptr, 7);
    item.Name.assign("X1", 2);
    doc_.editItem(0, item, 3, nullptr, 7);
    EXPECT_EQ(doc_.undoStack().count(), 1);
    item.B = 120; // not a rename: a step of its own
    doc_.editItem(0, item, 3, nullptr, 7);
    EXPECT_EQ(doc_.undoStack().count(), 2);
    item.D = 150;
    doc_.editItem(0, item, 3, nullptr, -1, 1);
    item.Members = 2;
    doc_.editItem(0, item, 3, nullptr, -1, 1);
    EXPECT_EQ(doc_.undoStack().count(), 3);
    doc_.undoStack().undo();
    EXPECT_EQ(doc_.item(0).D, 0);
    EXPECT_EQ(doc_.item(0).Members, 1);
}

} // namespace
} // namespace tarvo::gui
