#include "core/check/ColumnCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

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
    static ColumnMember column(double b, double d, double lkx = 2800, int kind = kSawnLumber) {
        ColumnMember item;
        item.ColumnMaterial.SelectProduct = kind;
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
    // Wind of q = 1000 on a wall 0.91 m wide with Cf 1.0 at the wind case.
    void addWind(ColumnMember& item) {
        common.VelocityPressure = 1000;
        item.AxialForce[3] = 20;
        item.HeightZ = 3;
        item.WindWidth = 0.91;
        item.Cf = 1.0;
        item.CfDirect = true;
    }

    // Checks `item`; its outcome is `r`.
    std::int32_t run(const ColumnMember& item) {
        r = check.CheckColumn(item);
        return r.ResultCode;
    }

    MatDataBase catalogue;
    CommonData common;
    ColumnCheck check{catalogue, common};
    ColumnOutcome r;
};

TEST_F(ColumnCheckTest, SectionsAndTenons) {
    ColumnMember item = column(105, 105);
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_EQ(r.ResultCode, kCheckOk);
    EXPECT_DOUBLE_EQ(r.A, 110.25);
    EXPECT_EQ(r.Used.TenonB, 30.0);
    EXPECT_EQ(r.Used.TenonD, 75.0);
    EXPECT_DOUBLE_EQ(r.Section->Acv, 87.75);
    EXPECT_DOUBLE_EQ(r.Section->As, 22.5);
    EXPECT_NEAR(r.Section->Ix, 3.031, 5e-4);
    EXPECT_EQ(r.Section->Ix, r.Section->Iy);
    EXPECT_NEAR(r.Section->SectionModulus, 192.94, 5e-3);
    EXPECT_NEAR(*r.Lambda, 92.38, 5e-3);
    EXPECT_NEAR(r.Buckling->Eta, 0.3762, 5e-5);
    EXPECT_DOUBLE_EQ(r.SigmaCv[0], 500.0 / 87.75);

    item = column(150, 150);
    run(item);
    EXPECT_EQ(r.Used.TenonB, 38.0); // 37.5 rounds up
    EXPECT_EQ(r.Used.TenonD, 120.0);

    item = roundColumn(150);
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_NEAR(r.A, 176.71, 5e-3);
    EXPECT_EQ(r.Section->Ix, 3.75);
    EXPECT_EQ(r.Section->Iy, 3.75);
    EXPECT_NEAR(r.Section->SectionModulus, 331.34, 5e-3);
    EXPECT_EQ(r.Used.TenonB, 30.0);
    EXPECT_EQ(r.Used.TenonD, 120.0);
    EXPECT_DOUBLE_EQ(r.Section->As, 36.0);
    EXPECT_NEAR(r.Section->Acv, 140.71, 5e-3);
    addWind(item);
    run(item);
    EXPECT_DOUBLE_EQ(r.Wind->Tau, 4.0 / 3.0 * r.Wind->Q * 10 / 36.0);

    item = column(105, 105); // an entered tenon is used as it stands
    item.AutoTenon = false;
    item.TenonB = 20;
    item.TenonD = 50;
    run(item);
    EXPECT_DOUBLE_EQ(r.Section->Acv, 100.25);
    EXPECT_DOUBLE_EQ(r.Section->As, 10.0);
}

TEST_F(ColumnCheckTest, BucklingAndSlenderness) {
    // Round 120 mm: radius of gyration 3 cm, so λ = Lkx / 30.
    struct Case {
        double lkx, lambda, eta;
    };
    for (const Case c : {Case{900, 30, 1.0}, Case{3000, 100, 0.30}, Case{3600, 120, 0.2083}, Case{4500, 150, 0.1333}}) {
        ColumnMember item = roundColumn(120, c.lkx);
        EXPECT_EQ(run(item), kCheckOk) << c.lkx;
        EXPECT_EQ(*r.Lambda, c.lambda);
        EXPECT_NEAR(r.Buckling->Eta, c.eta, 5e-5) << c.lkx;
        EXPECT_DOUBLE_EQ(r.Buckling->Fk, r.Buckling->Eta * 22.2);
    }
    ColumnMember item = roundColumn(120, 4500.3);
    EXPECT_EQ(run(item), kCheckTooSlender);
    EXPECT_NEAR(*r.Lambda, 150.01, 1e-9);
    EXPECT_EQ(CheckResultMessage(kCheckTooSlender), "細長比が 150 を超えています。");

    // Lky follows Lkx unless entered; the larger slenderness governs.
    item = column(105, 210);
    run(item);
    EXPECT_EQ(r.Used.Lky, 2800.0);
    EXPECT_TRUE(r.Derived.Lky);
    EXPECT_EQ(item.Lky, 0.0); // the item keeps its own input
    item.Lky = 2000;
    item.LkyDirect = true;
    run(item);
    EXPECT_NEAR(*r.Lambda, 65.98, 5e-3); // width direction
    item.Lky = 1000;
    run(item);
    EXPECT_NEAR(*r.Lambda, 46.19, 5e-3); // depth direction
}

TEST_F(ColumnCheckTest, GoverningRadiusGivesTheSlenderness) {
    ColumnMember deep = column(120, 240, 3000); // buckles about its width
    ASSERT_EQ(run(deep), kCheckOk);
    EXPECT_EQ(GoverningRadius(deep, r), r.Section->Iy);
    EXPECT_NEAR(0.1 * deep.Lkx / GoverningRadius(deep, r), *r.Lambda, 1e-9);

    ColumnMember square = column(105, 105);
    ASSERT_EQ(run(square), kCheckOk);
    EXPECT_EQ(GoverningRadius(square, r), r.Section->Ix);

    // 2x4 lumber buckles in the depth direction only (Lky 0).
    ColumnMember stud = column(38, 89, 2400, kDimensionLumber);
    stud.SizeCode = 204;
    ASSERT_EQ(run(stud), kCheckOk);
    EXPECT_EQ(GoverningRadius(stud, r), r.Section->Ix);
}

TEST_F(ColumnCheckTest, SizeFactor) {
    ColumnMember item = column(120, 360);
    run(item);
    EXPECT_NEAR(r.Strengths->Kz, 0.9799, 5e-5);
    EXPECT_DOUBLE_EQ(r.Strengths->Fb, 28.2 * r.Strengths->Kz);
    item = column(120, 360, 2800, kLvl);
    run(item);
    EXPECT_NEAR(r.Strengths->Kz, 0.9755, 5e-5);
    item = column(120, 300);
    run(item);
    EXPECT_EQ(r.Strengths->Kz, 1.0);
}

TEST_F(ColumnCheckTest, ResultCodesInStepOrder) {
    ColumnMember item = column(0, 0, 2800, kGlulamColumn);
    EXPECT_EQ(run(item), kCheckNoSection); // before the range
    item = column(0, 0);
    item.ColumnMaterial.KindOfWood[0] = 99;
    EXPECT_EQ(run(item), kCheckNoSection); // before the strengths

    item = column(105, 105, 0);
    EXPECT_EQ(run(item), kCheckNoBucklingLength);
    EXPECT_FALSE(r.Lambda);

    item = column(105, 105);
    item.AxialForce[0] = 0;
    EXPECT_EQ(run(item), kCheckNoAxialForce);
    EXPECT_DOUBLE_EQ(r.A, 110.25);
    EXPECT_NEAR(*r.Lambda, 92.38, 5e-3);

    for (auto [b, d] : {std::pair{89.0, 120.0}, std::pair{90.0, 136.0}, std::pair{136.0, 90.0}}) {
        item = column(b, d, 2800, kGlulamColumn);
        EXPECT_EQ(run(item), kCheckGlulamColumnRange) << b << "x" << d;
    }
    item = column(90, 135, 2800, kGlulamColumn);
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_EQ(CheckResultMessage(kCheckGlulamColumnRange), "化粧梁構造用集成柱の適用範囲　90≦b,D≦135");

    item = column(150, 120, 2800, kGlulam);
    item.ColumnMaterial.LaminaCompositionIndex = 2;
    item.ColumnMaterial.UnValuationLamina = true;
    EXPECT_EQ(run(item), kCheckUnevaluatedLaminaWidth);
    EXPECT_EQ(CheckResultMessage(kCheckUnevaluatedLaminaWidth), "幅はぎ未評価ラミナを含む場合 b≦D");

    for (int code : {0, 1, 2, 4, 5, 6})
        EXPECT_TRUE(CheckResultMessage(code).empty()) << code;
}

TEST_F(ColumnCheckTest, RatioOfExactlyOneIsOk) {
    // 100 × 100, λ below 30: allowable 22.2 × 1.1 / 3 and σc = N / 10.
    ColumnMember item = column(100, 100, 500);
    item.AxialForce[0] = 81.4;
    run(item);
    EXPECT_EQ(r.RatioC[0], 1.0);
    EXPECT_TRUE(r.OkC[0]);
    item.AxialForce[0] = 81.41;
    run(item);
    EXPECT_FALSE(r.OkC[0]);
}

TEST_F(ColumnCheckTest, Bearing) {
    // 100 × 100 with tenon 30 × 70: Acv 79; Fcv 9.0.
    ColumnMember item = column(100, 100, 500);
    item.AxialForce = {35.55, 0, 47.4, 0, 0};
    run(item);
    EXPECT_EQ(*r.BearingFactors, (PerLoadCase<double>{1.1, 1.43, 1.6, 2.0, 2.0}));
    EXPECT_NEAR(r.RatioCv[0], 4.5 / 3.3, 1e-12);
    item.FcvUpper = true;
    run(item);
    EXPECT_EQ(*r.BearingFactors, (PerLoadCase<double>{1.5, 1.5, 2.0, 2.0, 2.0}));
    EXPECT_EQ(r.RatioCv[0], 1.0); // 1.5 / 3 × Fcv
    EXPECT_EQ(r.RatioCv[2], 1.0); // 2.0 / 3 × Fcv
    EXPECT_TRUE(r.OkCv[0] && r.OkCv[2]);

    // The horizontal member takes the column's use-environment class.
    item.ColumnMaterial.UseEnvironIndex = 0;
    run(item);
    EXPECT_EQ(r.Used.BaseUseEnvironIndex, 0);
    EXPECT_DOUBLE_EQ(r.BaseStrength->Fcv, 9.0 * 0.7);

    // Omitted: a tenon as large as the section is no matter then.
    item.BaseMaterial.SelectProduct = kGlulamColumn;
    item.AutoTenon = false;
    item.TenonB = 100;
    item.TenonD = 100;
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_TRUE(r.BaseDisplayName.empty());
    EXPECT_FALSE(r.BaseStrength); // no lookup is made
    EXPECT_FALSE(r.bearingChecked());
    EXPECT_TRUE(r.OkCv[0]);
}

TEST_F(ColumnCheckTest, BaseDisplayName) {
    ColumnMember item = column(105, 105);
    run(item);
    EXPECT_EQ(r.BaseDisplayName, "梁材"); // no wooden storey at all
    common.WoodenStorey = {false, true, true, false};
    item.FloorIndex = 2;
    run(item);
    EXPECT_EQ(r.BaseDisplayName, "土台");
    item.FloorIndex = 3;
    run(item);
    EXPECT_EQ(r.BaseDisplayName, "梁材");
    item.FloorIndex = 0;
    run(item);
    EXPECT_EQ(r.BaseDisplayName, "横架材");
    item.BaseMaterial.SelectProduct = kDimensionLumber;
    run(item);
    EXPECT_EQ(r.BaseDisplayName, "下枠");
    item.BaseNameIndex = 1;
    run(item);
    EXPECT_EQ(r.BaseDisplayName, "土台");
}

TEST_F(ColumnCheckTest, WindCase) {
    ColumnMember item = column(105, 105);
    item.AxialForce[3] = 20;
    item.Lb = 1000;
    item.LbDirect = true;
    run(item);
    EXPECT_FALSE(r.Wind);
    EXPECT_EQ(r.Used.Lb, 0.0); // no wind: no bending length even when entered

    addWind(item);
    item.LbDirect = false;
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_EQ(r.Used.Lb, 2800.0);
    EXPECT_EQ(r.Used.Cf, 1.0); // a direct Cf survives
    EXPECT_FALSE(r.Derived.Cf);
    EXPECT_FALSE(r.AutoCf);
    EXPECT_EQ(r.Wind->M, 0.89);
    EXPECT_EQ(r.Wind->Q, 1.27);
    EXPECT_DOUBLE_EQ(r.Wind->Tau, 1.5 * 1.27 * 10 / 22.5);
    EXPECT_DOUBLE_EQ(r.Wind->SigmaB, 0.89 * 1000 / r.Section->SectionModulus);

    item.WindWidth = 0;
    run(item);
    EXPECT_FALSE(r.Wind);

    common.BuildingHeight = 8; // automatic Cf
    ASSERT_TRUE(UpdateVelocityPressure(common));
    item.WindWidth = 0.91;
    item.CfDirect = false;
    run(item);
    EXPECT_NEAR(r.Used.Cf, 0.8629, 5e-5);
    EXPECT_EQ(r.AutoCf->CfAuto, r.Used.Cf);
    EXPECT_NEAR(*r.AutoCf->KzArt87, 0.8286, 5e-5);
    EXPECT_FALSE(r.AutoCf->Cpe);
}

TEST_F(ColumnCheckTest, ZeroDivisorsAreRefused) {
    ColumnMember item = column(105, 105);
    item.AutoTenon = false;
    item.TenonB = 105;
    item.TenonD = 105;
    EXPECT_EQ(run(item), kCheckNoBearingArea);

    item.TenonD = 120; // larger than the section: Acv below zero
    EXPECT_EQ(run(item), kCheckNoBearingArea);
    EXPECT_LT(r.Section->Acv, 0.0);
    EXPECT_EQ(r.SigmaCv, PerLoadCase<double>{});
    EXPECT_EQ(r.OkC, PerLoadCase<bool>{}); // no OK verdict on a refused item
    EXPECT_EQ(r.OkCv, PerLoadCase<bool>{});

    item = roundColumn(150); // damaged file: no pieces, so no section modulus
    item.SubMembers = -1;
    addWind(item);
    EXPECT_EQ(run(item), kCheckNoSectionModulus);
    item.AxialForce[3] = 0; // nothing bends
    EXPECT_EQ(run(item), kCheckOk);

    item = column(105, 105);
    item.ColumnMaterial.KindOfWood[0] = 99;
    EXPECT_EQ(run(item), kCheckColumnMaterialWithoutStrengths);
    item = column(105, 105);
    item.BaseMaterial.KindOfWood[0] = 99;
    EXPECT_EQ(run(item), kCheckBaseMaterialWithoutStrengths);

    for (int code = kCheckNoBearingArea; code <= kCheckResultNotFinite; ++code) {
        EXPECT_FALSE(CheckResultMessage(code).empty()) << code;
    }
}

// A round post without a tenon has no shear area (B is 0), which only the
// wind shear divides by: it checks under axial load, with or without wind,
// as long as its wind case carries no force.
TEST_F(ColumnCheckTest, RoundPostWithoutTenonNeedsShearAreaOnlyForWindShear) {
    ColumnMember item = roundColumn(150);
    item.AutoTenon = false;
    item.TenonB = 0;
    item.TenonD = 0;
    item.AxialForce = {20, 24, 28, 20, 24};
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_EQ(r.Section->As, 0.0);
    EXPECT_DOUBLE_EQ(r.Section->Acv, r.A); // no tenon: the whole section bears
    EXPECT_NEAR(*r.Lambda, 74.67, 5e-3);
    EXPECT_GT(r.RatioC[4], 0.0);
    EXPECT_GT(r.RatioCv[4], 0.0);
    EXPECT_TRUE(r.OkC[0] && r.OkCv[0]);

    addWind(item);
    item.AxialForce[3] = 0;
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_FALSE(r.Wind);
    item.WindWidth = 0; // a force in the wind case but no wall to load
    item.AxialForce[3] = 20;
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_FALSE(r.Wind);

    item.WindWidth = 0.91;
    EXPECT_EQ(run(item), kCheckNoShearArea);
    EXPECT_EQ(CheckResultMessage(kCheckNoShearArea), "せん断面積 As が 0 以下です。");
    EXPECT_EQ(r.SigmaC, PerLoadCase<double>{});
    EXPECT_FALSE(r.Wind);
    EXPECT_FALSE(r.Wind);
    EXPECT_EQ(r.OkC, PerLoadCase<bool>{});
    EXPECT_EQ(r.OkShear, PerLoadCase<bool>{});

    item.AxialForce = {}; // nothing to check at all
    EXPECT_EQ(run(item), kCheckNoAxialForce);
}

// The zero-area codes come after every code the steps before the load cases
// give, and only where a load case divides by the area.
TEST_F(ColumnCheckTest, ZeroBearingAreaKeepsEarlierCodes) {
    auto noBearingArea = [](double lkx = 2800) {
        ColumnMember item = column(105, 105, lkx);
        item.AutoTenon = false;
        item.TenonB = 105;
        item.TenonD = 105;
        return item;
    };
    ColumnMember item = noBearingArea(5000); // λ 165
    EXPECT_EQ(run(item), kCheckTooSlender);
    EXPECT_EQ(CheckResultMessage(run(item)), "細長比が 150 を超えています。");
    item = noBearingArea(0);
    EXPECT_EQ(run(item), kCheckNoBucklingLength);
    item = noBearingArea();
    item.ColumnMaterial.KindOfWood[0] = 99;
    EXPECT_EQ(run(item), kCheckColumnMaterialWithoutStrengths);
    item = noBearingArea();
    item.BaseMaterial.KindOfWood[0] = 99;
    EXPECT_EQ(run(item), kCheckBaseMaterialWithoutStrengths);

    item = noBearingArea();
    item.AxialForce = {};
    EXPECT_EQ(run(item), kCheckNoAxialForce);
    EXPECT_EQ(r.Section->Acv, 0.0);
    item.AxialForce[4] = 10; // any load case bears
    EXPECT_EQ(run(item), kCheckNoBearingArea);

    // With the bearing check omitted no case divides by Acv.
    for (const double tenonD : {105.0, 120.0}) {
        item = noBearingArea();
        item.TenonD = tenonD;
        item.BaseMaterial.SelectProduct = kGlulamColumn;
        item.AxialForce = {50, 50, 50, 50, 50};
        EXPECT_EQ(run(item), kCheckOk) << tenonD;
        EXPECT_EQ(r.RatioCv, PerLoadCase<double>{});
    }
}

// Values a damaged file may hold pass the zero guards yet overflow a stress:
// a tenon of almost no area makes the wind shear infinite, a huge force the
// axial stress. Such items are refused and keep no infinite number.
TEST_F(ColumnCheckTest, StressesThatOverflowAreRefused) {
    ColumnMember item = column(105, 105);
    addWind(item);
    item.AutoTenon = false;
    item.TenonB = 1e-160;
    item.TenonD = 1e-160;
    EXPECT_EQ(run(item), kCheckResultNotFinite);
    EXPECT_FALSE(r.Wind);

    item = column(105, 105);
    item.AxialForce[0] = 1e308;
    EXPECT_EQ(run(item), kCheckResultNotFinite);
    EXPECT_EQ(r.SigmaC[0], 0.0);

    // A depth of 1e200 mm overflows the section modulus even without wind,
    // and a width of 1e-310 mm the slenderness.
    item = column(1e-300, 1e200);
    item.AutoTenon = false;
    item.TenonB = item.TenonD = 0;
    EXPECT_EQ(run(item), kCheckResultNotFinite);
    EXPECT_EQ(r.Section->SectionModulus, 0.0);
    EXPECT_EQ(r.A, 0.0);
    item = column(1e-310, 105);
    item.AutoTenon = false;
    item.TenonB = item.TenonD = 0;
    EXPECT_EQ(run(item), kCheckResultNotFinite);
    EXPECT_FALSE(r.Lambda);
}

// Values only a damaged file can hold must not end in an OK verdict.
TEST_F(ColumnCheckTest, NegativeLengthsAndHugePieceCountsAreNotChecked) {
    ColumnMember item = column(-105, -105); // positive area from two negative sides
    EXPECT_EQ(run(item), kCheckNoSection);
    item = roundColumn(-150);
    EXPECT_EQ(run(item), kCheckNoSection);

    item = column(105, 105, -2800); // negative slenderness
    EXPECT_EQ(run(item), kCheckNoBucklingLength);
    item = column(105, 210);
    item.LkyDirect = true;
    item.Lky = -5000;
    EXPECT_EQ(run(item), kCheckNoBucklingLength);

    item = column(105, 105);
    addWind(item);
    item.LbDirect = true;
    item.Lb = -2800; // negative shear force
    EXPECT_EQ(run(item), kCheckNoBucklingLength);

    item = column(105, 105);
    addWind(item);
    item.HeightZ = -3;
    item.WindWidth = -0.91; // a positive product, but no wall to carry
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_FALSE(r.Wind);

    item = column(105, 105, 500);
    item.Members = 2147483647; // the piece count must not wrap round
    item.SubMembers = 1;
    EXPECT_EQ(run(item), kCheckOk);
    EXPECT_DOUBLE_EQ(r.A, 110.25 * 2147483648.0);
}

TEST_F(ColumnCheckTest, EarlyReturnLeavesNoEarlierResults) {
    ColumnMember item = column(105, 105);
    item.AxialForce = {50, 50, 50, 50, 50};
    addWind(item);
    ASSERT_EQ(run(item), kCheckOk);

    item.Lkx = 0;
    EXPECT_EQ(run(item), kCheckNoBucklingLength);
    EXPECT_DOUBLE_EQ(r.Section->As, 22.5); // steps before the stop are filled
    EXPECT_FALSE(r.Buckling);
    EXPECT_FALSE(r.Wind);
    EXPECT_EQ(r.SigmaC, PerLoadCase<double>{});
    EXPECT_FALSE(r.Wind);
    EXPECT_EQ(r.OkC, PerLoadCase<bool>{});

    item.B = 0;
    EXPECT_EQ(run(item), kCheckNoSection);
    EXPECT_FALSE(r.Section);
    EXPECT_FALSE(r.Strengths);
    EXPECT_EQ(r.ResultCode, kCheckNoSection);
    EXPECT_EQ(r.ColumnStrength.Fc, 22.2); // the lookups still run
}

// Strengths in use of the other product kinds, from the catalogue.
TEST_F(ColumnCheckTest, StrengthsInUseByProduct) {
    ColumnMember item = column(150, 120, 2800, kGlulam); // b ≥ D: width direction
    ASSERT_EQ(run(item), kCheckOk);
    EXPECT_EQ(r.Strengths->Fb, r.ColumnStrength.Fby);
    EXPECT_EQ(r.Strengths->Fs, r.ColumnStrength.Fsy);
    item.UseAxisX = true;
    run(item);
    EXPECT_EQ(r.Strengths->Fb, r.ColumnStrength.Fbx);
    EXPECT_EQ(r.Strengths->Fs, r.ColumnStrength.Fsx);

    item = column(150, 120, 2800, kLvl); // Fsy, but Fb stays Fbx
    run(item);
    EXPECT_EQ(r.Strengths->Fs, r.ColumnStrength.Fsy);
    EXPECT_EQ(r.Strengths->Fb, r.ColumnStrength.Fbx);

    item = column(38, 89, 800, kDimensionLumber);
    item.SizeCode = 204;
    item.Lky = 800;
    ASSERT_EQ(run(item), kCheckOk);
    EXPECT_EQ(r.Used.Lky, 0.0); // only the depth direction buckles
    EXPECT_EQ(r.Used.TenonB + r.Used.TenonD, 0.0);
    EXPECT_NEAR(*r.Lambda, 0.1 * 800 / (8.9 / std::sqrt(12.0)), 1e-9);
}

TEST_F(ColumnCheckTest, UnevaluatedLaminaeReduceShearOnce) {
    for (int layUp : {1, 2, 3}) {
        ColumnMember plain = column(120, 120, 2800, kGlulam);
        plain.ColumnMaterial.LaminaCompositionIndex = layUp;
        plain.UseAxisX = true;
        ColumnMember reduced = plain;
        reduced.ColumnMaterial.UnValuationLamina = true;
        const ColumnOutcome plainOutcome = check.CheckColumn(plain);
        const ColumnOutcome reducedOutcome = check.CheckColumn(reduced);
        ASSERT_EQ(plainOutcome.ResultCode, kCheckOk) << layUp;
        ASSERT_EQ(reducedOutcome.ResultCode, kCheckOk) << layUp;
        // Lay-up 1: by the catalogue.
        EXPECT_DOUBLE_EQ(reducedOutcome.Strengths->Fs, plainOutcome.Strengths->Fs * 0.6) << layUp;
    }
}

// An item's outcome is its own: checking a list forwards and backwards gives
// every item the same outcome, for every kind of refusal and for wind with
// an automatic and with an entered Cf, and no item is changed by its check.
TEST_F(ColumnCheckTest, OutcomeDoesNotDependOnTheItemCheckedBefore) {
    common.BuildingHeight = 8;
    ASSERT_TRUE(UpdateVelocityPressure(common));
    std::vector<ColumnMember> items;
    const auto add = [&](ColumnMember item, std::int32_t expected) {
        item.Name = std::to_string(expected);
        items.push_back(std::move(item));
    };
    ColumnMember autoCf = column(105, 105);
    autoCf.AxialForce[3] = 20;
    autoCf.HeightZ = 6;
    autoCf.WindWidth = 0.91;
    add(autoCf, kCheckOk);
    ColumnMember directCf = autoCf;
    directCf.CfDirect = true;
    directCf.Cf = 1.2;
    directCf.FcvUpper = true; // other bearing factors
    add(directCf, kCheckOk);
    ColumnMember noWall = autoCf;
    noWall.WindWidth = 0;
    add(noWall, kCheckOk);
    add(column(0, 0), kCheckNoSection);
    add(column(105, 105, 0), kCheckNoBucklingLength);
    add(column(105, 105, 5000), kCheckTooSlender);
    ColumnMember noForce = autoCf;
    noForce.AxialForce = {};
    add(noForce, kCheckNoAxialForce);
    add(column(89, 120, 2800, kGlulamColumn), kCheckGlulamColumnRange);
    ColumnMember laminae = column(150, 120, 2800, kGlulam);
    laminae.ColumnMaterial.LaminaCompositionIndex = 2;
    laminae.ColumnMaterial.UnValuationLamina = true;
    add(laminae, kCheckUnevaluatedLaminaWidth);
    ColumnMember noBearingArea = column(105, 105);
    noBearingArea.AutoTenon = false;
    noBearingArea.TenonB = noBearingArea.TenonD = 105;
    add(noBearingArea, kCheckNoBearingArea);
    ColumnMember noShearArea = autoCf;
    noShearArea.Shape = kRound;
    noShearArea.B = 0;
    noShearArea.D = 150;
    noShearArea.AutoTenon = false;
    noShearArea.TenonB = noShearArea.TenonD = 0;
    add(noShearArea, kCheckNoShearArea);
    ColumnMember noModulus = noShearArea;
    noModulus.AutoTenon = true;
    noModulus.SubMembers = -1;
    add(noModulus, kCheckNoSectionModulus);
    ColumnMember noStrength = autoCf;
    noStrength.ColumnMaterial.KindOfWood[0] = 99;
    add(noStrength, kCheckColumnMaterialWithoutStrengths);
    ColumnMember noFcv = autoCf;
    noFcv.BaseMaterial.KindOfWood[0] = 99;
    add(noFcv, kCheckBaseMaterialWithoutStrengths);
    ColumnMember huge = autoCf;
    huge.AxialForce[0] = 1e308;
    add(huge, kCheckResultNotFinite);

    const std::vector<ColumnMember> before = items;
    std::vector<ColumnOutcome> forwards;
    for (const ColumnMember& item : items)
        forwards.push_back(check.CheckColumn(item));
    for (std::size_t i = items.size(); i-- > 0;) {
        EXPECT_EQ(check.CheckColumn(items[i]), forwards[i]) << items[i].Name;
        EXPECT_EQ(forwards[i].ResultCode, std::stoi(items[i].Name));
        EXPECT_EQ(items[i].input(), before[i].input()) << items[i].Name;
    }
    // Each item names only its own wind coefficients.
    EXPECT_TRUE(forwards[0].AutoCf);
    EXPECT_FALSE(forwards[1].AutoCf);
    EXPECT_EQ(forwards[1].Used.Cf, 1.2);
    EXPECT_FALSE(forwards[2].AutoCf);
    EXPECT_EQ(forwards[2].Used.Cf, 0.0);
    EXPECT_EQ(*forwards[1].BearingFactors, (PerLoadCase<double>{1.5, 1.5, 2.0, 2.0, 2.0}));
    EXPECT_EQ(*forwards[2].BearingFactors, (PerLoadCase<double>{1.1, 1.43, 1.6, 2.0, 2.0}));
}

// The derived inputs go into the item only when asked, and only those the
// check derived and reached.
TEST_F(ColumnCheckTest, DerivedInputsAreAppliedByTheirOwnStep) {
    common.BuildingHeight = 8;
    ASSERT_TRUE(UpdateVelocityPressure(common));
    ColumnMember item = column(105, 210);
    item.HeightZ = 6;
    item.WindWidth = 0.91;
    item.ColumnMaterial.UseEnvironIndex = 1;
    ColumnOutcome outcome = check.CheckColumn(item);
    EXPECT_EQ(item.Cf, 0.0);
    ApplyDerivedInputs(item, outcome);
    EXPECT_EQ(item.Cf, outcome.AutoCf->CfAuto);
    EXPECT_EQ(item.TenonB, 30.0);
    EXPECT_EQ(item.TenonD, 180.0);
    EXPECT_EQ(item.Lky, 2800.0);
    EXPECT_EQ(item.Lb, 2800.0);
    EXPECT_EQ(item.BaseMaterial.UseEnvironIndex, 1);

    // Stopped before the tenon and the lengths: those keep what the item has.
    ColumnMember stopped = column(150, 120, 2800, kGlulam);
    stopped.ColumnMaterial.LaminaCompositionIndex = 2;
    stopped.ColumnMaterial.UnValuationLamina = true;
    stopped.TenonB = 11;
    stopped.Lky = 1234;
    stopped.Cf = 1.5;
    outcome = check.CheckColumn(stopped);
    ASSERT_EQ(outcome.ResultCode, kCheckUnevaluatedLaminaWidth);
    ApplyDerivedInputs(stopped, outcome);
    EXPECT_EQ(stopped.TenonB, 11.0);
    EXPECT_EQ(stopped.Lky, 1234.0);
    EXPECT_EQ(stopped.Cf, 0.0); // no wall carried: an automatic Cf is 0
}

} // namespace
} // namespace tarvo
