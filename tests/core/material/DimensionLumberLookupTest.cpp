// 2x4 lumber (product kind 1) through MatDataBase::lookupStrength: JAS, US
// and Canadian tables, size factors, MSR tables, species groups, end
// position and texts.
#include <gtest/gtest.h>

#include "core/material/MatDataBase.h"
#include "core/material/tables/DimensionLumberTables.h"

namespace tarvo {
namespace {

MatInputData twoByFour(int standard, int group, int grade) {
    MatInputData selection;
    selection.SelectProduct = kDimensionLumber;
    selection.ProductStandard2x4 = standard;
    selection.KindOfWood[1] = group;
    selection.SelectGrade[1] = grade;
    return selection;
}

MatInputData msr(int standard, int grade, int group = 3) {
    MatInputData selection = twoByFour(standard, group, grade);
    selection.UseMSR = true;
    return selection;
}

MatData look(const MatInputData& selection, int sizeCode = 204) {
    return MatDataBase{}.lookupStrength(selection, sizeCode);
}

void expectCopies(const MatData& m) {
    EXPECT_EQ(m.FbxNeg, m.Fbx);
    EXPECT_EQ(m.Fby, m.Fbx);
    EXPECT_EQ(m.Fsy, m.Fsx);
    EXPECT_EQ(m.Elow, m.E0);
}

// ---- JAS table and texts -------------------------------------------------

TEST(DimensionJas, SpfKoshu2At204AsPublished) {
    const MatData m = look(twoByFour(0, 3, 2));
    EXPECT_EQ(m.description, "S-P-F　甲種２級");
    EXPECT_EQ(m.speciesName, "S-P-F");
    EXPECT_EQ(m.productName, "");
    EXPECT_EQ(m.shearClass, "");
    EXPECT_DOUBLE_EQ(m.Fc, 17.4);
    EXPECT_DOUBLE_EQ(m.Ft, 11.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 21.6);
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0);
    EXPECT_DOUBLE_EQ(m.E0, 9600);
    EXPECT_DOUBLE_EQ(m.Elow, 9600);
    expectCopies(m);
    EXPECT_TRUE(m.hasStrengths());
}

TEST(DimensionJas, TableCorners) {
    MatData m = look(twoByFour(0, 0, 0)); // 甲種特級 Dfir-L
    EXPECT_EQ(m.description, "Dfir-L　甲種特級");
    EXPECT_DOUBLE_EQ(m.Fc, 25.8);
    EXPECT_DOUBLE_EQ(m.Ft, 24.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 36.0);
    EXPECT_DOUBLE_EQ(m.E0, 12600);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.4);
    m = look(twoByFour(0, 4, 0)); // 甲種特級 W Ceder
    EXPECT_EQ(m.description, "W Ceder　甲種特級");
    EXPECT_DOUBLE_EQ(m.Fc, 15.0);
    EXPECT_DOUBLE_EQ(m.Ft, 14.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 23.4);
    EXPECT_DOUBLE_EQ(m.E0, 7500);
    m = look(twoByFour(0, 0, 7)); // たて継ぎ材 Dfir-L
    EXPECT_EQ(m.description, "Dfir-L　たて継ぎ材");
    EXPECT_DOUBLE_EQ(m.Fc, 17.4);
    EXPECT_DOUBLE_EQ(m.Ft, 6.6);
    EXPECT_DOUBLE_EQ(m.Fbx, 9.6);
    EXPECT_DOUBLE_EQ(m.E0, 9200);
    m = look(twoByFour(0, 2, 7)); // たて継ぎ材 Hem-Fir: E0 9900 (not Standard's 9000)
    EXPECT_DOUBLE_EQ(m.E0, 9900);
    m = look(twoByFour(0, 4, 7)); // たて継ぎ材 W Ceder
    EXPECT_DOUBLE_EQ(m.Fc, 9.0);
    EXPECT_DOUBLE_EQ(m.Ft, 4.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 6.6);
    EXPECT_DOUBLE_EQ(m.E0, 5500);
    m = look(twoByFour(0, 1, 6)); // Utility Hem-Tam
    EXPECT_DOUBLE_EQ(m.Fc, 7.2);
    EXPECT_DOUBLE_EQ(m.Ft, 1.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 3.0);
    EXPECT_DOUBLE_EQ(m.E0, 5500);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.1);
    EXPECT_DOUBLE_EQ(m.Fcv, 7.8);
}

TEST(DimensionJas, SpeciesGroupShearAndBearing) {
    struct Case {
        int group;
        const char* name;
        double Fs;
        double Fcv;
    };
    for (const Case c : {Case{0, "Dfir-L", 2.4, 9.0}, Case{1, "Hem-Tam", 2.1, 7.8}, Case{2, "Hem-Fir", 2.1, 6.0},
                         Case{3, "S-P-F", 1.8, 6.0}, Case{4, "W Ceder", 1.8, 6.0}}) {
        const MatData m = look(twoByFour(0, c.group, 1));
        EXPECT_EQ(m.speciesName, c.name);
        EXPECT_DOUBLE_EQ(m.Fsx, c.Fs) << c.group;
        EXPECT_DOUBLE_EQ(m.Fcv, c.Fcv) << c.group;
    }
}

// ---- size factors --------------------------------------------------------

TEST(DimensionSizeFactors, Size206AsPublished) {
    const MatData m = look(twoByFour(0, 3, 2), 206);
    EXPECT_DOUBLE_EQ(m.Fc, 17.4 * 0.96);
    EXPECT_DOUBLE_EQ(m.Ft, 11.4 * 0.84);
    EXPECT_DOUBLE_EQ(m.Fbx, 21.6 * 0.84);
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0);
    EXPECT_DOUBLE_EQ(m.E0, 9600);
    expectCopies(m);
}

TEST(DimensionSizeFactors, EachCodeGroup) {
    const MatData base = look(twoByFour(0, 3, 2), 204);
    struct Case {
        int code;
        double fc;
        double ft;
        double fb;
    };
    for (const Case c : {Case{106, 0.96, 0.84, 0.84}, Case{206, 0.96, 0.84, 0.84}, Case{406, 0.96, 0.84, 0.84},
                         Case{208, 0.93, 0.75, 0.75}, Case{408, 0.93, 0.75, 0.75}, Case{210, 0.91, 0.68, 0.68},
                         Case{212, 0.89, 0.63, 0.63}}) {
        const MatData m = look(twoByFour(0, 3, 2), c.code);
        EXPECT_DOUBLE_EQ(m.Fc, base.Fc * c.fc) << c.code;
        EXPECT_DOUBLE_EQ(m.Ft, base.Ft * c.ft) << c.code;
        EXPECT_DOUBLE_EQ(m.Fbx, base.Fbx * c.fb) << c.code;
        EXPECT_EQ(m.E0, base.E0);
    }
}

TEST(DimensionSizeFactors, OtherCodesTakeNone) {
    const MatData base = look(twoByFour(0, 3, 2), 204);
    for (int code : {104, 203, 404, 410, 0, -206, 2147483647})
        EXPECT_EQ(look(twoByFour(0, 3, 2), code), base) << code;
}

TEST(DimensionSizeFactors, ApplyToUsAndCanadaToo) {
    const MatData us = look(twoByFour(1, 0, 0), 210);
    EXPECT_DOUBLE_EQ(us.Fc, 25.2 * 0.91);
    EXPECT_DOUBLE_EQ(us.Ft, 24.0 * 0.68);
    const MatData ca = look(twoByFour(2, 0, 0), 212);
    EXPECT_DOUBLE_EQ(ca.Fbx, 32.4 * 0.63);
}

// ---- Canadian table ------------------------------------------------------

TEST(DimensionCanada, HemTamSsEqualsJasHemTamTokkyu) {
    const MatData ca = look(twoByFour(2, 1, 0));
    const MatData jas = look(twoByFour(0, 1, 0));
    EXPECT_EQ(ca.description, "カナダ格付規格 Hem-Tam　SS");
    EXPECT_EQ(ca.speciesName, "Hem-Tam");
    EXPECT_DOUBLE_EQ(ca.Fc, 18.0);
    EXPECT_DOUBLE_EQ(ca.Ft, 13.8);
    EXPECT_DOUBLE_EQ(ca.Fbx, 29.4);
    EXPECT_EQ(ca.Fc, jas.Fc);
    EXPECT_EQ(ca.Ft, jas.Ft);
    EXPECT_EQ(ca.Fbx, jas.Fbx);
}

TEST(DimensionCanada, TableCorners) {
    MatData m = look(twoByFour(2, 0, 0));
    EXPECT_DOUBLE_EQ(m.Fc, 27.6);
    EXPECT_DOUBLE_EQ(m.Ft, 20.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 32.4);
    EXPECT_DOUBLE_EQ(m.E0, 12800);
    m = look(twoByFour(2, 4, 6)); // Utility W Ceder
    EXPECT_EQ(m.description, "カナダ格付規格 W Ceder　Utility");
    EXPECT_DOUBLE_EQ(m.Fc, 6.0);
    EXPECT_DOUBLE_EQ(m.Ft, 1.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 3.6);
    EXPECT_DOUBLE_EQ(m.E0, 5500);
    m = look(twoByFour(2, 2, 2)); // No.2 Hem-Fir
    EXPECT_DOUBLE_EQ(m.Fc, 21.0);
    EXPECT_DOUBLE_EQ(m.Ft, 13.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 24.0);
    EXPECT_DOUBLE_EQ(m.E0, 11000);
    m = look(twoByFour(2, 0, 6)); // Utility Dfir-L
    EXPECT_DOUBLE_EQ(m.Fc, 12.0);
    EXPECT_DOUBLE_EQ(m.Ft, 2.4);
    EXPECT_DOUBLE_EQ(m.E0, 8800);
}

// Two columns that the published tables share: the Canadian S-P-F grades
// equal the JAS S-P-F grades row for row (SS = 甲種特級, No.1 = 甲種１級, ...),
// and the US block 3 equals the Canadian W Ceder column. A digit slipped in
// one copy of these rows breaks the equality.
TEST(DimensionCanada, SharedColumnsAgreeRowForRow) {
    const auto expectSame = [](const MatData& a, const MatData& b, int grade) {
        EXPECT_EQ(a.Fc, b.Fc) << grade;
        EXPECT_EQ(a.Ft, b.Ft) << grade;
        EXPECT_EQ(a.Fbx, b.Fbx) << grade;
        EXPECT_EQ(a.Fsx, b.Fsx) << grade;
        EXPECT_EQ(a.E0, b.E0) << grade;
    };
    for (int grade = 0; grade < 7; ++grade) {
        expectSame(look(twoByFour(2, 3, grade)), look(twoByFour(0, 3, grade)), grade);
        expectSame(look(twoByFour(1, 3, grade)), look(twoByFour(2, 4, grade)), grade);
    }
}

// ---- US table ------------------------------------------------------------

TEST(DimensionUs, BlocksInWrittenOrderWithTheirFs) {
    MatData m = look(twoByFour(1, 0, 0));
    EXPECT_EQ(m.description, "アメリカ格付規格 Dfir-L　SS");
    EXPECT_DOUBLE_EQ(m.Fc, 25.2);
    EXPECT_DOUBLE_EQ(m.Ft, 24.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 35.4);
    EXPECT_DOUBLE_EQ(m.E0, 13100);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.4);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    m = look(twoByFour(1, 1, 0));
    EXPECT_DOUBLE_EQ(m.Fc, 22.2);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.1);
    m = look(twoByFour(1, 2, 0)); // block 2: Fs 1.8 although Hem-Fir's group Fs is 2.1
    EXPECT_DOUBLE_EQ(m.Fc, 18.0);
    EXPECT_DOUBLE_EQ(m.Ft, 13.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 30.6);
    EXPECT_DOUBLE_EQ(m.E0, 9000);
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    m = look(twoByFour(1, 3, 6)); // last block, last grade
    EXPECT_EQ(m.description, "アメリカ格付規格 S-P-F　Utility");
    EXPECT_DOUBLE_EQ(m.Fc, 6.0);
    EXPECT_DOUBLE_EQ(m.Ft, 1.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 3.6);
    EXPECT_DOUBLE_EQ(m.E0, 5500);
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    m = look(twoByFour(1, 0, 6)); // first block, last grade
    EXPECT_DOUBLE_EQ(m.Fc, 12.0);
    EXPECT_DOUBLE_EQ(m.Ft, 3.0);
    EXPECT_DOUBLE_EQ(m.E0, 9000);
    expectCopies(m);
}

TEST(DimensionUs, GroupFourHasNoBlock) {
    const MatData m = look(twoByFour(1, 4, 0));
    EXPECT_EQ(m.description, "アメリカ格付規格 W Ceder　SS");
    EXPECT_EQ(m.speciesName, "W Ceder");
    EXPECT_FALSE(m.hasStrengths());
    EXPECT_EQ(m.Fc, 0.0);
    EXPECT_EQ(m.Ft, 0.0);
    EXPECT_EQ(m.Fbx, 0.0);
    EXPECT_EQ(m.Fsx, 0.0);
    EXPECT_EQ(m.E0, 0.0);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0); // the group's Fcv is still set
}

TEST(DimensionUs, GroupFourAfterAValidLookupKeepsNothing) {
    const MatDataBase catalogue;
    ASSERT_TRUE(catalogue.lookupStrength(twoByFour(1, 0, 0), 204).hasStrengths());
    EXPECT_FALSE(catalogue.lookupStrength(twoByFour(1, 4, 0), 204).hasStrengths());
}

// ---- species group index and grade index out of range --------------------

TEST(DimensionIndices, UnknownGroupTakesSpfNameAndFcvButNoStrengths) {
    for (int group : {5, -1, 2147483647, -2147483647 - 1}) {
        const MatData m = look(twoByFour(0, group, 1));
        EXPECT_EQ(m.speciesName, "S-P-F") << group;
        EXPECT_EQ(m.description, "S-P-F　甲種１級");
        EXPECT_DOUBLE_EQ(m.Fcv, 6.0);
        EXPECT_FALSE(m.hasStrengths());
        EXPECT_EQ(m.Fsx, 0.0);
        EXPECT_EQ(m.E0, 0.0);
    }
}

TEST(DimensionIndices, GradeBeyondTableBuildsTextOnly) {
    for (int grade : {8, -1, 2147483647}) {
        const MatData m = look(twoByFour(0, 0, grade));
        EXPECT_EQ(m.description, "Dfir-L　") << grade;
        EXPECT_FALSE(m.hasStrengths());
    }
    EXPECT_FALSE(look(twoByFour(2, 0, 7)).hasStrengths()); // Canada has 7 grades
    EXPECT_FALSE(look(twoByFour(1, 0, 7)).hasStrengths()); // US too
}

TEST(DimensionIndices, AnyOtherStandardIsJas) {
    EXPECT_EQ(look(twoByFour(5, 3, 2)), look(twoByFour(0, 3, 2)));
    EXPECT_EQ(look(twoByFour(-1, 3, 2)), look(twoByFour(0, 3, 2)));
}

// ---- end position --------------------------------------------------------

TEST(DimensionEndPosition, RoundsToOneDecimal) {
    MatInputData selection = twoByFour(0, 0, 0);
    selection.UseEndPosFcv = true;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 7.2); // round1(9.0 × 0.8)
    selection.KindOfWood[1] = 1;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 6.2); // round1(7.8 × 0.8) = round1(6.24)
    selection.KindOfWood[1] = 3;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 4.8);
}

// ---- MSR -----------------------------------------------------------------

TEST(DimensionMsr, Us1650f15EAsPublished) {
    for (int size : {204, 206, 212}) {
        const MatData m = look(msr(1, 6), size);
        EXPECT_EQ(m.description, "MSR製材　(USA)1650f-1.5E");
        EXPECT_EQ(m.speciesName, "");
        EXPECT_DOUBLE_EQ(m.Fc, 22.8) << size; // no size factor
        EXPECT_DOUBLE_EQ(m.Ft, 15.0);
        EXPECT_DOUBLE_EQ(m.Fbx, 24.0);
        EXPECT_DOUBLE_EQ(m.E0, 10300);
        EXPECT_DOUBLE_EQ(m.Elow, 10300);
        expectCopies(m);
    }
}

TEST(DimensionMsr, ShearAndBearingFromTheSpeciesGroup) {
    MatData m = look(msr(0, 0, 0)); // Dfir-L
    EXPECT_DOUBLE_EQ(m.Fsx, 2.4);
    EXPECT_DOUBLE_EQ(m.Fsy, 2.4);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    EXPECT_TRUE(m.hasStrengths());
    EXPECT_EQ(m.speciesName, "");
    m = look(msr(0, 0, 3)); // S-P-F
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0);
    m = look(msr(2, 0, 1)); // Hem-Tam
    EXPECT_DOUBLE_EQ(m.Fsx, 2.1);
    EXPECT_DOUBLE_EQ(m.Fcv, 7.8);
}

TEST(DimensionMsr, EndPositionUsesRound1) {
    MatInputData selection = msr(0, 0, 1); // Hem-Tam 7.8 × 0.8 = 6.24 → 6.2
    selection.UseEndPosFcv = true;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 6.2);
    selection.UseEnvironIndex = 0;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 6.2 * 0.7);
}

TEST(DimensionMsr, MarksAndTableCorners) {
    MatData m = look(msr(0, 0));
    EXPECT_EQ(m.description, "MSR製材　900Fb-1.0E");
    EXPECT_DOUBLE_EQ(m.Fc, 9.6);
    EXPECT_DOUBLE_EQ(m.Ft, 5.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 13.2);
    EXPECT_DOUBLE_EQ(m.E0, 6900);
    m = look(msr(0, 28));
    EXPECT_EQ(m.description, "MSR製材　3300Fb-2.6E");
    EXPECT_DOUBLE_EQ(m.Fc, 35.4);
    EXPECT_DOUBLE_EQ(m.Ft, 38.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 48.0);
    EXPECT_DOUBLE_EQ(m.E0, 17900);
    m = look(msr(1, 0));
    EXPECT_EQ(m.description, "MSR製材　(USA)900f-1.0E");
    EXPECT_DOUBLE_EQ(m.Fc, 13.8);
    m = look(msr(1, 17));
    EXPECT_EQ(m.description, "MSR製材　(USA)3300f-2.6E");
    EXPECT_DOUBLE_EQ(m.Fc, 33.0);
    EXPECT_DOUBLE_EQ(m.E0, 17900);
    m = look(msr(2, 0));
    EXPECT_EQ(m.description, "MSR製材　(Canada)1200f-1.2E");
    EXPECT_DOUBLE_EQ(m.Fc, 18.6);
    EXPECT_DOUBLE_EQ(m.Ft, 9.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 17.4);
    EXPECT_DOUBLE_EQ(m.E0, 8300);
    m = look(msr(2, 13));
    EXPECT_EQ(m.description, "MSR製材　(Canada)3000f-2.4E");
    EXPECT_DOUBLE_EQ(m.Fc, 29.4);
    EXPECT_DOUBLE_EQ(m.E0, 16500);
    m = look(msr(2, 4)); // Canada skips 1650f-1.4E
    EXPECT_EQ(m.description, "MSR製材　(Canada)1650f-1.5E");
    m = look(msr(0, 26)); // JAS 3000Fb-2.4E: E0 16600 (US 3000f: 16500)
    EXPECT_DOUBLE_EQ(m.E0, 16600);
}

TEST(DimensionMsr, CanadianRowsEqualTheUsRowsOfTheSameName) {
    for (const auto& ca : material::kMsrCanadaTable) {
        bool found = false;
        for (const auto& us : material::kMsrUsTable)
            if (us.name == ca.name) {
                found = true;
                EXPECT_EQ(us.Fc, ca.Fc) << ca.name;
                EXPECT_EQ(us.Ft, ca.Ft) << ca.name;
                EXPECT_EQ(us.Fb, ca.Fb) << ca.name;
                EXPECT_EQ(us.E0, ca.E0) << ca.name;
            }
        EXPECT_TRUE(found) << ca.name;
    }
}

TEST(DimensionMsr, GradeBeyondTableGivesNoStrengths) {
    for (int grade : {29, -1, 2147483647}) {
        const MatData m = look(msr(0, grade));
        EXPECT_EQ(m.description, "MSR製材　") << grade;
        EXPECT_FALSE(m.hasStrengths());
    }
    EXPECT_EQ(look(msr(1, 18)).description, "MSR製材　(USA)");
    EXPECT_FALSE(look(msr(1, 18)).hasStrengths());
    EXPECT_FALSE(look(msr(2, 14)).hasStrengths());
}

TEST(DimensionMsr, UnknownGroupGivesNoShear) {
    const MatData m = look(msr(0, 3, 9));
    EXPECT_FALSE(m.hasStrengths());
    EXPECT_EQ(m.Fsx, 0.0);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0); // S-P-F, as the non-MSR branch
    EXPECT_FALSE(look(msr(0, 3, -1)).hasStrengths());
}

} // namespace
} // namespace tarvo
