#include "core/check/WindPressure.h"

#include <gtest/gtest.h>

#include "core/check/CheckConditions.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

// V0 34 m/s unless told.
CommonData windProject(int standard, int rough, double height, int v0Index = 2) {
    CommonData common;
    common.WindCalcStandard = standard;
    common.RoughIndex = rough;
    common.BuildingHeight = height;
    common.V0Index = v0Index;
    return common;
}

double velocityPressure(CommonData common) {
    UpdateVelocityPressure(common);
    return common.VelocityPressure;
}

TEST(VelocityPressure, Art87WithGustFactor) {
    CommonData common = windProject(0, 2, 10.92);
    EXPECT_TRUE(UpdateVelocityPressure(common));
    EXPECT_EQ(common.VelocityPressure, 1127.0); // 1126.7
    EXPECT_EQ(common.Zb, 5.0);
    EXPECT_EQ(common.Alpha, 0.20);
    EXPECT_EQ(velocityPressure(windProject(0, 2, 5.0)), 828.0);      // Hr = Zb, Gf 2.5
    EXPECT_EQ(velocityPressure(windProject(0, 2, 45.0)), 1676.0);    // Gf 2.1
    EXPECT_EQ(velocityPressure(windProject(0, 2, 10.92, 0)), 877.0); // V0 30: 877.2
    common.Up_q = 1.5;
    EXPECT_EQ(velocityPressure(common), 1690.0); // 1690.08
}

TEST(VelocityPressure, CategoryIV) {
    CommonData art87 = windProject(0, 3, 10.92);
    UpdateVelocityPressure(art87);
    EXPECT_EQ(art87.Zb, 10.0);
    EXPECT_EQ(art87.Alpha, 0.27);
    EXPECT_EQ(art87.VelocityPressure, 743.0); // 742.6

    // Cladding pressures take category Ⅳ with the values of Ⅲ, and no Gf.
    CommonData cladding = windProject(1, 3, 10.92);
    UpdateVelocityPressure(cladding);
    EXPECT_EQ(cladding.Zb, 5.0);
    EXPECT_EQ(cladding.Alpha, 0.20);
    EXPECT_EQ(cladding.VelocityPressure, 453.0); // 452.9
    EXPECT_EQ(*AutoCf(CheckConditions::of(cladding), 2.0).Gpe, 3.1);
}

TEST(VelocityPressure, NoBuildingHeightMeansNoWind) {
    CommonData common = windProject(0, 2, 10.92);
    UpdateVelocityPressure(common);
    common.BuildingHeight = 0;
    EXPECT_FALSE(UpdateVelocityPressure(common));
    EXPECT_EQ(common.VelocityPressure, 0.0);
}

// The automatic Cf at height z with the conditions of `common`.
AutoCfCoefficients autoCf(CommonData& common, double z) {
    UpdateVelocityPressure(common);
    return AutoCf(CheckConditions::of(common), z);
}

TEST(AutoCf, Art87HeightDistribution) {
    CommonData common = windProject(0, 2, 8.0);
    const AutoCfCoefficients low = autoCf(common, 3.0);
    EXPECT_NEAR(low.CfAuto, 0.8629, 5e-5); // z below Zb counts as Zb
    EXPECT_NEAR(*low.KzArt87, 0.8286, 5e-5);
    EXPECT_FALSE(low.Cpe || low.Gpe);                      // coefficients of the other basis are not computed
    EXPECT_NEAR(autoCf(common, 6.0).CfAuto, 0.9130, 5e-5); // kz (6/8)^0.4
    common.BuildingHeight = 4.0;                           // not above Zb
    EXPECT_EQ(autoCf(common, 3.0).CfAuto, 1.0);
}

TEST(AutoCf, CladdingPeakPressure) {
    CommonData common = windProject(1, 2, 10.0);
    const AutoCfCoefficients low = autoCf(common, 2.0);
    EXPECT_NEAR(low.CfAuto, 2.8494, 5e-5);
    EXPECT_NEAR(*low.Cpe, 0.7579, 5e-5);
    EXPECT_EQ(*low.Gpe, 3.1);
    EXPECT_FALSE(low.KzArt87);

    // Gpe runs linearly from its z ≦ 5 value to its z = 40 value.
    common.BuildingHeight = 30.0;
    EXPECT_NEAR(*autoCf(common, 20.0).Gpe, 2.7571, 5e-5);
    EXPECT_DOUBLE_EQ(*autoCf(common, 60.0).Gpe, 2.3);

    common = windProject(1, 0, 40.0);
    const AutoCfCoefficients top = autoCf(common, 40.0);
    EXPECT_DOUBLE_EQ(top.CfAuto, 2.4);
    EXPECT_DOUBLE_EQ(*top.Gpe, 1.9);
    EXPECT_EQ(autoCf(common, 5.0).CfAuto, 2.2); // 1.95 raised to the floor
}

// The wind check within a check that reached the load cases: section,
// strengths in use, buckling strength and the wind case's σc given.
ColumnOutcome runningCheck() {
    ColumnOutcome o;
    o.Used.Cf = 1.0;
    o.Used.Lb = 2800;
    o.Section = SectionProperties{};
    o.Section->As = 22.5;
    o.Section->SectionModulus = 192.9375;
    o.Buckling = BucklingValues{1.0, 8.0};
    o.Strengths = StrengthsInUse{28.2, 2.4, 1.0};
    o.SigmaC[3] = 2.0;
    return o;
}

TEST(WindBending, RoundedMomentAndShear) {
    ColumnMember item;
    item.WindWidth = 0.91;
    ColumnOutcome o = runningCheck();
    CheckWindBendingAndShear(item, o, 1000.0);
    ASSERT_TRUE(o.Wind);
    EXPECT_DOUBLE_EQ(o.Wind->Omega, 0.91);
    EXPECT_EQ(o.Wind->M, 0.89); // 0.8918
    EXPECT_EQ(o.Wind->Q, 1.27); // 1.274
    EXPECT_DOUBLE_EQ(o.Wind->SigmaB, 890.0 / 192.9375);
    EXPECT_NEAR(o.Wind->RatioCombined, 2.0 / (8.0 * 2 / 3) + 890.0 / 192.9375 / (28.2 * 2 / 3), 1e-12);
    EXPECT_DOUBLE_EQ(o.Wind->Tau, 1.5 * 1.27 * 10 / 22.5);
    EXPECT_NEAR(o.Wind->RatioShear, 0.52917, 5e-6);
    EXPECT_TRUE(o.OkCombined[3] && o.OkShear[3]);
    EXPECT_TRUE(o.windBending());

    item.Shape = kRound; // a round section with a tenon: k = 4/3
    o = runningCheck();
    o.Used.TenonB = 30;
    o.Used.TenonD = 120;
    o.Strengths->Fs = 0.5;
    CheckWindBendingAndShear(item, o, 1000.0);
    EXPECT_DOUBLE_EQ(o.Wind->Tau, 4.0 / 3.0 * 1.27 * 10 / 22.5);
    EXPECT_FALSE(o.OkShear[3]);
    o = runningCheck();
    o.Used.Lb = 0;
    CheckWindBendingAndShear(item, o, 1000.0);
    EXPECT_EQ(o.Wind->M, 0.0);
    EXPECT_EQ(o.Wind->Q, 0.0);
    EXPECT_FALSE(o.windBending()); // a wind check without a moment has no bending lines
}

} // namespace
} // namespace tarvo
