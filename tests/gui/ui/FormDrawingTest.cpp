#include "gui/ui/FormDrawing.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include "core/project/ItemFields.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {
namespace {

ChoiceControl listOf(std::initializer_list<ChoiceEntry> entries, int selected) {
    ChoiceControl list;
    list.entries = entries;
    selectEntry(list, selected);
    return list;
}

TEST(FormDrawing, ListTakesTheEntriesAndTheChoiceWithoutSignallingAChoice) {
    QComboBox combo;
    QSignalSpy chosen(&combo, &QComboBox::currentIndexChanged);
    ChoiceControl list = listOf({{0, "任意"}, {204, " 204"}, {404, " 404"}}, 1);
    list.enabled = false;
    drawChoice(combo, list);
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(2), QStringLiteral(" 404"));
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_FALSE(combo.isEnabled());
    EXPECT_EQ(chosen.count(), 0);

    // None chosen shows an empty field; an editable list shows the form's text.
    drawChoice(combo, listOf({{0, "任意"}}, -1));
    EXPECT_EQ(combo.currentIndex(), -1);
    combo.setEditable(true);
    ChoiceControl typed = listOf({{0, "任意"}, {204, " 204"}}, 1);
    drawChoice(combo, typed);
    EXPECT_EQ(combo.currentText(), QStringLiteral(" 204"));
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(valueAt(typed, 1), 204);
    EXPECT_EQ(valueAt(typed, 2), -1);
    EXPECT_EQ(valueAt(typed, -1, 0), 0);
}

TEST(FormDrawing, RadioGroupKeepsItsButtonsWhileTheEntriesStayTheSame) {
    RadioGroup group(QStringLiteral("樹種"));
    QSignalSpy clicked(&group, &RadioGroup::itemClicked);
    ChoiceControl list = listOf({{0, "矩形"}, {1, "円形"}}, 1);
    list.columns = 2;
    drawChoice(group, list);
    QRadioButton* round = group.button(1);
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_EQ(group.columns(), 2);

    selectEntry(list, 0);
    drawChoice(group, list);
    EXPECT_EQ(group.button(1), round);
    EXPECT_EQ(group.itemIndex(), 0);
    // The round entry renamed: the buttons follow the form.
    list.entries[1].text = "円柱";
    drawChoice(group, list);
    EXPECT_EQ(group.items(), (QStringList{QStringLiteral("矩形"), QStringLiteral("円柱")}));
    EXPECT_EQ(group.itemIndex(), 0);
    EXPECT_EQ(clicked.count(), 0);
}

TEST(FormDrawing, FlagLabelAndFieldShowTheirControl) {
    QCheckBox box;
    QSignalSpy toggled(&box, &QCheckBox::toggled);
    drawFlag(box, {"CfDirect", true, false});
    EXPECT_TRUE(box.isChecked());
    EXPECT_FALSE(box.isEnabled());
    EXPECT_EQ(toggled.count(), 0);

    // A label without a text of the form keeps its own caption.
    QLabel label(QStringLiteral("等級"));
    drawLabel(label, {"Label6", "", false});
    EXPECT_EQ(label.text(), QStringLiteral("等級"));
    EXPECT_FALSE(label.isEnabled());
    drawLabel(label, {"Label6", "樹種", true});
    EXPECT_EQ(label.text(), QStringLiteral("樹種"));

    NumberEdit field;
    const ItemField& lky = itemField(ItemFieldId::Lky);
    applyFieldFormat(field.model(), *lky.format);
    field.holdValue(lky.whole);
    NumberControl<ItemFieldId> control{"LkyEdit", ItemFieldId::Lky, lky.format, false, 0, false, true};
    drawNumber(field, control);
    EXPECT_TRUE(field.text().isEmpty()); // 0 shows blank while the length follows Lkx
    EXPECT_FALSE(field.isEnabled());
    control.zeroVisible = true;
    control.enabled = true;
    drawNumber(field, control);
    EXPECT_EQ(field.text(), QStringLiteral("0"));
    EXPECT_TRUE(field.isEnabled());
    control.visible = false;
    drawNumber(field, control);
    EXPECT_TRUE(field.isHidden());
    control.visible = true;
    drawNumber(field, control);
    EXPECT_FALSE(field.isHidden());
}

} // namespace
} // namespace tarvo::gui
