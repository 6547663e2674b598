#include "core/check/ColumnCheck.h"

#include <gtest/gtest.h>

#include "core/check/WindPressure.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

// The default materials of column and horizontal member are ungraded sawn
// lumber of the first species: Fc 22.2, Fb 28.2, Fs 2.4, Fcv 9.0.
class ColumnCheckTest : public ::testing::Test {
protected:
    static ColumnMember column(double b, double d, double lkx = 2800) {
        ColumnMember item;
        item.B = b;
        item.D = d;
        item.Lkx = lkx;
        item.AxialForce[0] = 50;
        return item;
    }
    static ColumnMember roundColumn(double diameter, double lkx = 2800) {
        ColumnMember item = column(0, diameter, lkx);
        item.Shape = kRound;
        return item;
    }
    void setWind(double q) { common.VelocityPressure = q; }

    MatDataBase catalogue;
    CommonData common;
    ColumnCheck check{catalogue, common};
};

TEST_F(ColumnCheckTest, SawnSquareSection) {
    ColumnMember item = column(105, 105);
    EXPECT_EQ(check.CheckColumn(item), kCheckOk);
    EXPECT_EQ(item.ResultCode, kCheckOk);
    EXPECT_DOUBLE_EQ(item.A, 110.25);
    EXPECT_EQ(item.TenonB, 30.0);
    EXPECT_EQ(item.TenonD, 75.0);
    EXPECT_DOUBLE_EQ(item.Acv, 87.75);
    EXPECT_DOUBLE_EQ(item.As, 22.5);
    EXPECT_NEAR(item.Ix, 3.031, 5e-4);
    EXPECT_EQ(item.Ix, item.Iy);
    EXPECT_NEAR(item.SectionModulus, 192.94, 5e-3);
    EXPECT_NEAR(item.Lambda, 92.38, 5e-3);
    EXPECT_NEAR(item.Eta, 0.3762, 5e-5);
    EXPECT_EQ(item.Lky, 2800.0);
    EXPECT_EQ(item.Kz, 1.0);
    EXPECT_EQ(item.Fb, 28.2);
    EXPECT_EQ(item.Fs, 2.4);
    EXPECT_DOUBLE_EQ(item.SigmaC[0], 500.0 / 110.25);
    EXPECT_DOUBLE_EQ(item.SigmaCv[0], 500.0 / 87.75);
    EXPECT_EQ(item.SigmaC[1], 0.0); // cases without force are skipped
    EXPECT_TRUE(item.OkC[1]);
}

TEST_F(ColumnCheckTest, TenonRule) {
    ColumnMember item = column(150, 150);
    check.CheckColumn(item);
    EXPECT_EQ(item.TenonB, 38.0); // 37.5 rounds up
    EXPECT_EQ(item.TenonD, 120.0);

    item = column(120, 240); // width from the smaller, depth from the larger side
    check.CheckColumn(item);
    EXPECT_EQ(item.TenonB, 30.0);
    EXPECT_EQ(item.TenonD, 210.0);

    item = column(105, 105);
    item.AutoTenon = false;
    item.TenonB = 20;
    item.TenonD = 50;
    check.CheckColumn(item);
    EXPECT_EQ(item.TenonB, 20.0);
    EXPECT_DOUBLE_EQ(item.Acv, 100.25);
    EXPECT_DOUBLE_EQ(item.As, 10.0);
}

TEST_F(ColumnCheckTest, RoundSection) {
    ColumnMember item = roundColumn(150);
    EXPECT_EQ(check.CheckColumn(item), kCheckOk);
    EXPECT_NEAR(item.A, 176.71, 5e-3);
    EXPECT_EQ(item.Ix, 3.75);
    EXPECT_EQ(item.Iy, 3.75);
    EXPECT_NEAR(item.SectionModulus, 331.34, 5e-3);
    EXPECT_EQ(item.TenonB, 30.0);
    EXPECT_EQ(item.TenonD, 120.0);
    EXPECT_DOUBLE_EQ(item.As, 36.0);
    EXPECT_NEAR(item.Acv, 140.71, 5e-3);
}

TEST_F(ColumnCheckTest, BucklingFactorAndSlendernessLimit) {
    // Round 120 mm: radius of gyration 3 cm, so λ = Lkx / 30.
    struct Case { double lkx, lambda, eta; };
    for (const Case c : {Case{900, 30, 1.0}, Case{3000, 100, 0.30}, Case{3600, 120, 0.2083}, Case{4500, 150, 0.1333}}) {
        ColumnMember item = roundColumn(120, c.lkx);
        EXPECT_EQ(check.CheckColumn(item), kCheckOk) << c.lkx;
        EXPECT_EQ(item.Lambda, c.lambda);
        EXPECT_NEAR(item.Eta, c.eta, 5e-5) << c.lkx;
        EXPECT_DOUBLE_EQ(item.Fk, item.Eta * 22.2);
    }
    ColumnMember item = roundColumn(120, 4500.3);
    EXPECT_EQ(check.CheckColumn(item), kCheckTooSlender);
    EXPECT_NEAR(item.Lambda, 150.01, 1e-9);
    EXPECT_EQ(CheckResultMessage(kCheckTooSlender), "細長比が 150 を超えています。");
}

TEST_F(ColumnCheckTest, SizeFactorOfDeepSections) {
    ColumnMember item = column(120, 360);
    check.CheckColumn(item);
    EXPECT_NEAR(item.Kz, 0.9799, 5e-5);
    EXPECT_DOUBLE_EQ(item.Fb, 28.2 * item.Kz);
    item = column(120, 300);
    check.CheckColumn(item);
    EXPECT_EQ(item.Kz, 1.0);
}

TEST_F(ColumnCheckTest, LengthsFollowTheBucklingLength) {
    ColumnMember item = column(105, 105);
    item.Lky = 1000;
    item.Lb = 1000;
    item.LbDirect = true;
    check.CheckColumn(item);
    EXPECT_EQ(item.Lky, 2800.0);
    EXPECT_EQ(item.Lb, 0.0); // no wind: no bending length even when entered

    setWind(1000);
    item.Lky = 1000;
    item.LkyDirect = true;
    item.Lb = 1500;
    check.CheckColumn(item);
    EXPECT_EQ(item.Lky, 1000.0);
    EXPECT_EQ(item.Lb, 1500.0);
    item.LbDirect = false;
    check.CheckColumn(item);
    EXPECT_EQ(item.Lb, 2800.0);

    // The larger slenderness governs: 46.19 about the depth, 65.98 about the width.
    item = column(105, 210);
    item.Lky = 2000;
    item.LkyDirect = true;
    check.CheckColumn(item);
    EXPECT_NEAR(item.Lambda, 65.98, 5e-3);
    item.Lky = 1000;
    check.CheckColumn(item);
    EXPECT_NEAR(item.Lambda, 46.19, 5e-3);
}

TEST_F(ColumnCheckTest, ResultCodesInStepOrder) {
    ColumnMember item = column(0, 0);
    item.ColumnMaterial.SelectProduct = kGlulamColumn;
    EXPECT_EQ(check.CheckColumn(item), kCheckNoSection); // before the range
    item.ColumnMaterial.SelectProduct = kSawnLumber;
    item.ColumnMaterial.KindOfWood[0] = 99;
    EXPECT_EQ(check.CheckColumn(item), kCheckNoSection); // before the strengths

    item = column(105, 105, 0);
    EXPECT_EQ(check.CheckColumn(item), kCheckNoBucklingLength);
    EXPECT_EQ(item.Lambda, 0.0);

    item = column(105, 105);
    item.AxialForce[0] = 0;
    EXPECT_EQ(check.CheckColumn(item), kCheckNoAxialForce);
    EXPECT_DOUBLE_EQ(item.A, 110.25);
    EXPECT_NEAR(item.Lambda, 92.38, 5e-3);
    EXPECT_TRUE(item.OkC[0] && item.OkCv[0]);

    for (int code : {0, 1, 2, 4, 5, 6}) EXPECT_TRUE(CheckResultMessage(code).empty()) << code;
}

TEST_F(ColumnCheckTest, GlulamColumnRangeOfApplication) {
    for (auto [b, d] : {std::pair{89.0, 120.0}, std::pair{90.0, 136.0}, std::pair{136.0, 90.0}}) {
        ColumnMember item = column(b, d);
        item.ColumnMaterial.SelectProduct = kGlulamColumn;
        EXPECT_EQ(check.CheckColumn(item), kCheckGlulamColumnRange) << b << "x" << d;
        EXPECT_EQ(item.Acv, 0.0); // stopped before the bearing area
    }
    EXPECT_EQ(CheckResultMessage(kCheckGlulamColumnRange), "化粧梁構造用集成柱の適用範囲　90≦b,D≦135");
}

TEST_F(ColumnCheckTest, UnevaluatedLaminaeNeedWidthNotAboveDepth) {
    ColumnMember item = column(150, 120);
    item.ColumnMaterial.SelectProduct = kGlulam;
    item.ColumnMaterial.LaminaCompositionIndex = 2;
    item.ColumnMaterial.UnValuationLamina = true;
    EXPECT_EQ(check.CheckColumn(item), kCheckUnevaluatedLaminaWidth);
    EXPECT_EQ(CheckResultMessage(kCheckUnevaluatedLaminaWidth), "幅はぎ未評価ラミナを含む場合 b≦D");
    item.ColumnMaterial.LaminaCompositionIndex = 0; // same-grade lay-up is not affected
    EXPECT_NE(check.CheckColumn(item), kCheckUnevaluatedLaminaWidth);
}

TEST_F(ColumnCheckTest, RatioOfExactlyOneIsOk) {
    // 100 × 100, λ below 30: allowable 22.2 × 1.1 / 3 and σc = N / 10.
    ColumnMember item = column(100, 100, 500);
    item.AxialForce[0] = 81.4;
    check.CheckColumn(item);
    EXPECT_EQ(item.RatioC[0], 1.0);
    EXPECT_TRUE(item.OkC[0]);
    item.AxialForce[0] = 81.41;
    check.CheckColumn(item);
    EXPECT_FALSE(item.OkC[0]);
}

TEST_F(ColumnCheckTest, BearingFactors) {
    // 100 × 100 with tenon 30 × 70: Acv 79; Fcv 9.0.
    ColumnMember item = column(100, 100, 500);
    item.AxialForce = {35.55, 0, 47.4, 0, 0};
    check.CheckColumn(item);
    EXPECT_EQ(check.BearingFactors(), (PerLoadCase<double>{1.1, 1.43, 1.6, 2.0, 2.0}));
    EXPECT_FALSE(item.OkCv[0]);
    EXPECT_NEAR(item.RatioCv[0], 4.5 / 3.3, 1e-12);

    item.FcvUpper = true;
    check.CheckColumn(item);
    EXPECT_EQ(check.BearingFactors(), (PerLoadCase<double>{1.5, 1.5, 2.0, 2.0, 2.0}));
    EXPECT_EQ(item.RatioCv[0], 1.0); // 1.5 / 3 × Fcv
    EXPECT_EQ(item.RatioCv[2], 1.0); // 2.0 / 3 × Fcv
    EXPECT_TRUE(item.OkCv[0] && item.OkCv[2]);
}

TEST_F(ColumnCheckTest, HorizontalMemberTakesTheColumnsUseEnvironment) {
    ColumnMember item = column(105, 105);
    item.ColumnMaterial.UseEnvironIndex = 0;
    check.CheckColumn(item);
    EXPECT_EQ(item.BaseMaterial.UseEnvironIndex, 0);
    EXPECT_DOUBLE_EQ(item.BaseStrength.Fcv, 9.0 * 0.7);
    EXPECT_DOUBLE_EQ(item.Fk, item.Eta * 22.2 * 0.7);
}

TEST_F(ColumnCheckTest, OmittedBearingCheck) {
    ColumnMember item = column(105, 105);
    item.BaseMaterial.SelectProduct = kGlulamColumn;
    item.AutoTenon = false;
    item.TenonB = 105; // a tenon as large as the section is no matter here
    item.TenonD = 105;
    EXPECT_EQ(check.CheckColumn(item), kCheckOk);
    EXPECT_TRUE(check.BaseDisplayName().empty());
    EXPECT_EQ(item.BaseStrength.Fcv, 9999.0);
    EXPECT_EQ(item.SigmaCv[0], 0.0);
    EXPECT_TRUE(item.OkCv[0]);
}

TEST_F(ColumnCheckTest, BaseDisplayName) {
    ColumnMember item = column(105, 105);
    check.CheckColumn(item);
    EXPECT_EQ(check.BaseDisplayName(), "梁材"); // no wooden storey at all
    common.WoodenStorey = {false, true, true, false};
    item.FloorIndex = 2;
    check.CheckColumn(item);
    EXPECT_EQ(check.BaseDisplayName(), "土台");
    item.FloorIndex = 3;
    check.CheckColumn(item);
    EXPECT_EQ(check.BaseDisplayName(), "梁材");
    item.FloorIndex = 0;
    check.CheckColumn(item);
    EXPECT_EQ(check.BaseDisplayName(), "横架材");
    item.BaseMaterial.SelectProduct = kDimensionLumber;
    check.CheckColumn(item);
    EXPECT_EQ(check.BaseDisplayName(), "下枠");

    const char* names[] = {"土台", "梁材", "下枠", "横架材"};
    for (int index = 1; index <= 4; ++index) {
        item.BaseNameIndex = index;
        check.CheckColumn(item);
        EXPECT_EQ(check.BaseDisplayName(), names[index - 1]);
    }
}

TEST_F(ColumnCheckTest, WindCaseThroughTheCheck) {
    ColumnMember item = column(105, 105);
    item.AxialForce[3] = 20;
    check.CheckColumn(item);
    EXPECT_EQ(item.M, 0.0); // no wind
    EXPECT_EQ(item.RatioCombined[3], 0.0);

    setWind(1000);
    item.HeightZ = 3;
    item.WindWidth = 0.91;
    item.Cf = 1.0;
    item.CfDirect = true;
    EXPECT_EQ(check.CheckColumn(item), kCheckOk);
    EXPECT_EQ(item.Cf, 1.0); // a direct Cf survives
    EXPECT_EQ(item.M, 0.89);
    EXPECT_EQ(item.Q, 1.27);
    EXPECT_DOUBLE_EQ(item.SigmaB[3], 890.0 / item.SectionModulus);
    EXPECT_DOUBLE_EQ(item.Tau[3], 1.5 * 1.27 * 10 / 22.5);
    EXPECT_EQ(item.SigmaB[0], 0.0); // only the wind case bends

    item.WindWidth = 0; // no wall carried: no bending
    check.CheckColumn(item);
    EXPECT_EQ(item.M, 0.0);
}

TEST_F(ColumnCheckTest, AutomaticCf) {
    common.BuildingHeight = 8;
    ASSERT_TRUE(UpdateVelocityPressure(common));
    ColumnMember item = column(105, 105);
    item.Cf = 5.0;
    item.HeightZ = 3;
    item.WindWidth = 0.91;
    check.CheckColumn(item);
    EXPECT_NEAR(item.Cf, 0.8629, 5e-5);
    EXPECT_EQ(common.CfAuto, item.Cf);

    item.HeightZ = 0; // no automatic Cf without a height
    check.CheckColumn(item);
    EXPECT_EQ(item.Cf, 0.0);
}

TEST_F(ColumnCheckTest, ZeroDivisorsAreRefused) {
    ColumnMember item = column(105, 105);
    item.AutoTenon = false;
    item.TenonB = 105;
    item.TenonD = 105;
    EXPECT_EQ(check.CheckColumn(item), kCheckNoBearingArea);

    item = roundColumn(150);
    item.AutoTenon = false;
    item.TenonB = 0;
    item.TenonD = 0;
    EXPECT_EQ(check.CheckColumn(item), kCheckNoShearArea);

    // A damaged file: a round column of no pieces has no section modulus.
    setWind(1000);
    item = roundColumn(150);
    item.SubMembers = -1;
    item.AxialForce[3] = 20;
    item.HeightZ = 3;
    item.WindWidth = 0.91;
    item.CfDirect = true;
    item.Cf = 1;
    EXPECT_EQ(check.CheckColumn(item), kCheckNoSectionModulus);
    item.AxialForce[3] = 0; // no wind bending to check
    EXPECT_EQ(check.CheckColumn(item), kCheckOk);

    item = column(105, 105);
    item.ColumnMaterial.KindOfWood[0] = 99; // beyond the species table
    EXPECT_EQ(check.CheckColumn(item), kCheckColumnMaterialWithoutStrengths);

    item = column(105, 105);
    item.BaseMaterial.KindOfWood[0] = 99;
    EXPECT_EQ(check.CheckColumn(item), kCheckBaseMaterialWithoutStrengths);

    for (int code = kCheckNoBearingArea; code <= kCheckBaseMaterialWithoutStrengths; ++code) {
        EXPECT_FALSE(CheckResultMessage(code).empty()) << code;
    }
}

TEST_F(ColumnCheckTest, EarlyReturnLeavesNoEarlierResults) {
    setWind(1000);
    ColumnMember item = column(105, 105);
    item.AxialForce = {50, 50, 50, 50, 50};
    item.HeightZ = 3;
    item.WindWidth = 0.91;
    item.CfDirect = true;
    item.Cf = 1;
    ASSERT_EQ(check.CheckColumn(item), kCheckOk);
    ASSERT_GT(item.M, 0.0);

    item.Lkx = 0;
    EXPECT_EQ(check.CheckColumn(item), kCheckNoBucklingLength);
    EXPECT_DOUBLE_EQ(item.As, 22.5); // steps before the stop are filled
    EXPECT_EQ(item.Eta, 0.0);
    EXPECT_EQ(item.Fk, 0.0);
    EXPECT_EQ(item.Omega, 0.0);
    EXPECT_EQ(item.M, 0.0);
    EXPECT_EQ(item.Q, 0.0);
    EXPECT_EQ(item.SigmaC, PerLoadCase<double>{});
    EXPECT_EQ(item.RatioCombined, PerLoadCase<double>{});
    EXPECT_EQ(item.RatioCv, PerLoadCase<double>{});
    EXPECT_EQ(item.OkC, PerLoadCase<bool>{});

    item.B = 0;
    EXPECT_EQ(check.CheckColumn(item), kCheckNoSection);
    EXPECT_EQ(item.As, 0.0);
    EXPECT_EQ(item.Ix, 0.0);
    EXPECT_EQ(item.Fb, 0.0);
    EXPECT_EQ(item.ResultCode, kCheckNoSection);
    EXPECT_EQ(item.ColumnStrength.Fc, 22.2); // the lookups still run
}

} // namespace
} // namespace tarvo
