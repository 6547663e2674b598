#include "core/form/ItemListRules.h"

#include <gtest/gtest.h>

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnsData.h"

namespace tarvo {
namespace {

ColumnOutcome withCode(std::int32_t code) {
    ColumnOutcome outcome;
    outcome.ResultCode = code;
    return outcome;
}

class ItemListRulesTest : public ::testing::Test {
protected:
    ItemListRulesTest() {
        shown.Name = "C1";
        shown.B = 105;
        shown.D = 105;
        shown.AxialForce = {10, 0, 12, 15, 9};
    }

    ColumnsData list;
    MemberInputData shown = ColumnMember().input();
};

TEST_F(ItemListRulesTest, NewItemIsTheShownOneWithoutForcesAndName) {
    const NewItem added = MakeNewItem(list, shown, withCode(kCheckOk), NewItemKind::Add);
    ASSERT_TRUE(added.item);
    EXPECT_EQ(added.refusal, ItemListRefusal::None);
    EXPECT_TRUE(added.item->Name.empty());
    EXPECT_EQ(added.item->AxialForce, (PerLoadCase<double>{}));
    EXPECT_EQ(added.item->B, 105);
}

TEST_F(ItemListRulesTest, CopyKeepsEveryInput) {
    const NewItem copy = MakeNewItem(list, shown, withCode(kCheckOk), NewItemKind::Copy);
    ASSERT_TRUE(copy.item);
    EXPECT_EQ(copy.item->input(), shown);
}

TEST_F(ItemListRulesTest, AnItemThatDoesNotCheckIsNotCopied) {
    const NewItem refused = MakeNewItem(list, shown, withCode(kCheckNoAxialForce), NewItemKind::Copy);
    EXPECT_FALSE(refused.item);
    EXPECT_EQ(refused.refusal, ItemListRefusal::NotCheckable);
    EXPECT_EQ(refused.message, "現在のデータが未入力です。");
}

TEST_F(ItemListRulesTest, AProjectTheFileCouldNotHoldGetsNoNewItem) {
    list.Item(0).Name.assign(std::size_t{64} << 20U, 'x'); // the list alone fills what the reader takes
    const NewItem refused = MakeNewItem(list, shown, withCode(kCheckOk), NewItemKind::Add);
    EXPECT_FALSE(refused.item);
    EXPECT_EQ(refused.refusal, ItemListRefusal::ProjectTooLarge);
    EXPECT_EQ(refused.message.rfind("データを追加できません。\n", 0), 0U);
}

TEST_F(ItemListRulesTest, TheFirstItemIsNeverDeleted) {
    list.Append(ColumnMember());
    EXPECT_EQ(DeleteRefusal(list, 0), "先頭のデータは削除できません。");
    EXPECT_FALSE(DeleteRefusal(list, 1));
    EXPECT_TRUE(DeleteRefusal(list, 2));
}

TEST(ItemListControls, EndsCloseTheirWayOnAndOneItemClosesAll) {
    ItemListControls c = MakeItemListControls(1, 0);
    for (const ButtonControl* button :
         {&c.firstButton, &c.beforButton, &c.nextButton, &c.lastButton, &c.deleteButton, &c.arrangeButton})
        EXPECT_FALSE(button->enabled) << button->id;
    EXPECT_EQ(c.pagePanel.text, "1/1");

    c = MakeItemListControls(3, 0);
    EXPECT_FALSE(c.firstButton.enabled || c.beforButton.enabled || c.deleteButton.enabled);
    EXPECT_TRUE(c.nextButton.enabled && c.lastButton.enabled && c.arrangeButton.enabled);

    c = MakeItemListControls(3, 2);
    EXPECT_FALSE(c.nextButton.enabled || c.lastButton.enabled);
    EXPECT_TRUE(c.firstButton.enabled && c.beforButton.enabled && c.deleteButton.enabled);
    EXPECT_EQ(c.pagePanel.text, "3/3");
}

} // namespace
} // namespace tarvo
