// Structural LVL (product kind 3) through MatDataBase::lookupStrength: E
// classes, grades, shear classes, veneer species Fcv and texts .
#include <gtest/gtest.h>

#include "core/material/MatDataBase.h"

namespace tarvo {
namespace {

MatInputData lvl(int grade, int shear, int species) {
    MatInputData selection;
    selection.SelectProduct = kLvl;
    selection.SelectGrade[3] = grade;
    selection.LVL_Shear_Index = shear;
    selection.KindOfWood[3] = species;
    return selection;
}

MatData look(const MatInputData& selection) {
    return MatDataBase{}.lookupStrength(selection, 204);
}

TEST(LvlLookup, E120Grade1SugiAsPublished) {
    const MatData m = look(lvl(3 * 3 + 1, 3, 34));
    EXPECT_EQ(m.productName, "構造用単板積層材 ");
    EXPECT_EQ(m.description, "構造用単板積層材　120E １級");
    EXPECT_EQ(m.speciesName, "すぎ");
    EXPECT_EQ(m.shearClass, "(50V-43H)");
    EXPECT_DOUBLE_EQ(m.Fc, 30.0);
    EXPECT_DOUBLE_EQ(m.Ft, 19.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 33.0);
    EXPECT_DOUBLE_EQ(m.FbxNeg, 33.0);
    EXPECT_DOUBLE_EQ(m.Fby, 33.0);
    EXPECT_DOUBLE_EQ(m.Fsx, 3.0);
    EXPECT_DOUBLE_EQ(m.Fsy, 2.7);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0);
    EXPECT_DOUBLE_EQ(m.E0, 12000);
    EXPECT_DOUBLE_EQ(m.Elow, 10500);
    EXPECT_TRUE(m.hasStrengths());
}

TEST(LvlLookup, E160Grade1TensionIs27) {
    const MatData m = look(lvl(1 * 3 + 1, 0, 34));
    EXPECT_EQ(m.description, "構造用単板積層材　160E １級");
    EXPECT_DOUBLE_EQ(m.Fc, 40.2);
    EXPECT_DOUBLE_EQ(m.Ft, 27.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 44.4);
    EXPECT_DOUBLE_EQ(m.E0, 16000);
    EXPECT_DOUBLE_EQ(m.Elow, 14000);
}

TEST(LvlLookup, FirstAndLastGrades) {
    MatData m = look(lvl(0, 0, 34));
    EXPECT_EQ(m.description, "構造用単板積層材　180E 特級");
    EXPECT_DOUBLE_EQ(m.Fc, 46.8);
    EXPECT_DOUBLE_EQ(m.Ft, 34.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 58.2);
    EXPECT_DOUBLE_EQ(m.E0, 18000);
    EXPECT_DOUBLE_EQ(m.Elow, 15500);
    m = look(lvl(2, 0, 34));
    EXPECT_EQ(m.description, "構造用単板積層材　180E ２級");
    EXPECT_DOUBLE_EQ(m.Fc, 42.0);
    EXPECT_DOUBLE_EQ(m.Ft, 25.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 42.0);
    m = look(lvl(27, 0, 34));
    EXPECT_EQ(m.description, "構造用単板積層材　60E 特級");
    EXPECT_DOUBLE_EQ(m.Fc, 15.6);
    EXPECT_DOUBLE_EQ(m.Ft, 12.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 19.8);
    m = look(lvl(29, 0, 34));
    EXPECT_EQ(m.description, "構造用単板積層材　60E ２級");
    EXPECT_DOUBLE_EQ(m.Fc, 13.8);
    EXPECT_DOUBLE_EQ(m.Ft, 8.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 13.8);
    EXPECT_DOUBLE_EQ(m.E0, 6000);
    EXPECT_DOUBLE_EQ(m.Elow, 5000);
    m = look(lvl(4 * 3, 0, 34)); // 110E: Elow 9000
    EXPECT_EQ(m.description, "構造用単板積層材　110E 特級");
    EXPECT_DOUBLE_EQ(m.E0, 11000);
    EXPECT_DOUBLE_EQ(m.Elow, 9000);
}

TEST(LvlLookup, ShearClasses) {
    struct Case {
        int index;
        const char* label;
        double Fsx;
        double Fsy;
    };
    for (const Case c : {Case{0, "(65V-55H)", 4.2, 3.6}, Case{1, "(60V-51H)", 3.6, 3.3}, Case{2, "(55V-47H)", 3.6, 3.0},
                         Case{3, "(50V-43H)", 3.0, 2.7}, Case{4, "(45V-38H)", 3.0, 2.4}, Case{5, "(40V-34H)", 2.4, 2.1},
                         Case{6, "(35V-30H)", 2.4, 1.8}}) {
        const MatData m = look(lvl(0, c.index, 34));
        EXPECT_EQ(m.shearClass, c.label);
        EXPECT_DOUBLE_EQ(m.Fsx, c.Fsx) << c.index;
        EXPECT_DOUBLE_EQ(m.Fsy, c.Fsy) << c.index;
    }
}

TEST(LvlLookup, ShearClassOutsideTableSetsNothing) {
    for (int shear : {7, -1, 2147483647}) {
        const MatData m = look(lvl(0, shear, 34));
        EXPECT_EQ(m.shearClass, "") << shear;
        EXPECT_EQ(m.Fsx, 0.0);
        EXPECT_EQ(m.Fsy, 0.0);
        EXPECT_DOUBLE_EQ(m.Fc, 46.8);
        EXPECT_FALSE(m.hasStrengths());
    }
}

TEST(LvlLookup, GradeOutsideTableSetsNoStrengthNorModulus) {
    for (int grade : {30, -1, -3, 2147483647, -2147483647 - 1}) {
        const MatData m = look(lvl(grade, 0, 34));
        EXPECT_EQ(m.description, "構造用単板積層材　") << grade;
        EXPECT_EQ(m.Fc, 0.0);
        EXPECT_EQ(m.E0, 0.0);
        EXPECT_EQ(m.Elow, 0.0);
        EXPECT_FALSE(m.hasStrengths());
        EXPECT_EQ(m.shearClass, "(65V-55H)");
    }
}

TEST(LvlLookup, VeneerSpeciesGivesOnlyBearing) {
    MatData m = look(lvl(0, 6, 0)); // いたやかえで: Fcv 10.8; shear from the class
    EXPECT_EQ(m.speciesName, "いたやかえで");
    EXPECT_DOUBLE_EQ(m.Fcv, 10.8);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.4);
    EXPECT_DOUBLE_EQ(m.Fsy, 1.8);
    m = look(lvl(0, 0, 33)); // ラワン
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
}

TEST(LvlLookup, EndPositionFactorBySpecies) {
    MatInputData selection = lvl(0, 0, 4); // けやき 0.75
    selection.UseEndPosFcv = true;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 8.1);
    selection.KindOfWood[3] = 34; // すぎ 0.8
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 4.8);
}

TEST(LvlLookup, SpeciesOutsideTableLeavesBearingZero) {
    for (int species : {36, -1, 2147483647}) {
        MatInputData selection = lvl(0, 0, species);
        selection.UseEndPosFcv = true;
        const MatData m = look(selection);
        EXPECT_EQ(m.speciesName, "") << species;
        EXPECT_EQ(m.Fcv, 0.0);
        EXPECT_TRUE(m.hasStrengths()); // usable as a column; a horizontal member needs Fcv > 0
    }
}

TEST(LvlLookup, EnvironmentFactorLeavesModuliAndTexts) {
    MatInputData selection = lvl(0, 0, 34);
    selection.UseEnvironIndex = 0;
    const MatData m = look(selection);
    EXPECT_DOUBLE_EQ(m.Fc, 46.8 * 0.7);
    EXPECT_DOUBLE_EQ(m.Fsy, 3.6 * 0.7);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0 * 0.7);
    EXPECT_DOUBLE_EQ(m.E0, 18000);
    EXPECT_DOUBLE_EQ(m.Elow, 15500);
    EXPECT_EQ(m.shearClass, "(65V-55H)");
}

} // namespace
} // namespace tarvo
