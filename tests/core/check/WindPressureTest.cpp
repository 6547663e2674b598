#include "core/check/WindPressure.h"

#include <gtest/gtest.h>

#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

CommonData windProject(int standard, int rough, double height, int v0Index = 2) {
    CommonData common;
    common.WindCalcStandard = standard;
    common.RoughIndex = rough;
    common.BuildingHeight = height;
    common.V0Index = v0Index;
    common.Up_q = 1.0;
    return common;
}

TEST(VelocityPressure, Art87GustFactorOverTheHeightRange) {
    CommonData common = windProject(0, 2, 10.92); // V0 34 m/s, category Ⅲ
    EXPECT_TRUE(UpdateVelocityPressure(common));
    EXPECT_EQ(common.VelocityPressure, 1127.0); // 1126.7 rounded
    EXPECT_EQ(common.Zb, 5.0);
    EXPECT_EQ(common.Alpha, 0.20);

    common.BuildingHeight = 5.0; // Hr = Zb, Gf at its low end 2.5
    EXPECT_TRUE(UpdateVelocityPressure(common));
    EXPECT_EQ(common.VelocityPressure, 828.0);
    common.BuildingHeight = 45.0; // Gf at its high end 2.1
    EXPECT_TRUE(UpdateVelocityPressure(common));
    EXPECT_EQ(common.VelocityPressure, 1676.0);
}

TEST(VelocityPressure, IncreaseFactorAndBasicSpeed) {
    CommonData common = windProject(0, 2, 10.92);
    common.Up_q = 1.5;
    UpdateVelocityPressure(common);
    EXPECT_EQ(common.VelocityPressure, 1690.0); // 1690.08
    common = windProject(0, 2, 10.92, 0); // V0 30 m/s
    UpdateVelocityPressure(common);
    EXPECT_EQ(common.VelocityPressure, 877.0); // 877.2
}

TEST(VelocityPressure, CategoryIV) {
    CommonData art87 = windProject(0, 3, 10.92);
    UpdateVelocityPressure(art87);
    EXPECT_EQ(art87.Zb, 10.0);
    EXPECT_EQ(art87.Alpha, 0.27);
    EXPECT_EQ(art87.VelocityPressure, 743.0); // 742.6

    // Cladding pressures take category Ⅳ with the values of category Ⅲ, no Gf.
    CommonData cladding = windProject(1, 3, 10.92);
    UpdateVelocityPressure(cladding);
    EXPECT_EQ(cladding.Zb, 5.0);
    EXPECT_EQ(cladding.Alpha, 0.20);
    EXPECT_EQ(cladding.VelocityPressure, 453.0); // 452.9
}

TEST(VelocityPressure, NoBuildingHeightMeansNoWind) {
    CommonData common = windProject(0, 2, 10.92);
    UpdateVelocityPressure(common);
    common.BuildingHeight = 0;
    EXPECT_FALSE(UpdateVelocityPressure(common));
    EXPECT_EQ(common.VelocityPressure, 0.0);
}

TEST(AutoCf, Art87HeightDistribution) {
    CommonData common = windProject(0, 2, 8.0);
    UpdateVelocityPressure(common);
    EXPECT_NEAR(AutoCf(common, 3.0), 0.8629, 5e-5); // z below Zb counts as Zb
    EXPECT_NEAR(common.KzArt87, 0.8286, 5e-5);
    EXPECT_EQ(common.CfAuto, AutoCf(common, 3.0));
    EXPECT_NEAR(AutoCf(common, 6.0), 0.9130, 5e-5); // kz (6/8)^0.4

    common.BuildingHeight = 4.0; // not above Zb
    UpdateVelocityPressure(common);
    EXPECT_EQ(AutoCf(common, 3.0), 1.0);
    EXPECT_EQ(common.KzArt87, 1.0);
}

TEST(AutoCf, CladdingPeakPressure) {
    CommonData common = windProject(1, 2, 10.0);
    UpdateVelocityPressure(common);
    EXPECT_NEAR(AutoCf(common, 2.0), 2.8494, 5e-5);
    EXPECT_NEAR(common.Cpe, 0.7579, 5e-5);
    EXPECT_EQ(common.Gpe, 3.1);

    // Gpe runs linearly from its z ≦ 5 value to its z = 40 value.
    common.BuildingHeight = 30.0;
    UpdateVelocityPressure(common);
    AutoCf(common, 20.0);
    EXPECT_NEAR(common.Gpe, 2.7571, 5e-5);
    AutoCf(common, 60.0);
    EXPECT_DOUBLE_EQ(common.Gpe, 2.3);

    // Category Ⅰ at the top of a 40 m building; then the 2.2 floor.
    common = windProject(1, 0, 40.0);
    UpdateVelocityPressure(common);
    EXPECT_DOUBLE_EQ(AutoCf(common, 40.0), 2.4);
    EXPECT_EQ(common.Cpe, 1.0);
    EXPECT_DOUBLE_EQ(common.Gpe, 1.9);
    EXPECT_EQ(AutoCf(common, 5.0), 2.2); // (5/40)^0.2 × 2.2 + 0.5 = 1.95
}

TEST(AutoCf, CladdingCategoryIVUsesTheIIIGustFactors) {
    CommonData common = windProject(1, 3, 10.0);
    UpdateVelocityPressure(common);
    EXPECT_NEAR(AutoCf(common, 2.0), 2.8494, 5e-5);
    EXPECT_EQ(common.Gpe, 3.1);
}

ColumnMember windColumn(int shape) {
    ColumnMember item;
    item.Shape = shape;
    item.Cf = 1.0;
    item.WindWidth = 0.91;
    item.Lb = 2800;
    item.A = 110.25;
    item.As = 22.5;
    item.SectionModulus = 192.9375;
    item.Fk = 8.0;
    item.Fb = 28.2;
    item.Fs = 2.4;
    item.SigmaC[3] = 2.0;
    return item;
}

TEST(WindBending, MomentAndShearAreRoundedBeforeUse) {
    ColumnMember item = windColumn(kRectangular);
    CheckWindBendingAndShear(item, 1000.0);
    EXPECT_DOUBLE_EQ(item.Omega, 0.91);
    EXPECT_EQ(item.M, 0.89); // 0.8918
    EXPECT_EQ(item.Q, 1.27); // 1.274
    EXPECT_DOUBLE_EQ(item.SigmaB[3], 890.0 / 192.9375);
    EXPECT_NEAR(item.RatioCombined[3], 2.0 / (8.0 * 2 / 3) + 890.0 / 192.9375 / (28.2 * 2 / 3), 1e-12);
    EXPECT_DOUBLE_EQ(item.Tau[3], 1.5 * 1.27 * 10 / 22.5);
    EXPECT_NEAR(item.RatioShear[3], 0.52917, 5e-6);
    EXPECT_TRUE(item.OkCombined[3]);
    EXPECT_TRUE(item.OkShear[3]);

    item.Fs = 0.5; // τ 0.8467 > 0.5 × 2 / 3
    CheckWindBendingAndShear(item, 1000.0);
    EXPECT_FALSE(item.OkShear[3]);
}

TEST(WindBending, ShearFactorOfRoundSections) {
    ColumnMember item = windColumn(kRound);
    item.TenonB = 30;
    item.TenonD = 120;
    CheckWindBendingAndShear(item, 1000.0);
    EXPECT_DOUBLE_EQ(item.Tau[3], 4.0 / 3.0 * 1.27 * 10 / 22.5);
    item.TenonB = 0;
    CheckWindBendingAndShear(item, 1000.0);
    EXPECT_DOUBLE_EQ(item.Tau[3], 1.5 * 1.27 * 10 / 22.5);
}

TEST(WindBending, ZeroBendingLengthGivesNoMoment) {
    ColumnMember item = windColumn(kRectangular);
    item.Lb = 0;
    CheckWindBendingAndShear(item, 1000.0);
    EXPECT_EQ(item.M, 0.0);
    EXPECT_EQ(item.Q, 0.0);
}

} // namespace
} // namespace tarvo
