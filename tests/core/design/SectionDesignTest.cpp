#include "core/design/SectionDesign.h"

#include <gtest/gtest.h>

#include "core/check/CheckConditions.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"

namespace tarvo {
namespace {

// Ungraded sawn lumber of the first species on the same (Fc 22.2, Fs 2.4,
// Fcv 9.0); Lkx 2800 mm. Long-term allowables are ×1.1/3, the wind case's ×2/3.
class SectionDesignTest : public ::testing::Test {
protected:
    static ColumnMember column(int product, double force) {
        ColumnMember item;
        item.ColumnMaterial.SelectProduct = product;
        item.B = 105;
        item.D = 105;
        item.Lkx = 2800;
        item.AxialForce[0] = force;
        return item;
    }
    static void omitBearing(ColumnMember& item) { item.BaseMaterial.SelectProduct = kGlulamColumn; }
    static SectionSize square(double side) { return {kRectangular, 0, side, side}; }
    static SectionSize code(int sizeCode, double b, double d) { return {kRectangular, sizeCode, b, d}; }

    SectionDesign design(const MemberInputData& item, DesignOptions options = {}) const {
        return DesignSection(item, conditions, catalogue, options);
    }

    MatDataBase catalogue;
    CheckConditions conditions;
};

TEST_F(SectionDesignTest, CompressionPassesFrom120) {
    // 105: λ 92.38, η 0.3762, fk 8.352; 40 kN on 110.25 cm² → 3.628 / 3.062 = 1.185.
    // 120: λ 80.83, η 0.4917, fk 10.916; 40 kN on 144 cm² → 2.778 / 4.003 = 0.694.
    ColumnMember item = column(kSawnLumber, 40);
    omitBearing(item);
    const SectionDesign d = design(item);
    ASSERT_EQ(d.Status, DesignStatus::Passed);
    EXPECT_EQ(d.Proposed->Section, square(120));
    EXPECT_NEAR(d.Proposed->Check.Ratio, 0.694, 5e-4);
    ASSERT_TRUE(d.Smaller);
    EXPECT_EQ(d.Smaller->Section, square(105));
    EXPECT_EQ(d.Smaller->Check.Kind, CheckKind::Compression);
    EXPECT_EQ(d.Smaller->Check.LoadCase, 0);
    EXPECT_NEAR(d.Smaller->Check.Ratio, 1.185, 5e-4);
    // The present section is the failing 105 × 105.
    EXPECT_EQ(d.Present, *d.Smaller);
    EXPECT_TRUE(d.changes());
    EXPECT_EQ(d.Trials, 3); // 90, 105, 120
}

TEST_F(SectionDesignTest, BearingWithTheTenonOfEachCandidate) {
    // A short column: compression is far from its limit. The automatic tenon
    // follows the section: 105 has 30 × 75 (Acv 87.75), 120 has 30 × 90
    // (Acv 117). 35 kN: 3.989 / 3.3 = 1.209 and 2.991 / 3.3 = 0.9065.
    ColumnMember item = column(kSawnLumber, 35);
    item.Lkx = 1000;
    item.TenonB = 1; // stale values of an automatic tenon do not count
    item.TenonD = 1;
    const SectionDesign d = design(item);
    ASSERT_EQ(d.Status, DesignStatus::Passed);
    EXPECT_EQ(d.Proposed->Section, square(120));
    EXPECT_EQ(d.Proposed->Check.Kind, CheckKind::Bearing);
    EXPECT_NEAR(d.Proposed->Check.Ratio, 0.90651, 5e-5);
    EXPECT_EQ(d.Smaller->Check.Kind, CheckKind::Bearing);
    EXPECT_NEAR(d.Smaller->Check.Ratio, 1.2088, 5e-4);

    // Applying writes the section and its tenon, nothing else.
    MemberInputData applied = item;
    ApplyDesignedSection(applied, d.Proposed->Section, conditions, catalogue);
    EXPECT_EQ(applied.B, 120);
    EXPECT_EQ(applied.D, 120);
    EXPECT_EQ(applied.TenonB, 30);
    EXPECT_EQ(applied.TenonD, 90);
    EXPECT_EQ(applied.AxialForce, item.AxialForce);
    EXPECT_EQ(applied.Lkx, item.Lkx);
    EXPECT_TRUE(CheckColumn(applied, conditions, catalogue).caseOk(0));

    // An entered tenon stays as it is for every candidate: 60 × 100 leaves
    // 120 × 120 with Acv 84 (ratio 1.263), so only 135 passes.
    item.AutoTenon = false;
    item.TenonB = 60;
    item.TenonD = 100;
    const SectionDesign entered = design(item);
    EXPECT_EQ(entered.Proposed->Section, square(135));
    EXPECT_EQ(entered.Smaller->Section, square(120));
    MemberInputData kept = item;
    ApplyDesignedSection(kept, entered.Proposed->Section, conditions, catalogue);
    EXPECT_EQ(kept.TenonB, 60);
    EXPECT_EQ(kept.TenonD, 100);
}

TEST_F(SectionDesignTest, WindShearOfTheTenon) {
    // q 1000, Cf 1.0, wall 2.15 m: ω 2.15 kN/m over Lb 2.8 m, Q 3.01 kN,
    // τ = 1.5 Q / As against 2.4 × 2/3 = 1.6. As is the tenon: 120 has
    // 27 cm² (1.045), 135 has 34 × 105 = 35.7 cm² (0.7904).
    conditions.VelocityPressure = 1000;
    ColumnMember item = column(kSawnLumber, 10);
    item.AxialForce[3] = 10;
    item.HeightZ = 3;
    item.WindWidth = 2.15;
    item.Cf = 1.0;
    item.CfDirect = true;
    const SectionDesign d = design(item);
    ASSERT_EQ(d.Status, DesignStatus::Passed);
    EXPECT_EQ(d.Proposed->Section, square(135));
    EXPECT_EQ(d.Proposed->Check.Kind, CheckKind::Shear);
    EXPECT_EQ(d.Proposed->Check.LoadCase, kWindLoadCase);
    EXPECT_NEAR(d.Proposed->Check.Ratio, 0.79044, 5e-5);
    EXPECT_EQ(d.Smaller->Section, square(120));
    EXPECT_EQ(d.Smaller->Check.Kind, CheckKind::Shear);
    EXPECT_NEAR(d.Smaller->Check.Ratio, 1.0451, 5e-4);
    EXPECT_EQ(GoverningCheckText(d.Smaller->Check), "せん断（風荷重時）");
}

TEST_F(SectionDesignTest, DimensionLumberTakesTheCodesOfItsList) {
    // S-P-F 甲種特級 (Fc 20.4), Lkx 2400, 10 kN. In order of area: 104, 203,
    // 106 (bearing 1.139), 204 (λ 93.41, compression 1.0805), 206 (size
    // factor 0.96 on Fc; bearing 10 kN on 53.2 cm² → 0.5696).
    ColumnMember item = column(kDimensionLumber, 10);
    item.SizeCode = 204;
    item.B = 38;
    item.D = 89;
    item.Lkx = 2400;
    const SectionDesign d = design(item);
    ASSERT_EQ(d.Status, DesignStatus::Passed);
    EXPECT_EQ(d.Proposed->Section, code(206, 38, 140));
    EXPECT_NEAR(d.Proposed->Check.Ratio, 0.5696, 5e-4);
    EXPECT_EQ(d.Smaller->Section, code(204, 38, 89));
    EXPECT_EQ(d.Smaller->Check.Kind, CheckKind::Compression);
    EXPECT_NEAR(d.Smaller->Check.Ratio, 1.0805, 5e-4);
    EXPECT_EQ(d.Trials, 5);

    // The end-jointed grade (Fc 15.6) has no 203 and no 106: after 104
    // (6 kN: compression 1.696) comes 204 (0.848), where the other grades'
    // list gives 106 (104 at 1.296 and 203 fail).
    item.AxialForce[0] = 6;
    EXPECT_EQ(design(item).Proposed->Section, code(106, 19, 140));
    item.ColumnMaterial.SelectGrade[1] = 7;
    const SectionDesign jointed = design(item);
    EXPECT_EQ(jointed.Proposed->Section, code(204, 38, 89));
    EXPECT_EQ(jointed.Smaller->Section, code(104, 19, 89));
}

TEST_F(SectionDesignTest, RoundColumnInTenMillimetreSteps) {
    // Tenon 30 × (D − 30). φ130: Acv 132.73 − 30 = 102.73 (35 kN: 1.032);
    // φ140: 153.94 − 33 = 120.94 (0.8770).
    ColumnMember item = column(kSawnLumber, 35);
    item.Shape = kRound;
    item.B = 0;
    item.D = 120;
    const SectionDesign d = design(item);
    ASSERT_EQ(d.Status, DesignStatus::Passed);
    EXPECT_EQ(d.Proposed->Section, (SectionSize{kRound, 0, 0, 140}));
    EXPECT_NEAR(d.Proposed->Check.Ratio, 0.8770, 5e-4);
    EXPECT_EQ(d.Smaller->Section, (SectionSize{kRound, 0, 0, 130}));
    EXPECT_EQ(d.Smaller->Check.Kind, CheckKind::Bearing);
}

TEST_F(SectionDesignTest, NothingPassesGivesTheLargestCandidate) {
    ColumnMember item = column(kSawnLumber, 5000);
    const SectionDesign d = design(item);
    EXPECT_EQ(d.Status, DesignStatus::NothingPasses);
    EXPECT_FALSE(d.changes());
    EXPECT_EQ(d.Proposed->Section, square(300));
    EXPECT_FALSE(d.Proposed->Check.Ok);
    EXPECT_GT(d.Proposed->Check.Ratio, 1);
    EXPECT_FALSE(d.Smaller);

    // An item that cannot be checked whatever its section (no force).
    item.AxialForce = {};
    const SectionDesign none = design(item);
    EXPECT_EQ(none.Status, DesignStatus::NothingPasses);
    EXPECT_EQ(none.Proposed->Check.Kind, CheckKind::Refused);
    EXPECT_EQ(none.Proposed->Check.ResultCode, kCheckNoAxialForce);

    // A product the catalogue does not know has no candidates.
    item.ColumnMaterial.SelectProduct = 9;
    EXPECT_EQ(design(item).Status, DesignStatus::NoCandidates);
}

TEST_F(SectionDesignTest, GlulamColumnStaysInsideItsRange) {
    // The glulam column is made from 90 to 135 mm: beyond that nothing is
    // proposed. アピトン (Fc 36.6): 135 × 135 carries 142 kN, 90 × 90 28 kN.
    ColumnMember item = column(kGlulamColumn, 200);
    omitBearing(item);
    const SectionDesign d = design(item);
    EXPECT_EQ(d.Status, DesignStatus::NothingPasses);
    EXPECT_EQ(d.Proposed->Section, square(135));
    item.AxialForce[0] = 20;
    EXPECT_EQ(design(item).Proposed->Section, square(90));

    // With every pair, 135 × 135 is still the largest the range allows.
    item.AxialForce[0] = 200;
    EXPECT_EQ(design(item, {.AllPairs = true}).Proposed->Section, square(135));
}

} // namespace
} // namespace tarvo
