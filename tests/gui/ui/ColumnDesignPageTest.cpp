#include "gui/ui/ColumnDesignPage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "FakePageContext.h"
#include "core/check/ColumnCheck.h"
#include "core/form/ColumnFormChoices.h"
#include "gui/ui/NumberEdit.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {
namespace {

using test::FakePageContext;

class ColumnDesignPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.setFont(test::windowFont());
        page.show();
    }
    void showItem() {
        context.showing = true;
        page.showItem();
        page.recomputeItem();
        context.showing = false;
        context.resetCounters();
    }
    template <class T> T* control(std::string_view id) {
        T* widget = page.findChild<T*>(QString::fromLatin1(id.data(), static_cast<qsizetype>(id.size())));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    MemberInputData& item() { return context.currentItem().input(); }
    FormContext formContext() { return {context.common(), context.catalogue()}; }
    ColumnFormState formState() {
        return MakeColumnFormState(item(), formContext(), context.check().CheckColumn(item()));
    }

    FakePageContext context;
    ColumnDesignPage page{context};
};

TEST_F(ColumnDesignPageTest, DrawsTheFormStateOfTheShownItem) {
    item().ColumnMaterial.SelectProduct = kDimensionLumber;
    item().SizeCode = 204;
    item().SubMembers = 2;
    item().LkyDirect = true;
    showItem();

    const ColumnFormState s = formState();
    for (const ItemNumberControl* field : s.numberFields()) {
        EXPECT_EQ(control<NumberEdit>(field->id)->isEnabled(), field->enabled) << field->id;
        EXPECT_EQ(control<NumberEdit>(field->id)->value(), field->value) << field->id;
    }
    for (const ChoiceControl* list : {&s.gradeSelect, &s.sizeSelect, &s.floorSelect}) {
        auto* combo = control<QComboBox>(list->id);
        EXPECT_EQ(combo->count(), static_cast<int>(list->entries.size())) << list->id;
        EXPECT_EQ(combo->currentIndex(), list->selected) << list->id;
        EXPECT_EQ(combo->isEnabled(), list->enabled) << list->id;
    }
    EXPECT_EQ(control<QComboBox>("SizeSelect")->currentText(), QStringLiteral(" 204"));
    EXPECT_EQ(control<RadioGroup>("ShapeSelect")->count(), 1);
    EXPECT_EQ(control<RadioGroup>("ProductKind")->columns(), s.productKind.columns);
    for (const FlagControl* box : {&s.lkyDirect, &s.lbDirect, &s.cfDirect, &s.autoDeduct, &s.useAxisX}) {
        EXPECT_EQ(control<QCheckBox>(box->id)->isChecked(), box->checked) << box->id;
        EXPECT_EQ(control<QCheckBox>(box->id)->isEnabled(), box->enabled) << box->id;
    }
    EXPECT_EQ(control<QLabel>("LabelLb")->isEnabled(), s.labelLb.enabled);
    EXPECT_EQ(control<QLabel>("MessageBord")->text().toStdString(), s.messageBord.text);
    EXPECT_EQ(context.calls(), 0);
}

TEST_F(ColumnDesignPageTest, AChoiceTakesTheFormsItemAndARefusedOneIsPutBack) {
    item().ColumnMaterial.SelectProduct = kDimensionLumber;
    showItem();
    auto* sizes = control<QComboBox>("SizeSelect");
    const int entry = sizes->findText(QStringLiteral(" 404"));
    ASSERT_GE(entry, 0);
    MemberInputData expected = *ChooseSize(item(), formContext(), 404);
    ApplyDerivedInputs(expected, context.check().CheckColumn(expected));
    test::chooseEntry(sizes, entry);
    EXPECT_EQ(item(), expected);
    EXPECT_EQ(context.edits, 1);
    EXPECT_FALSE(control<NumberEdit>("SubMembers")->isEnabled());

    // A typed size the list does not offer changes nothing and shows the
    // chosen entry again; one it offers is chosen by its code.
    const auto typeSize = [sizes](const QString& text) {
        sizes->lineEdit()->selectAll();
        QTest::keyClicks(sizes->lineEdit(), text);
        QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
    };
    const MemberInputData before = item();
    typeSize(QStringLiteral("999"));
    EXPECT_EQ(item(), before);
    EXPECT_EQ(sizes->currentText(), QStringLiteral(" 404"));
    EXPECT_EQ(context.edits, 1);
    typeSize(QStringLiteral("206"));
    EXPECT_EQ(item().SizeCode, 206);
    EXPECT_EQ(sizes->currentText(), QStringLiteral(" 206"));
    EXPECT_EQ(context.edits, 2);
}

} // namespace
} // namespace tarvo::gui
