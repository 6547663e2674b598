#include "gui/ui/BaseMaterialPage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "FakePageContext.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {
namespace {

using test::chooseEntry;
using test::FakePageContext;

class BaseMaterialPageTest : public ::testing::Test {
protected:
    explicit BaseMaterialPageTest(test::SettingsFile settings = test::SettingsFile::None)
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
    QRadioButton* productButton(int tag) {
        return control<QRadioButton>(QStringLiteral("BaseMatButton%1").arg(tag + 1).toLatin1().constData());
    }
    ColumnMember& item() { return context.currentItem(); }
    MatInputData& material() { return item().BaseMaterial; }
    void showItem() {
        context.showing = true;
        page.showItem();
        context.showing = false;
    }
    // Enabled states of the three species groups and of the bearing options.
    std::string enabling() {
        std::string states;
        for (const char* name : {"BaseMatGroup1", "BaseMatGroup2", "BaseMatGroup3"})
            states += control<QWidget>(name)->isEnabled() ? '1' : '0';
        states += ' ';
        for (const char* name : {"Fcv_Upper", "EndPosition", "SelectBaseName"})
            states += control<QWidget>(name)->isEnabled() ? '1' : '0';
        return states;
    }

    QTemporaryDir dir;
    FakePageContext context;
    BaseMaterialPage page{context};
};

TEST_F(BaseMaterialPageTest, ProductButtonsAndSpeciesGroups) {
    QStringList captions;
    for (int tag = 0; tag < 5; ++tag)
        captions.append(productButton(tag)->text());
    EXPECT_EQ(captions.join(','), "構造用製材,２×４製材,構造用集成材,LVL,めり込みの検討を省略");
    EXPECT_EQ(control("BaseMatGroup1")->count(), 21); // ungraded species
    EXPECT_EQ(control("BaseMatGroup3")->count(), 36); // lamina species
    EXPECT_EQ(control<QComboBox>("SelectBaseName")->count(), 5);
}

TEST_F(BaseMaterialPageTest, PageFitsTheWindow) {
    const QSize least = page.minimumSizeHint();
    EXPECT_LE(least.width(), 580);
    EXPECT_LE(least.height(), 470);
}

TEST_F(BaseMaterialPageTest, EachProductEnablesItsSpeciesGroupAndOmittedBearingNone) {
    const char* expected[] = {"100 111", "010 111", "001 111", "001 111", "000 000"};
    for (int tag : {4, 1, 2, 3, 0}) {
        productButton(tag)->click();
        EXPECT_EQ(material().SelectProduct, tag);
        EXPECT_EQ(enabling(), expected[tag]) << tag;
    }
    EXPECT_EQ(context.edits, 5);
}

TEST_F(BaseMaterialPageTest, GlulamAndLvlKeepTheirOwnSpecies) {
    material().KindOfWood = {0, 3, 7, 30, 0};
    showItem();
    auto* lamina = control("BaseMatGroup3");

    productButton(kGlulam)->click();
    EXPECT_EQ(lamina->itemIndex(), 7);
    lamina->button(12)->click();
    EXPECT_EQ(material().KindOfWood[kGlulam], 12);

    productButton(kLvl)->click();
    EXPECT_EQ(lamina->itemIndex(), 30);
    lamina->button(5)->click();
    EXPECT_EQ(material().KindOfWood[kLvl], 5);
    EXPECT_EQ(material().KindOfWood[kGlulam], 12);

    productButton(kGlulam)->click();
    EXPECT_EQ(lamina->itemIndex(), 12);
}

TEST_F(BaseMaterialPageTest, SawnAnd2x4SpeciesStoreInTheirSlots) {
    control("BaseMatGroup1")->button(20)->click();
    productButton(kDimensionLumber)->click();
    control("BaseMatGroup2")->button(4)->click();
    EXPECT_EQ(material().KindOfWood[kSawnLumber], 20);
    EXPECT_EQ(material().KindOfWood[kDimensionLumber], 4);
    EXPECT_EQ(context.edits, 3);
}

TEST_F(BaseMaterialPageTest, ShowItemLoadsEveryControlAndCountsNothing) {
    material().SelectProduct = kLvl;
    material().KindOfWood = {5, 2, 7, 30, 0};
    material().UseEndPosFcv = true;
    item().FcvUpper = true;
    item().BaseNameIndex = 3;
    const MemberInputData stored = item();

    showItem();

    EXPECT_TRUE(productButton(kLvl)->isChecked());
    EXPECT_EQ(control("BaseMatGroup1")->itemIndex(), 5);
    EXPECT_EQ(control("BaseMatGroup2")->itemIndex(), 2);
    EXPECT_EQ(control("BaseMatGroup3")->itemIndex(), 30);
    EXPECT_TRUE(control<QCheckBox>("Fcv_Upper")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("EndPosition")->isChecked());
    EXPECT_EQ(control<QComboBox>("SelectBaseName")->currentIndex(), 3);
    EXPECT_EQ(enabling(), "001 111");
    EXPECT_EQ(context.calls(), 0);
    EXPECT_EQ(static_cast<const MemberInputData&>(item()), stored);

    // An item without bearing check, then one with a product beyond the buttons.
    material().SelectProduct = kGlulamColumn;
    showItem();
    EXPECT_TRUE(productButton(kGlulamColumn)->isChecked());
    EXPECT_EQ(enabling(), "000 000");

    material().SelectProduct = 9;
    item().BaseNameIndex = 7;
    showItem();
    for (int tag = 0; tag < 5; ++tag)
        EXPECT_FALSE(productButton(tag)->isChecked()) << tag;
    EXPECT_EQ(enabling(), "000 111");
    EXPECT_EQ(control<QComboBox>("SelectBaseName")->currentIndex(), -1);
    EXPECT_EQ(item().BaseNameIndex, 7);
    EXPECT_EQ(context.calls(), 0);
}

TEST_F(BaseMaterialPageTest, BearingOptionsAndDisplayNameStoreIntoTheItem) {
    control<QCheckBox>("Fcv_Upper")->click();
    control<QCheckBox>("EndPosition")->click();
    chooseEntry(control<QComboBox>("SelectBaseName"), 2);
    EXPECT_TRUE(item().FcvUpper);
    EXPECT_TRUE(material().UseEndPosFcv);
    EXPECT_FALSE(item().ColumnMaterial.UseEndPosFcv);
    EXPECT_EQ(item().BaseNameIndex, 2);
    EXPECT_EQ(context.edits, 3);
}

class BaseMaterialDefaultSaved : public BaseMaterialPageTest {
protected:
    BaseMaterialDefaultSaved() : BaseMaterialPageTest(test::SettingsFile::Writable) {}
};

class BaseMaterialDefaultBlocked : public BaseMaterialPageTest {
protected:
    BaseMaterialDefaultBlocked() : BaseMaterialPageTest(test::SettingsFile::Blocked) {}
};

TEST_F(BaseMaterialDefaultSaved, ButtonStoresTheHorizontalMemberMaterial) {
    productButton(kLvl)->click();
    control("BaseMatGroup3")->button(9)->click();
    control<QPushButton>("DefaultButton2")->click();
    ASSERT_EQ(context.sink.entries.size(), 1U);
    EXPECT_EQ(context.sink.entries[0].kind, MessageKind::Information);
    const CommonData reread(context.common().settingsFile());
    EXPECT_EQ(reread.BaseMatDefault, material());
    QFile written(QString::fromStdString(context.common().settingsFile().string()));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_FALSE(written.readAll().contains("[ColumnMat Default]"));
}

TEST_F(BaseMaterialDefaultBlocked, FailedSaveReportsAndKeepsTheDefaultInMemory) {
    productButton(kDimensionLumber)->click();
    control<QPushButton>("DefaultButton2")->click();
    ASSERT_EQ(context.sink.entries.size(), 1U);
    EXPECT_EQ(context.sink.entries[0].kind, MessageKind::Error);
    // The message, then the settings file and the system's reason.
    EXPECT_EQ(context.sink.entries[0].text.rfind(
                  "設定の保存に失敗しました。\n" + context.common().settingsFile().string() + "\n", 0),
              0U)
        << context.sink.entries[0].text;
    EXPECT_EQ(context.common().BaseMatDefault.SelectProduct, kDimensionLumber);
}

} // namespace
} // namespace tarvo::gui
