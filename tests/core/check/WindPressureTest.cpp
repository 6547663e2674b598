#include "core/check/WindPressure.h"

#include <gtest/gtest.h>

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
    AutoCf(cladding, 2.0);
    EXPECT_EQ(cladding.Gpe, 3.1);
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
    common.BuildingHeight = 4.0;                    // not above Zb
    UpdateVelocityPressure(common);
    EXPECT_EQ(AutoCf(common, 3.0), 1.0);
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

    common = windProject(1, 0, 40.0);
    UpdateVelocityPressure(common);
    EXPECT_DOUBLE_EQ(AutoCf(common, 40.0), 2.4);
    EXPECT_DOUBLE_EQ(common.Gpe, 1.9);
    EXPECT_EQ(AutoCf(common, 5.0), 2.2); // 1.95 raised to the floor
}

TEST(WindBending, RoundedMomentAndShear) {
    ColumnMember item;
    item.Cf = 1.0;
    item.WindWidth = 0.91;
    item.Lb = 2800;
    item.As = 22.5;
    item.SectionModulus = 192.9375;
    item.Fk = 8.0;
    item.Fb = 28.2;
    item.Fs = 2.4;
    item.SigmaC[3] = 2.0;
    CheckWindBendingAndShear(item, 1000.0);
    EXPECT_DOUBLE_EQ(item.Omega, 0.91);
    EXPECT_EQ(item.M, 0.89); // 0.8918
    EXPECT_EQ(item.Q, 1.27); // 1.274
    EXPECT_DOUBLE_EQ(item.SigmaB[3], 890.0 / 192.9375);
    EXPECT_NEAR(item.RatioCombined[3], 2.0 / (8.0 * 2 / 3) + 890.0 / 192.9375 / (28.2 * 2 / 3), 1e-12);
    EXPECT_DOUBLE_EQ(item.Tau[3], 1.5 * 1.27 * 10 / 22.5);
    EXPECT_NEAR(item.RatioShear[3], 0.52917, 5e-6);
    EXPECT_TRUE(item.OkCombined[3] && item.OkShear[3]);

    item.Shape = kRound; // a round section with a tenon: k = 4/3
    item.TenonB = 30;
    item.TenonD = 120;
    item.Fs = 0.5;
    CheckWindBendingAndShear(item, 1000.0);
    EXPECT_DOUBLE_EQ(item.Tau[3], 4.0 / 3.0 * 1.27 * 10 / 22.5);
    EXPECT_FALSE(item.OkShear[3]);
    item.TenonB = 0;
    item.Lb = 0;
    CheckWindBendingAndShear(item, 1000.0);
    EXPECT_EQ(item.M, 0.0);
    EXPECT_EQ(item.Q, 0.0);
}

} // namespace
} // namespace tarvo
