#include "gui/ui/ColumnMaterialPage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "FakePageContext.h"
#include "core/form/ColumnMaterialFormState.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {
namespace {

using test::chooseEntry;
using test::FakePageContext;

class ColumnMaterialPageTest : public ::testing::Test {
protected:
    explicit ColumnMaterialPageTest(test::SettingsFile settings = test::SettingsFile::None)
        : context(test::settingsPath(dir, settings)) {}

    void SetUp() override {
        page.setFont(test::windowFont());
        page.show();
        page.showItem();
        context.resetCounters();
    }

    template <class T = RadioGroup> T* control(const char* name) {
        T* widget = page.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    MatInputData& material() { return context.currentItem().ColumnMaterial; }
    FormContext formContext() { return {context.common(), context.catalogue()}; }
    // What the form makes of choosing `value` for `field` on the item `before`.
    MemberInputData formChoice(const MemberInputData& before, ItemFieldId field, int value) {
        return ChooseColumnMaterial(before, formContext(), field, value).value_or(before);
    }
    void showItem() {
        context.showing = true;
        page.showItem();
        context.showing = false;
    }
    void clickItem(const char* group, int index) { control(group)->button(index)->click(); }

    QTemporaryDir dir;
    FakePageContext context;
    ColumnMaterialPage page{context};
};

TEST_F(ColumnMaterialPageTest, InnerPagesAndGroupsCarryTheirCaptions) {
    auto* pages = page.findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0) + pages->tabText(1) + pages->tabText(2), "製　材集成材・LVL使用環境区分");
    QStringList boxes;
    for (const QGroupBox* box : page.findChildren<QGroupBox*>())
        if (qobject_cast<const RadioGroup*>(box) == nullptr) boxes.append(box->title());
    boxes.sort();
    EXPECT_EQ(boxes.join(','), "構造用単板積層材 ( LVL ),構造用製材,構造用集成材,２×４製材");
    EXPECT_EQ(control("LaminaComposition")->count(), 3); // lay-up 3 has no item
    EXPECT_EQ(control("LaminaKind")->items().last(), "べいすぎ ");
}

TEST_F(ColumnMaterialPageTest, PageFitsTheWindowWithTheLongestSpeciesList) {
    material().ProductStandardNormal = 2; // 21 species in two columns
    showItem();
    const QSize least = page.minimumSizeHint();
    EXPECT_LE(least.width(), 580);
    EXPECT_LE(least.height(), 470);
}

TEST_F(ColumnMaterialPageTest, ShowItemLoadsEveryControlAndCountsNothing) {
    MatInputData& m = material();
    m.ProductStandardNormal = 1;
    m.KindOfWood = {6, 4, 35, 0, 0};
    m.ProductStandard2x4 = 2;
    m.UseMSR = true;
    m.LaminaCompositionIndex = 0;
    m.LaminaCountIndex = 2;
    m.UnValuationLamina = true;
    m.LVL_Shear_Index = 6;
    m.UseEnvironIndex = 0;
    m.SelectProduct = kGlulam;
    const MatInputData stored = m;

    showItem();

    EXPECT_EQ(control<QComboBox>("ProductStandard")->currentIndex(), 1);
    EXPECT_EQ(control("TimberKind")->count(), 10); // machine-grade species
    EXPECT_EQ(control("TimberKind")->itemIndex(), 6);
    EXPECT_EQ(control<QComboBox>("ProductStandard2x4")->currentIndex(), 2);
    EXPECT_EQ(control("TimberKind2x4")->itemIndex(), 4);
    EXPECT_TRUE(control<QCheckBox>("UseMSR")->isChecked());
    EXPECT_EQ(control("LaminaComposition")->itemIndex(), 0);
    EXPECT_EQ(control("LaminaCount")->itemIndex(), 2);
    EXPECT_TRUE(control("LaminaCount")->isEnabled());
    EXPECT_EQ(control("LaminaKind")->itemIndex(), 35);
    EXPECT_TRUE(control<QCheckBox>("UnValuation")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("UnValuation")->isEnabled());
    EXPECT_EQ(control("LVL_ShearSelect")->itemIndex(), 6);
    EXPECT_EQ(control("EnvironSelect")->itemIndex(), 0);
    EXPECT_EQ(context.calls(), 0);
    EXPECT_EQ(material(), stored);
}

TEST_F(ColumnMaterialPageTest, ShowItemCorrectsOnlyTheSawnSpeciesBeyondItsList) {
    MatInputData& m = material();
    m.ProductStandardNormal = 0;
    m.KindOfWood = {15, 9, 50, 0, 0};
    m.LaminaCompositionIndex = 3; // asymmetric lay-up, only from stored data
    m.UnValuationLamina = true;

    showItem();

    EXPECT_EQ(m.KindOfWood[0], 0);
    EXPECT_EQ(control("TimberKind")->itemIndex(), 0);
    // Other stored indices stay as they are, shown as no choice.
    EXPECT_EQ(m.KindOfWood[1], 9);
    EXPECT_EQ(m.KindOfWood[2], 50);
    EXPECT_EQ(m.LaminaCompositionIndex, 3);
    EXPECT_EQ(control("LaminaKind")->itemIndex(), -1);
    EXPECT_FALSE(control("LaminaCount")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("UnValuation")->isEnabled());
    EXPECT_EQ(context.calls(), 0);
}

TEST_F(ColumnMaterialPageTest, SawnStandardRefillsSpeciesAndRefillsGradesOnlyForSawnColumn) {
    material().SelectProduct = kSawnLumber;
    material().ProductStandardNormal = 0;
    material().KindOfWood[0] = 9;
    showItem();

    MemberInputData before = context.currentItem().input();
    chooseEntry(control<QComboBox>("ProductStandard"), 1);
    EXPECT_EQ(material().ProductStandardNormal, 1);
    EXPECT_EQ(control("TimberKind")->count(), 10);
    EXPECT_EQ(control("TimberKind")->itemIndex(), 9);
    // The column's grade list followed the standard.
    EXPECT_EQ(context.currentItem().input(), formChoice(before, ItemFieldId::ProductStandardNormal, 1));

    context.resetCounters();
    material().SelectProduct = kGlulam;
    material().SelectGrade[0] = 5;
    before = context.currentItem().input();
    chooseEntry(control<QComboBox>("ProductStandard"), 2);
    EXPECT_EQ(material().ProductStandardNormal, 2);
    EXPECT_EQ(control("TimberKind")->columns(), 2); // 21 ungraded species
    EXPECT_EQ(context.currentItem().input(), formChoice(before, ItemFieldId::ProductStandardNormal, 2));
    EXPECT_EQ(material().SelectGrade[0], 5);
    EXPECT_GE(context.edits, 1);
}

TEST_F(ColumnMaterialPageTest, SawnSpeciesRefillsGradesOnlyForMachineGrades) {
    material().SelectProduct = kSawnLumber;
    material().ProductStandardNormal = 1;
    showItem();

    MemberInputData before = context.currentItem().input();
    clickItem("TimberKind", 6); // からまつ: the six-grade list from E50
    EXPECT_EQ(material().KindOfWood[0], 6);
    EXPECT_EQ(context.currentItem().input(), formChoice(before, ItemFieldId::KindOfWood0, 6));
    EXPECT_EQ(context.edits, 1);

    context.resetCounters();
    material().ProductStandardNormal = 0;
    showItem();
    before = context.currentItem().input();
    clickItem("TimberKind", 2);
    EXPECT_EQ(material().KindOfWood[0], 2);
    EXPECT_EQ(context.currentItem().input(), formChoice(before, ItemFieldId::KindOfWood0, 2));
    EXPECT_EQ(context.edits, 1);
}

TEST_F(ColumnMaterialPageTest, DimensionStandardAndMsrRefillOnlyForDimensionColumn) {
    material().SelectProduct = kDimensionLumber;
    showItem();
    MemberInputData before = context.currentItem().input();
    chooseEntry(control<QComboBox>("ProductStandard2x4"), 1);
    EXPECT_EQ(context.currentItem().input(), formChoice(before, ItemFieldId::ProductStandard2x4, 1));
    before = context.currentItem().input();
    control<QCheckBox>("UseMSR")->click();
    EXPECT_EQ(material().ProductStandard2x4, 1);
    EXPECT_TRUE(material().UseMSR);
    EXPECT_EQ(context.currentItem().input(),
              SetColumnMaterialFlag(before, formContext(), ItemFieldId::UseMSR, true).value_or(before));

    context.resetCounters();
    material().SelectProduct = kLvl;
    chooseEntry(control<QComboBox>("ProductStandard2x4"), 0);
    control<QCheckBox>("UseMSR")->click();
    clickItem("TimberKind2x4", 2);
    EXPECT_EQ(material().KindOfWood[1], 2);
    EXPECT_EQ(context.edits, 3);
}

TEST_F(ColumnMaterialPageTest, LayUpEnablesLaminaCountOrUnValuation) {
    material().SelectProduct = kGlulam;
    showItem();
    auto* count = control("LaminaCount");
    auto* unValuation = control<QCheckBox>("UnValuation");

    MemberInputData before = context.currentItem().input();
    clickItem("LaminaComposition", 0);
    EXPECT_EQ(material().LaminaCompositionIndex, 0);
    EXPECT_TRUE(count->isEnabled());
    EXPECT_FALSE(unValuation->isEnabled());
    EXPECT_EQ(context.currentItem().input(), formChoice(before, ItemFieldId::LaminaCompositionIndex, 0));
    EXPECT_EQ(context.edits, 1);

    before = context.currentItem().input();
    clickItem("LaminaCount", 1);
    EXPECT_EQ(material().LaminaCountIndex, 1);
    EXPECT_EQ(context.currentItem().input(), formChoice(before, ItemFieldId::LaminaCountIndex, 1));

    for (int layUp : {1, 2}) {
        before = context.currentItem().input();
        clickItem("LaminaComposition", layUp);
        EXPECT_EQ(material().LaminaCompositionIndex, layUp);
        EXPECT_FALSE(count->isEnabled());
        EXPECT_TRUE(unValuation->isEnabled());
        EXPECT_EQ(context.currentItem().input(), formChoice(before, ItemFieldId::LaminaCompositionIndex, layUp));
    }

    // Another product keeps its grade list.
    context.resetCounters();
    material().SelectProduct = kSawnLumber;
    clickItem("LaminaComposition", 0);
    EXPECT_TRUE(count->isEnabled());
    EXPECT_EQ(context.edits, 1);
}

TEST_F(ColumnMaterialPageTest, SpeciesShearClassAndEnvironmentStoreWithoutRefill) {
    material().SelectProduct = kGlulam;
    clickItem("LaminaKind", 20);
    control<QCheckBox>("UnValuation")->click();
    clickItem("LVL_ShearSelect", 3);
    clickItem("EnvironSelect", 1);
    EXPECT_EQ(material().KindOfWood[2], 20);
    EXPECT_TRUE(material().UnValuationLamina);
    EXPECT_EQ(material().LVL_Shear_Index, 3);
    EXPECT_EQ(material().UseEnvironIndex, 1);
    EXPECT_EQ(context.edits, 4);
}

class ColumnMaterialDefaultSaved : public ColumnMaterialPageTest {
protected:
    ColumnMaterialDefaultSaved() : ColumnMaterialPageTest(test::SettingsFile::Writable) {}
};

class ColumnMaterialDefaultBlocked : public ColumnMaterialPageTest {
protected:
    ColumnMaterialDefaultBlocked() : ColumnMaterialPageTest(test::SettingsFile::Blocked) {}
};

TEST_F(ColumnMaterialDefaultSaved, BothButtonsStoreTheColumnMaterial) {
    material().SelectProduct = kLvl;
    material().LVL_Shear_Index = 4;
    control<QPushButton>("DefaultButton4")->click();
    ASSERT_EQ(context.sink.entries.size(), 1U);
    EXPECT_EQ(context.sink.entries[0].kind, MessageKind::Information);
    // The written section reads back into a fresh set of defaults.
    EXPECT_EQ(CommonData(context.common().settingsFile()).ColumnMatDefault, material());

    material().UseEnvironIndex = 0;
    control<QPushButton>("DefaultButton3")->click();
    EXPECT_EQ(CommonData(context.common().settingsFile()).ColumnMatDefault.UseEnvironIndex, 0);
    EXPECT_EQ(context.edits, 0);
}

TEST_F(ColumnMaterialDefaultBlocked, FailedSaveReportsAndKeepsTheDefaultInMemory) {
    material().KindOfWood[2] = 17;
    control<QPushButton>("DefaultButton3")->click();
    ASSERT_EQ(context.sink.entries.size(), 1U);
    EXPECT_EQ(context.sink.entries[0].kind, MessageKind::Error);
    // The message, then the settings file and the system's reason.
    EXPECT_EQ(context.sink.entries[0].text.rfind(
                  "設定の保存に失敗しました。\n" + context.common().settingsFile().string() + "\n", 0),
              0U)
        << context.sink.entries[0].text;
    EXPECT_EQ(context.common().ColumnMatDefault.KindOfWood[2], 17);
}

} // namespace
} // namespace tarvo::gui
