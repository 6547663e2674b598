#include "gui/ui/CommonPage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "FakePageContext.h"
#include "gui/ui/NumLabeledEdit.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {
namespace {

using test::FakePageContext;

class CommonPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.setFont(test::windowFont());
        page.show();
    }
    template <class T> T* control(std::string_view id) {
        T* widget = page.findChild<T*>(QString::fromLatin1(id.data(), static_cast<qsizetype>(id.size())));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }

    FakePageContext context;
    CommonPage page{context};
};

TEST_F(CommonPageTest, DrawsTheFormStateOfTheProjectsConditions) {
    CommonInputData conditions = context.common().input();
    conditions.BuildingHeight = 9;
    conditions.V0Index = 3;
    conditions.RoughIndex = 2;
    conditions.WoodenStorey = {true, false, true, false};
    conditions.SnowEria = 1;
    ASSERT_TRUE(context.document().editCommon(conditions, 0));
    page.showProject();

    const CommonFormState s = MakeCommonFormState(context.common().input());
    EXPECT_EQ(control<QComboBox>("V0Select")->count(), 9);
    EXPECT_EQ(control<QComboBox>("V0Select")->currentText(), QStringLiteral("36"));
    EXPECT_EQ(control<QComboBox>("RoughSelect")->currentIndex(), s.roughSelect.selected);
    EXPECT_EQ(control<RadioGroup>("SnowEriaSelect")->itemIndex(), 1);
    for (const FlagControl& box : s.structCheckBoxes)
        EXPECT_EQ(control<QCheckBox>(box.id)->isChecked(), box.checked) << box.id;
    EXPECT_EQ(control<NumLabeledEdit>("BuildingHeight")->value(), 9);
    EXPECT_EQ(control<QLabel>("Velocity")->text().toStdString(), s.velocity.text);
    EXPECT_NE(s.velocity.text.find("N/m2"), std::string::npos);
}

TEST_F(CommonPageTest, OnlyAChoiceThatChangesTheConditionsIsCommitted) {
    page.showProject();
    QSignalSpy stale(&page, &CommonPage::woodenStoreyChanged);
    auto* speeds = control<QComboBox>("V0Select");
    test::chooseEntry(speeds, speeds->currentIndex());
    EXPECT_EQ(context.edits, 0);

    test::chooseEntry(speeds, 4);
    EXPECT_EQ(context.edits, 1);
    EXPECT_EQ(context.common().V0Index, 4);
    control<QCheckBox>("StructCheckBox3")->click();
    EXPECT_EQ(context.edits, 2);
    EXPECT_EQ(context.common().WoodenStorey[2], control<QCheckBox>("StructCheckBox3")->isChecked());
    EXPECT_EQ(stale.count(), 1);
}

TEST_F(CommonPageTest, AStoreyHeightPutsTheFloorListOutOfDateOnlyWithWind) {
    page.showProject();
    QSignalSpy stale(&page, &CommonPage::woodenStoreyChanged);
    const auto enter = [this](std::string_view id, const QString& text) {
        auto* field = control<NumLabeledEdit>(id);
        field->selectAll();
        QTest::keyClicks(field, text);
        field->commit();
    };
    enter("SecondFloorHeight", QStringLiteral("2.7"));
    EXPECT_EQ(context.common().FloorHeight[1], 2.7);
    EXPECT_EQ(stale.count(), 0); // without wind the list names the wooden storeys alone
    enter("BuildingHeight", QStringLiteral("7"));
    EXPECT_EQ(stale.count(), 1); // wind brings the direct entry
    enter("FirstFloorHeight", QStringLiteral("3.2"));
    EXPECT_EQ(stale.count(), 2); // and the storeys' mid-heights into Z
}

} // namespace
} // namespace tarvo::gui
