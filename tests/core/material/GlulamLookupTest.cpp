// Structural glulam (product kind 2) through MatDataBase::lookupStrength:
// lay-up tables S, T, A, U4/U3/U2, lamina species, the 0.6 reduction, the
// end-position factor and the texts.
#include <gtest/gtest.h>

#include <string>

#include "core/material/MatDataBase.h"
#include "core/material/tables/GlulamTables.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo {
namespace {

MatInputData glulam(int layUp, int grade, int species, int count = 0) {
    MatInputData selection;
    selection.SelectProduct = kGlulam;
    selection.LaminaCompositionIndex = layUp;
    selection.LaminaCountIndex = count;
    selection.SelectGrade[2] = grade;
    selection.KindOfWood[2] = species;
    return selection;
}

MatData look(const MatInputData& selection) {
    return MatDataBase{}.lookupStrength(selection, 204);
}

// ---- symmetric lay-up (table S) and texts --------------------------------

TEST(GlulamSymmetric, E120F330BeimatsuAsPublished) {
    const MatData m = look(glulam(1, 3, 17));
    EXPECT_EQ(m.productName, "構造用集成材 ");
    EXPECT_EQ(m.description, "対称異等級構成構造用集成材　E120-F330");
    EXPECT_EQ(m.speciesName, "べいまつ");
    EXPECT_EQ(m.shearClass, "");
    EXPECT_DOUBLE_EQ(m.Fc, 25.2);
    EXPECT_DOUBLE_EQ(m.Ft, 22.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 33.0);
    EXPECT_DOUBLE_EQ(m.FbxNeg, 33.0);
    EXPECT_DOUBLE_EQ(m.Fby, 24.0);
    EXPECT_DOUBLE_EQ(m.Fsx, 3.6);
    EXPECT_DOUBLE_EQ(m.Fsy, 3.0);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    EXPECT_DOUBLE_EQ(m.E0, 12000);
    EXPECT_DOUBLE_EQ(m.Elow, 10000);
    EXPECT_TRUE(m.hasStrengths());
}

TEST(GlulamSymmetric, FirstAndLastRows) {
    MatData m = look(glulam(1, 0, 17));
    EXPECT_EQ(m.description, "対称異等級構成構造用集成材　E170-F495");
    EXPECT_DOUBLE_EQ(m.Fc, 38.4);
    EXPECT_DOUBLE_EQ(m.Ft, 33.5);
    EXPECT_DOUBLE_EQ(m.Fbx, 49.5);
    EXPECT_DOUBLE_EQ(m.Fby, 35.4);
    EXPECT_DOUBLE_EQ(m.E0, 17000);
    EXPECT_DOUBLE_EQ(m.Elow, 14000);
    m = look(glulam(1, 10, 17));
    EXPECT_EQ(m.description, "対称異等級構成構造用集成材　E55-F200");
    EXPECT_DOUBLE_EQ(m.Fc, 13.3);
    EXPECT_DOUBLE_EQ(m.Ft, 11.6);
    EXPECT_DOUBLE_EQ(m.Fbx, 20.0);
    EXPECT_DOUBLE_EQ(m.Fby, 10.2);
    EXPECT_DOUBLE_EQ(m.E0, 5500);
    EXPECT_DOUBLE_EQ(m.Elow, 4500);
    m = look(glulam(1, 9, 17)); // E65-F220 next to E65-F225
    EXPECT_DOUBLE_EQ(m.Fc, 15.3);
    EXPECT_DOUBLE_EQ(m.Fby, 12.6);
}

TEST(GlulamSymmetric, UnevaluatedLaminaeReduceShearBy0_6) {
    MatInputData selection = glulam(1, 3, 17);
    selection.UnValuationLamina = true;
    MatData m = look(selection);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.16);
    EXPECT_DOUBLE_EQ(m.Fsy, 1.8);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    EXPECT_DOUBLE_EQ(m.Fc, 25.2);
    selection.UseEnvironIndex = 1; // environment factor follows without rounding
    m = look(selection);
    EXPECT_DOUBLE_EQ(m.Fsx, 3.6 * 0.6 * 0.8);
}

TEST(GlulamSymmetric, UnevaluatedFlagOnlyForLayUpOne) {
    for (int layUp : {0, 2, 3}) {
        MatInputData selection = glulam(layUp, 0, 17);
        const MatData without = look(selection);
        selection.UnValuationLamina = true;
        EXPECT_EQ(look(selection), without) << layUp;
    }
}

// ---- specific symmetric lay-up (table T) ---------------------------------

TEST(GlulamSpecificSymmetric, FirstAndLastRows) {
    MatData m = look(glulam(2, 0, 34));
    EXPECT_EQ(m.description, "特定対称異等級構成構造用集成材　ME120-F330");
    EXPECT_DOUBLE_EQ(m.Fc, 20.2);
    EXPECT_DOUBLE_EQ(m.Ft, 17.6);
    EXPECT_DOUBLE_EQ(m.Fbx, 33.0);
    EXPECT_DOUBLE_EQ(m.FbxNeg, 33.0);
    EXPECT_DOUBLE_EQ(m.Fby, 12.7);
    EXPECT_DOUBLE_EQ(m.E0, 12000);
    EXPECT_DOUBLE_EQ(m.Elow, 10000);
    m = look(glulam(2, 3, 34));
    EXPECT_EQ(m.description, "特定対称異等級構成構造用集成材　ME85-F255");
    EXPECT_DOUBLE_EQ(m.Fc, 15.9);
    EXPECT_DOUBLE_EQ(m.Ft, 13.9);
    EXPECT_DOUBLE_EQ(m.Fbx, 25.5);
    EXPECT_DOUBLE_EQ(m.Fby, 11.0);
    EXPECT_DOUBLE_EQ(m.E0, 8500);
    EXPECT_DOUBLE_EQ(m.Elow, 7000);
    EXPECT_FALSE(look(glulam(2, 4, 34)).hasStrengths());
}

// ---- asymmetric lay-up (table A) -----------------------------------------

TEST(GlulamAsymmetric, FirstAndLastRowsSetTheirOwnNegativeBending) {
    MatData m = look(glulam(3, 0, 12));
    EXPECT_EQ(m.description, "非対称異等級構成構造用集成材　E160-F480");
    EXPECT_DOUBLE_EQ(m.Fc, 36.5);
    EXPECT_DOUBLE_EQ(m.Ft, 31.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 48.0);
    EXPECT_DOUBLE_EQ(m.FbxNeg, 34.5);
    EXPECT_DOUBLE_EQ(m.Fby, 31.8);
    EXPECT_DOUBLE_EQ(m.E0, 16000);
    EXPECT_DOUBLE_EQ(m.Elow, 13500);
    m = look(glulam(3, 10, 12));
    EXPECT_EQ(m.description, "非対称異等級構成構造用集成材　E50-F170");
    EXPECT_DOUBLE_EQ(m.Fc, 12.2);
    EXPECT_DOUBLE_EQ(m.Ft, 10.6);
    EXPECT_DOUBLE_EQ(m.Fbx, 17.0);
    EXPECT_DOUBLE_EQ(m.FbxNeg, 14.0);
    EXPECT_DOUBLE_EQ(m.Fby, 8.4);
    EXPECT_DOUBLE_EQ(m.E0, 5000);
    EXPECT_DOUBLE_EQ(m.Elow, 4500);
    m = look(glulam(3, 9, 12)); // E60-F205
    EXPECT_DOUBLE_EQ(m.FbxNeg, 16.0);
    EXPECT_DOUBLE_EQ(m.Fby, 10.8);
}

// ---- same-grade lay-up (tables U4, U3, U2) -------------------------------

TEST(GlulamSameGrade, TwoLaminaeRowZeroAsPublished) {
    const MatData m = look(glulam(0, 0, 34, 2));
    EXPECT_EQ(m.description, "同一等級構成構造用集成材　E190-F510");
    EXPECT_DOUBLE_EQ(m.Fc, 45.8);
    EXPECT_DOUBLE_EQ(m.Ft, 36.6);
    EXPECT_DOUBLE_EQ(m.Fbx, 51.0);
    EXPECT_DOUBLE_EQ(m.FbxNeg, 51.0);
    EXPECT_DOUBLE_EQ(m.Fby, 51.0);
    EXPECT_DOUBLE_EQ(m.E0, 19000);
    EXPECT_DOUBLE_EQ(m.Elow, 16000);
}

TEST(GlulamSameGrade, CornersOfTheThreeTables) {
    MatData m = look(glulam(0, 0, 34, 0));
    EXPECT_EQ(m.description, "同一等級構成構造用集成材　E190-F615");
    EXPECT_DOUBLE_EQ(m.Fc, 50.3);
    EXPECT_DOUBLE_EQ(m.Ft, 43.9);
    EXPECT_DOUBLE_EQ(m.Fbx, 61.5);
    m = look(glulam(0, 10, 34, 0));
    EXPECT_EQ(m.description, "同一等級構成構造用集成材　E55-F225");
    EXPECT_DOUBLE_EQ(m.Fc, 18.6);
    EXPECT_DOUBLE_EQ(m.Ft, 16.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 22.5);
    EXPECT_DOUBLE_EQ(m.E0, 5500);
    EXPECT_DOUBLE_EQ(m.Elow, 4500);
    m = look(glulam(0, 0, 34, 1));
    EXPECT_EQ(m.description, "同一等級構成構造用集成材　E190-F555");
    EXPECT_DOUBLE_EQ(m.Fc, 45.8);
    EXPECT_DOUBLE_EQ(m.Ft, 40.3);
    EXPECT_DOUBLE_EQ(m.Fbx, 55.5);
    m = look(glulam(0, 10, 34, 1));
    EXPECT_EQ(m.description, "同一等級構成構造用集成材　E55-F225");
    EXPECT_DOUBLE_EQ(m.Fc, 16.9);
    EXPECT_DOUBLE_EQ(m.Ft, 14.9);
    m = look(glulam(0, 10, 34, 2));
    EXPECT_EQ(m.description, "同一等級構成構造用集成材　E55-F200");
    EXPECT_DOUBLE_EQ(m.Fc, 16.9);
    EXPECT_DOUBLE_EQ(m.Ft, 13.5);
    EXPECT_DOUBLE_EQ(m.Fbx, 20.0);
    m = look(glulam(0, 4, 34, 0)); // E120-F375
    EXPECT_DOUBLE_EQ(m.Fc, 30.1);
    EXPECT_DOUBLE_EQ(m.E0, 12000);
    EXPECT_DOUBLE_EQ(m.Elow, 10000);
}

TEST(GlulamSameGrade, EveryRowsEClassMatchesItsGradeNames) {
    for (const auto& row : material::kGlulamTableU)
        for (const auto& cell : row.counts) {
            std::string prefix = "E";
            prefix += std::to_string(static_cast<int>(row.E0 / 100));
            prefix += '-';
            EXPECT_EQ(std::string(cell.name).rfind(prefix, 0), 0u) << cell.name;
        }
}

TEST(GlulamSameGrade, OtherLaminaCountSetsNothing) {
    for (int count : {3, -1, 2147483647}) {
        const MatData m = look(glulam(0, 0, 34, count));
        EXPECT_EQ(m.description, "同一等級構成構造用集成材　") << count;
        EXPECT_FALSE(m.hasStrengths());
        EXPECT_EQ(m.E0, 0.0);
        EXPECT_DOUBLE_EQ(m.Fsx, 2.7); // the lamina species step still runs
    }
}

TEST(GlulamSameGrade, AnyOtherLayUpIsSameGrade) {
    EXPECT_EQ(look(glulam(4, 2, 9, 1)), look(glulam(0, 2, 9, 1)));
    EXPECT_EQ(look(glulam(-1, 2, 9, 1)), look(glulam(0, 2, 9, 1)));
}

// ---- lamina species and end position -------------------------------------

TEST(GlulamLaminaSpecies, TableRowsSpotChecks) {
    struct Case {
        int species;
        double Fsx;
        double Fsy;
        double Fcv;
    };
    for (const Case c :
         {Case{0, 4.8, 4.2, 10.8}, Case{5, 4.8, 4.2, 10.8}, Case{6, 4.2, 3.6, 10.8}, Case{11, 3.6, 3.0, 7.8},
          Case{13, 3.6, 3.0, 9.0}, Case{14, 3.6, 3.0, 7.8}, Case{18, 3.6, 3.0, 9.0}, Case{19, 3.3, 2.7, 6.0},
          Case{23, 3.3, 2.7, 6.0}, Case{24, 3.0, 2.4, 6.0}, Case{32, 3.0, 2.4, 6.0}, Case{33, 3.0, 2.4, 9.0},
          Case{35, 2.7, 2.1, 6.0}}) {
        const MatData m = look(glulam(1, 3, c.species));
        EXPECT_DOUBLE_EQ(m.Fsx, c.Fsx) << c.species;
        EXPECT_DOUBLE_EQ(m.Fsy, c.Fsy) << c.species;
        EXPECT_DOUBLE_EQ(m.Fcv, c.Fcv) << c.species;
    }
}

TEST(GlulamLaminaSpecies, BeisugiKeepsItsTrailingSpace) {
    EXPECT_EQ(look(glulam(1, 3, 35)).speciesName, "べいすぎ ");
}

TEST(GlulamLaminaSpecies, EndPositionFactorBySpecies) {
    MatInputData selection = glulam(1, 3, 4); // けやき: 0.75
    selection.UseEndPosFcv = true;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 8.1);
    selection.KindOfWood[2] = 8; // にれ: 0.75
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 8.1);
    selection.KindOfWood[2] = 34; // すぎ: 0.8
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 4.8);
    selection.KindOfWood[2] = 9; // ひのき: round1(6.24)
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 6.2);
}

TEST(GlulamLaminaSpecies, OutsideTableSetsNoShearNorBearing) {
    for (int species : {36, -1, 2147483647, -2147483647 - 1}) {
        MatInputData selection = glulam(1, 3, species);
        selection.UseEndPosFcv = true;
        const MatData m = look(selection);
        EXPECT_EQ(m.speciesName, "") << species;
        EXPECT_EQ(m.Fsx, 0.0);
        EXPECT_EQ(m.Fsy, 0.0);
        EXPECT_EQ(m.Fcv, 0.0);
        EXPECT_DOUBLE_EQ(m.Fc, 25.2); // the grade table is still read
        EXPECT_FALSE(m.hasStrengths());
    }
}

TEST(GlulamIndices, GradeBeyondTableBuildsTextOnly) {
    for (int grade : {11, -1, 2147483647}) {
        const MatData m = look(glulam(1, grade, 17));
        EXPECT_EQ(m.description, "対称異等級構成構造用集成材　") << grade;
        EXPECT_EQ(m.speciesName, "べいまつ");
        EXPECT_FALSE(m.hasStrengths());
        EXPECT_EQ(m.E0, 0.0);
    }
    EXPECT_FALSE(look(glulam(3, 11, 17)).hasStrengths());
    EXPECT_FALSE(look(glulam(0, 11, 17, 0)).hasStrengths());
}

// Bearing strength is a property of the species: a lamina species that is
// also an ungraded sawn species has that species' sawn Fcv. The lists are in
// different orders, so an index range shifted in the lamina table shows up.
TEST(GlulamLaminaSpecies, BearingAgreesWithUngradedSawnLumberOfTheSameName) {
    int compared = 0;
    for (std::size_t l = 0; l < material::kLaminaSpecies.size(); ++l) {
        std::string name(material::kLaminaSpecies[l]);
        if (!name.empty() && name.back() == ' ') name.pop_back(); // "べいすぎ " of the lamina list
        for (std::size_t u = 0; u < material::kUngradedSpecies.size(); ++u)
            if (material::kUngradedSpecies[u] == name) {
                MatInputData sawn;
                sawn.SelectProduct = kSawnLumber;
                sawn.ProductStandardNormal = 2;
                sawn.KindOfWood[0] = static_cast<int>(u);
                EXPECT_DOUBLE_EQ(look(glulam(1, 3, static_cast<int>(l))).Fcv, look(sawn).Fcv) << name;
                ++compared;
            }
    }
    EXPECT_EQ(compared, 18);
}

} // namespace
} // namespace tarvo
