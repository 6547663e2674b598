// Sawn lumber (product kind 0) through MatDataBase::lookupStrength:
// visual grade, machine grade and ungraded tables, end-position factor and
// description texts.
#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <utility>

#include "core/material/MatDataBase.h"
#include "core/material/tables/SawnLumberTables.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo {
namespace {

MatInputData sawn(int standard, int species, int grade = 0) {
    MatInputData selection;
    selection.SelectProduct = kSawnLumber;
    selection.ProductStandardNormal = standard;
    selection.KindOfWood[0] = species;
    selection.SelectGrade[0] = grade;
    return selection;
}

MatData look(const MatInputData& selection) {
    return MatDataBase{}.lookupStrength(selection, 204);
}

void expectSawnCopies(const MatData& m) {
    EXPECT_EQ(m.FbxNeg, m.Fbx);
    EXPECT_EQ(m.Fby, m.Fbx);
    EXPECT_EQ(m.Fsy, m.Fsx);
}

// ---- visual grade ---------------------------------------------------------

TEST(SawnVisualGrade, AkamatsuKoshu1AsPublished) {
    const MatData m = look(sawn(0, 0, 0));
    EXPECT_EQ(m.description, "あかまつ　甲種１級");
    EXPECT_EQ(m.speciesName, "あかまつ");
    EXPECT_EQ(m.productName, "");
    EXPECT_EQ(m.shearClass, "");
    EXPECT_DOUBLE_EQ(m.Fc, 27.0);
    EXPECT_DOUBLE_EQ(m.Ft, 20.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 33.6);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.4);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    EXPECT_DOUBLE_EQ(m.E0, 10000);
    EXPECT_DOUBLE_EQ(m.Elow, 6500);
    expectSawnCopies(m);
    EXPECT_TRUE(m.hasStrengths());
}

TEST(SawnVisualGrade, SpotChecksOfTableCorners) {
    // first row, last grade column (乙種３級)
    MatData m = look(sawn(0, 0, 5));
    EXPECT_EQ(m.description, "あかまつ　乙種３級");
    EXPECT_DOUBLE_EQ(m.Fc, 11.4);
    EXPECT_DOUBLE_EQ(m.Ft, 7.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 11.4);
    // last row すぎ, first and last grade
    m = look(sawn(0, 9, 0));
    EXPECT_DOUBLE_EQ(m.Fc, 21.6);
    EXPECT_DOUBLE_EQ(m.Ft, 16.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 27.0);
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0);
    EXPECT_DOUBLE_EQ(m.E0, 7000);
    EXPECT_DOUBLE_EQ(m.Elow, 4500);
    m = look(sawn(0, 9, 5));
    EXPECT_DOUBLE_EQ(m.Fc, 18.0);
    EXPECT_DOUBLE_EQ(m.Ft, 10.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 18.0);
    // ダフリカからまつ 甲種２級: Fcv 9.0 with Fs 2.1
    m = look(sawn(0, 3, 1));
    EXPECT_DOUBLE_EQ(m.Fc, 25.2);
    EXPECT_DOUBLE_EQ(m.Ft, 18.6);
    EXPECT_DOUBLE_EQ(m.Fbx, 31.2);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.1);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    EXPECT_DOUBLE_EQ(m.E0, 13000);
    EXPECT_DOUBLE_EQ(m.Elow, 9000);
    // べいつが 甲種３級
    m = look(sawn(0, 6, 2));
    EXPECT_DOUBLE_EQ(m.Fc, 17.4);
    EXPECT_DOUBLE_EQ(m.Ft, 13.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 21.6);
    EXPECT_DOUBLE_EQ(m.E0, 9500);
}

TEST(SawnVisualGrade, EzomatsuAndTodomatsuGiveIdenticalValues) {
    for (int grade = 0; grade < 6; ++grade) {
        MatData ezo = look(sawn(0, 7, grade));
        MatData todo = look(sawn(0, 8, grade));
        EXPECT_EQ(ezo.speciesName, "えぞまつ");
        EXPECT_EQ(todo.speciesName, "とどまつ");
        ezo.description = todo.description = "";
        ezo.speciesName = todo.speciesName = "";
        EXPECT_EQ(ezo, todo) << "grade " << grade;
    }
    const MatData m = look(sawn(0, 8, 5));
    EXPECT_DOUBLE_EQ(m.Ft, 5.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 9.0);
}

TEST(SawnVisualGrade, EndPositionRoundsToOneDecimal) {
    MatInputData selection = sawn(0, 0, 0);
    selection.UseEndPosFcv = true;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 7.2);
    selection.KindOfWood[0] = 2; // からまつ 7.8 × 0.8 = 6.24 → 6.2
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 6.2);
}

TEST(SawnVisualGrade, EndPositionThenClassTwoIsNotRoundedAgain) {
    MatInputData selection = sawn(0, 0, 0);
    selection.UseEndPosFcv = true;
    selection.UseEnvironIndex = 1;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 7.2 * 0.8); // 5.76
}

TEST(SawnVisualGrade, GradeOutsideTableGivesTextButNoStrengths) {
    for (int grade : {6, -1, 2147483647, -2147483647 - 1}) {
        const MatData m = look(sawn(0, 1, grade));
        EXPECT_EQ(m.description, "べいまつ　") << grade;
        EXPECT_EQ(m.speciesName, "べいまつ");
        EXPECT_FALSE(m.hasStrengths());
        EXPECT_EQ(m.Fcv, 0.0);
        EXPECT_EQ(m.E0, 0.0);
    }
}

TEST(SawnVisualGrade, SpeciesOutsideListGivesNoStrengths) {
    for (int species : {10, -1, 2147483647, -2147483647 - 1}) {
        const MatData m = look(sawn(0, species, 0));
        EXPECT_EQ(m.speciesName, "") << species;
        EXPECT_EQ(m.description, "　甲種１級");
        EXPECT_FALSE(m.hasStrengths());
        EXPECT_EQ(m.Fcv, 0.0);
    }
}

// ---- machine grade --------------------------------------------------------

TEST(SawnMachineGrade, FirstGradeDependsOnSpeciesGroup) {
    MatData m = look(sawn(1, 9, 0)); // すぎ: E50 is index 0
    EXPECT_EQ(m.description, "すぎ　E50");
    EXPECT_EQ(m.speciesName, "すぎ");
    EXPECT_DOUBLE_EQ(m.Fc, 19.2);
    EXPECT_DOUBLE_EQ(m.Ft, 14.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 24.0);
    EXPECT_DOUBLE_EQ(m.E0, 4900);
    EXPECT_DOUBLE_EQ(m.Elow, 3900);
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0);

    m = look(sawn(1, 0, 0)); // あかまつ: E70 is index 0
    EXPECT_EQ(m.description, "あかまつ　E70");
    EXPECT_DOUBLE_EQ(m.Fc, 9.6);
    EXPECT_DOUBLE_EQ(m.Ft, 7.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 12.0);
    EXPECT_DOUBLE_EQ(m.E0, 6900);
    EXPECT_DOUBLE_EQ(m.Elow, 5900);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.4);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    expectSawnCopies(m);
}

TEST(SawnMachineGrade, LastGradeOfEachGroup) {
    MatData m = look(sawn(1, 5, 4)); // とどまつ E150
    EXPECT_EQ(m.description, "とどまつ　E150");
    EXPECT_DOUBLE_EQ(m.Fc, 39.0);
    EXPECT_DOUBLE_EQ(m.Ft, 29.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 48.6);
    EXPECT_DOUBLE_EQ(m.E0, 14700);
    EXPECT_DOUBLE_EQ(m.Elow, 13700);
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    EXPECT_DOUBLE_EQ(m.Fcv, 6.0);

    m = look(sawn(1, 8, 5)); // ひば E150
    EXPECT_EQ(m.description, "ひば　E150");
    EXPECT_DOUBLE_EQ(m.Fc, 44.4);
    EXPECT_DOUBLE_EQ(m.Ft, 33.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 55.2);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.1);
    EXPECT_DOUBLE_EQ(m.Fcv, 7.8);

    m = look(sawn(1, 9, 5)); // すぎ E150
    EXPECT_DOUBLE_EQ(m.Fc, 41.4);
    EXPECT_DOUBLE_EQ(m.Ft, 31.2);
    EXPECT_DOUBLE_EQ(m.Fbx, 51.6);
}

TEST(SawnMachineGrade, ShearAndBearingBySpecies) {
    struct Case {
        int species;
        double Fs;
        double Fcv;
    };
    for (const Case c :
         {Case{0, 2.4, 9.0}, Case{1, 2.4, 9.0}, Case{2, 2.1, 9.0}, Case{3, 2.1, 6.0}, Case{4, 1.8, 6.0},
          Case{5, 1.8, 6.0}, Case{6, 2.1, 7.8}, Case{7, 2.1, 7.8}, Case{8, 2.1, 7.8}, Case{9, 1.8, 6.0}}) {
        const MatData m = look(sawn(1, c.species, 1));
        EXPECT_DOUBLE_EQ(m.Fsx, c.Fs) << c.species;
        EXPECT_DOUBLE_EQ(m.Fcv, c.Fcv) << c.species;
    }
}

TEST(SawnMachineGrade, SixthGradeOfFiveGradeGroupGivesNoStrengths) {
    const MatData m = look(sawn(1, 0, 5));
    EXPECT_EQ(m.description, "あかまつ　");
    EXPECT_FALSE(m.hasStrengths());
    EXPECT_EQ(m.Fcv, 0.0);
    EXPECT_FALSE(look(sawn(1, 9, -1)).hasStrengths());
    EXPECT_FALSE(look(sawn(1, -5, 0)).hasStrengths());
}

TEST(SawnMachineGrade, EndPositionFactor) {
    MatInputData selection = sawn(1, 6, 0); // からまつ 7.8 → 6.2
    selection.UseEndPosFcv = true;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 6.2);
}

// ---- ungraded -------------------------------------------------------------

TEST(SawnUngraded, KeyakiWithEndPositionUsesHardwoodFactor) {
    MatInputData selection = sawn(2, 20);
    selection.UseEndPosFcv = true;
    const MatData m = look(selection);
    EXPECT_EQ(m.description, "けやき　無等級材");
    EXPECT_EQ(m.speciesName, "けやき");
    EXPECT_DOUBLE_EQ(m.Fcv, 8.1); // round1(10.8 × 0.75)
    EXPECT_DOUBLE_EQ(m.Fc, 21.0);
    EXPECT_DOUBLE_EQ(m.Ft, 18.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 29.4);
    EXPECT_DOUBLE_EQ(m.Fsx, 3.0);
    EXPECT_DOUBLE_EQ(m.E0, 8000);
    EXPECT_DOUBLE_EQ(m.Elow, 5500);
}

TEST(SawnUngraded, SoftwoodEndPositionFactor) {
    MatInputData selection = sawn(2, 13); // すぎ
    selection.UseEndPosFcv = true;
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 4.8);
    selection.KindOfWood[0] = 15; // スプルース, last softwood
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 4.8);
    selection.KindOfWood[0] = 16; // かし, first hardwood: 12.0 × 0.75
    EXPECT_DOUBLE_EQ(look(selection).Fcv, 9.0);
}

TEST(SawnUngraded, SpotChecksOfTableRows) {
    MatData m = look(sawn(2, 0)); // first row
    EXPECT_EQ(m.description, "あかまつ　無等級材");
    EXPECT_DOUBLE_EQ(m.Fc, 22.2);
    EXPECT_DOUBLE_EQ(m.Ft, 17.7);
    EXPECT_DOUBLE_EQ(m.Fbx, 28.2);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.4);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    EXPECT_DOUBLE_EQ(m.E0, 8000);
    EXPECT_DOUBLE_EQ(m.Elow, 5500);
    m = look(sawn(2, 2)); // べいまつ differs from あかまつ only in E
    EXPECT_DOUBLE_EQ(m.E0, 10000);
    EXPECT_DOUBLE_EQ(m.Elow, 6500);
    m = look(sawn(2, 6)); // べいひ
    EXPECT_DOUBLE_EQ(m.Fc, 20.7);
    EXPECT_DOUBLE_EQ(m.E0, 9000);
    EXPECT_DOUBLE_EQ(m.Elow, 6000);
    m = look(sawn(2, 8)); // べいつが
    EXPECT_DOUBLE_EQ(m.Fc, 19.2);
    EXPECT_DOUBLE_EQ(m.Ft, 14.7);
    EXPECT_DOUBLE_EQ(m.Fbx, 25.2);
    m = look(sawn(2, 14)); // べいすぎ without trailing space here
    EXPECT_EQ(m.speciesName, "べいすぎ");
    EXPECT_EQ(m.description, "べいすぎ　無等級材");
    EXPECT_DOUBLE_EQ(m.Fc, 17.7);
    EXPECT_DOUBLE_EQ(m.Ft, 13.5);
    EXPECT_DOUBLE_EQ(m.Fbx, 22.2);
    EXPECT_DOUBLE_EQ(m.Fsx, 1.8);
    m = look(sawn(2, 16)); // かし
    EXPECT_DOUBLE_EQ(m.Fc, 27.0);
    EXPECT_DOUBLE_EQ(m.Ft, 24.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 38.4);
    EXPECT_DOUBLE_EQ(m.Fsx, 4.2);
    EXPECT_DOUBLE_EQ(m.Fcv, 12.0);
    EXPECT_DOUBLE_EQ(m.E0, 10000);
    EXPECT_DOUBLE_EQ(m.Elow, 6500);
}

TEST(SawnUngraded, IgnoresSelectGrade) {
    EXPECT_EQ(look(sawn(2, 5, 0)), look(sawn(2, 5, 4)));
    EXPECT_EQ(look(sawn(2, 5, 0)), look(sawn(2, 5, -99)));
}

TEST(SawnUngraded, AnyOtherStandardIsUngraded) {
    EXPECT_EQ(look(sawn(2, 3)), look(sawn(7, 3)));
    EXPECT_EQ(look(sawn(2, 3)), look(sawn(-1, 3)));
}

TEST(SawnUngraded, SpeciesOutsideListGivesNoStrengths) {
    for (int species : {21, -1, 2147483647}) {
        const MatData m = look(sawn(2, species));
        EXPECT_EQ(m.description, "　無等級材");
        EXPECT_FALSE(m.hasStrengths());
        EXPECT_EQ(m.Fcv, 0.0);
    }
}

// ---- consistency across the three standards -------------------------------

// Shear and bearing belong to the species, not to the grading standard: a
// species that appears in the visual-grade or machine-grade list has the
// ungraded table's Fs and Fcv. The three lists are in different orders, so a
// row mapped to the wrong index in any of the tables shows up here.
TEST(SawnConsistency, ShearAndBearingOfASpeciesAgreeAcrossStandards) {
    int compared = 0;
    for (std::size_t u = 0; u < material::kUngradedSpecies.size(); ++u) {
        const MatData ungraded = look(sawn(2, static_cast<int>(u)));
        const auto compare = [&](int standard, const auto& list) {
            for (std::size_t k = 0; k < list.size(); ++k)
                if (list[k] == material::kUngradedSpecies[u]) {
                    const MatData m = look(sawn(standard, static_cast<int>(k), 0));
                    EXPECT_DOUBLE_EQ(m.Fsx, ungraded.Fsx) << list[k] << " standard " << standard;
                    EXPECT_DOUBLE_EQ(m.Fcv, ungraded.Fcv) << list[k] << " standard " << standard;
                    ++compared;
                }
        };
        compare(0, material::kVisualGradeSpecies);
        compare(1, material::kMachineGradeSpecies);
    }
    EXPECT_EQ(compared, 9 + 9); // every species but ダフリカからまつ is in the ungraded list
}

// Machine grades are named by their E class, so a grade name has the same
// moduli in every species group.
TEST(SawnConsistency, MachineGradeModuliFollowTheGradeName) {
    std::map<std::string_view, std::pair<double, double>> moduli;
    for (const material::MachineGradeGroup& group : material::kMachineGradeTable)
        for (std::size_t i = 0; i < group.gradeCount; ++i) {
            const material::MachineGrade& grade = group.grades[i];
            const auto [it, inserted] = moduli.try_emplace(grade.name, grade.E0, grade.Elow);
            EXPECT_EQ(it->second.first, grade.E0) << grade.name;
            EXPECT_EQ(it->second.second, grade.Elow) << grade.name;
        }
    EXPECT_EQ(moduli.size(), 6u);
}

} // namespace
} // namespace tarvo
