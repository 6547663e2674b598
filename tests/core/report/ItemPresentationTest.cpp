#include "core/report/ItemPresentation.h"

#include <gtest/gtest.h>

#include "core/check/ColumnCheck.h"
#include "core/check/WindPressure.h"
#include "core/material/MatDataBase.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

class ItemPresentationTest : public ::testing::Test {
protected:
    static ColumnMember column(double b, double d, int kind = kSawnLumber) {
        ColumnMember item;
        item.ColumnMaterial.SelectProduct = kind;
        item.B = b;
        item.D = d;
        item.Lkx = 2800;
        item.AxialForce = {10, 0, 0, 20, 0};
        return item;
    }
    void windOn() {
        common.BuildingHeight = 8;
        ASSERT_TRUE(UpdateVelocityPressure(common));
    }
    static void onWall(ColumnMember& item) {
        item.HeightZ = 3;
        item.WindWidth = 0.91;
    }

    // Checks and presents `item`; the outcome is kept as `outcome`.
    ItemPresentation present(const ColumnMember& item) {
        outcome = check.CheckColumn(item);
        return PresentItem(item, outcome, check);
    }

    MatDataBase catalogue;
    CommonData common;
    ColumnCheck check{catalogue, common};
    ColumnOutcome outcome;
};

TEST_F(ItemPresentationTest, MaterialTextsAsTheOutputsShowThem) {
    ColumnMember item = column(105, 105);
    item.BaseMaterial.SelectProduct = kGlulam;
    const ItemPresentation p1 = present(item);
    const MatData base = catalogue.lookupStrength(item.BaseMaterial, 204);
    ASSERT_FALSE(base.productName.empty());
    EXPECT_EQ(p1.base.speciesName, base.productName + "　" + base.speciesName);

    // An LVL names its shear class once wind is considered.
    ColumnMember lvl = column(150, 120, kLvl);
    outcome = check.CheckColumn(lvl);
    const std::string description = PresentItem(lvl, outcome, check).column.description;
    windOn();
    const ItemPresentation p2 = present(lvl);
    EXPECT_EQ(p2.column.description, description + " " + p2.column.shearClass);
    EXPECT_FALSE(p2.speciesInLatexMaterial); // no wall carried

    item.BaseMaterial.SelectProduct = kGlulamColumn; // bearing omitted: no label, no Fcv
    const ItemPresentation p3 = present(item);
    EXPECT_FALSE(p3.bearing);
    EXPECT_TRUE(p3.base.speciesName.empty());
}

// Wind bending is a positive moment: a wind check whose moment rounds to 0
// shows the wind case like any other, in every output alike.
TEST_F(ItemPresentationTest, WindBendingIsAPositiveMoment) {
    windOn();
    ColumnMember item = column(105, 105);
    onWall(item);
    const ItemPresentation p4 = present(item);
    EXPECT_TRUE(p4.windBending);
    EXPECT_TRUE(p4.windBendingCase(3));
    EXPECT_FALSE(p4.windBendingCase(0));
    EXPECT_TRUE(p4.autoCfShown);

    item.LbDirect = true;
    item.Lb = 100; // M = 0.001 kN·m rounds to 0.00
    const ItemPresentation p5 = present(item);
    ASSERT_TRUE(outcome.Wind);
    EXPECT_EQ(outcome.Wind->M, 0.0);
    EXPECT_FALSE(p5.windBending);
    EXPECT_FALSE(p5.windBendingCase(3));
    EXPECT_TRUE(p5.caseShown(3));

    item.CfDirect = true; // an entered Cf prints no coefficient of its own
    item.Cf = 1.0;
    outcome = check.CheckColumn(item);
    EXPECT_FALSE(PresentItem(item, outcome, check).autoCfShown);
}

TEST_F(ItemPresentationTest, NotesAndLinesFollowTheInputs) {
    windOn();
    ColumnMember item = column(120, 150, kGlulam);
    item.ColumnMaterial.LaminaCompositionIndex = 1;
    item.ColumnMaterial.UnValuationLamina = true;
    item.ColumnMaterial.UseEnvironIndex = 0;
    item.FcvUpper = true;
    const ItemPresentation p6 = present(item);
    EXPECT_FALSE(p6.unevaluatedLaminae); // only with wind on a wall carried
    EXPECT_TRUE(p6.speciesInPrintedMaterial);
    EXPECT_STREQ(p6.serviceClass, "Ⅰ");
    EXPECT_TRUE(p6.sillFactorsNote);
    EXPECT_EQ(p6.axes.shear, StrengthAxis::X);
    EXPECT_EQ(p6.axes.bending, StrengthAxis::X);

    onWall(item);
    const ItemPresentation p7 = present(item);
    EXPECT_TRUE(p7.unevaluatedLaminae);
    EXPECT_TRUE(p7.speciesInLatexMaterial);
    EXPECT_TRUE(p7.speciesLine);
    EXPECT_TRUE(p7.windDataLine);

    // Radii: one governing radius unless Lky is entered.
    EXPECT_EQ(p7.radiusForm, RadiusForm::Governing);
    EXPECT_EQ(p7.governingRadius, outcome.Section->Iy); // the width direction buckles
    EXPECT_TRUE(p7.sheetBothRadii);
    item.LkyDirect = true;
    item.Lky = 1000;
    outcome = check.CheckColumn(item);
    EXPECT_EQ(PresentItem(item, outcome, check).radiusForm, RadiusForm::Both);
}

} // namespace
} // namespace tarvo
