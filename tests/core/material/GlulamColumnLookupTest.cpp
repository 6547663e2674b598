// Decorative-faced glulam column (product kind 4) through
// MatDataBase::lookupStrength.
#include <gtest/gtest.h>

#include "core/material/MatDataBase.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo {
namespace {

MatInputData column(int species) {
    MatInputData selection;
    selection.SelectProduct = kGlulamColumn;
    selection.SelectGrade[4] = species;
    return selection;
}

MatData look(const MatInputData& selection) {
    return MatDataBase{}.lookupStrength(selection, 204);
}

TEST(GlulamColumn, SugiAsPublished) {
    const MatData m = look(column(33));
    EXPECT_EQ(m.description, "化粧梁構造用集成柱　すぎ");
    EXPECT_EQ(m.speciesName, "");
    EXPECT_EQ(m.productName, "");
    EXPECT_EQ(m.shearClass, "");
    EXPECT_DOUBLE_EQ(m.Fc, 24.0);
    EXPECT_DOUBLE_EQ(m.Ft, 21.0);
    EXPECT_DOUBLE_EQ(m.Fbx, 29.4);
    EXPECT_DOUBLE_EQ(m.FbxNeg, 29.4);
    EXPECT_DOUBLE_EQ(m.Fby, 29.4);
    EXPECT_DOUBLE_EQ(m.Fsx, 2.7);
    EXPECT_DOUBLE_EQ(m.Fsy, 2.1);
    EXPECT_EQ(m.Fcv, 0.0);
    EXPECT_EQ(m.E0, 0.0);
    EXPECT_EQ(m.Elow, 0.0);
    EXPECT_TRUE(m.hasStrengths());
}

TEST(GlulamColumn, FirstAndLastRows) {
    MatData m = look(column(0));
    EXPECT_EQ(m.description, "化粧梁構造用集成柱　アピトン");
    EXPECT_DOUBLE_EQ(m.Fc, 36.6);
    EXPECT_DOUBLE_EQ(m.Ft, 32.4);
    EXPECT_DOUBLE_EQ(m.Fbx, 45.6);
    EXPECT_DOUBLE_EQ(m.Fsx, 4.8);
    EXPECT_DOUBLE_EQ(m.Fsy, 4.2);
    m = look(column(35));
    EXPECT_EQ(m.description, "化粧梁構造用集成柱　ホワイトサイプレスパイン");
    EXPECT_DOUBLE_EQ(m.Fc, 24.0);
    EXPECT_DOUBLE_EQ(m.Fsx, 3.6);
    EXPECT_DOUBLE_EQ(m.Fsy, 3.0);
}

TEST(GlulamColumn, RowsThatDifferOnlyInShear) {
    MatData m = look(column(15)); // つが
    EXPECT_DOUBLE_EQ(m.Fc, 27.6);
    EXPECT_DOUBLE_EQ(m.Fsx, 3.3);
    m = look(column(16)); // たも
    EXPECT_DOUBLE_EQ(m.Fc, 27.6);
    EXPECT_DOUBLE_EQ(m.Fsx, 4.2);
    EXPECT_DOUBLE_EQ(m.Fsy, 3.6);
    m = look(column(28)); // べにまつ
    EXPECT_DOUBLE_EQ(m.Fc, 25.2);
    EXPECT_DOUBLE_EQ(m.Fsx, 3.3);
    EXPECT_DOUBLE_EQ(m.Fsy, 2.7);
    m = look(column(29)); // ポンデローサパイン
    EXPECT_DOUBLE_EQ(m.Fsx, 3.0);
    m = look(column(9)); // ひのき
    EXPECT_DOUBLE_EQ(m.Fc, 29.4);
    EXPECT_DOUBLE_EQ(m.Ft, 25.8);
    EXPECT_DOUBLE_EQ(m.Fbx, 37.2);
}

TEST(GlulamColumn, DescriptionUsesFullNamesAndTrailingSpace) {
    EXPECT_EQ(look(column(19)).description, "化粧梁構造用集成柱　アラスカイエローシダー");
    EXPECT_EQ(look(column(34)).description, "化粧梁構造用集成柱　べいすぎ ");
}

TEST(GlulamColumn, EndPositionHasNoEffect) {
    MatInputData selection = column(5);
    const MatData without = look(selection);
    selection.UseEndPosFcv = true;
    EXPECT_EQ(look(selection), without);
}

TEST(GlulamColumn, SpeciesOutsideTableSetsNothing) {
    for (int species : {36, -1, 2147483647, -2147483647 - 1}) {
        const MatData m = look(column(species));
        EXPECT_EQ(m.description, "化粧梁構造用集成柱　") << species;
        EXPECT_FALSE(m.hasStrengths());
        EXPECT_EQ(m.Fsx, 0.0);
    }
}

TEST(GlulamColumn, EnvironmentFactor) {
    MatInputData selection = column(33);
    selection.UseEnvironIndex = 1;
    const MatData m = look(selection);
    EXPECT_DOUBLE_EQ(m.Fc, 24.0 * 0.8);
    EXPECT_DOUBLE_EQ(m.Fby, 29.4 * 0.8);
    EXPECT_DOUBLE_EQ(m.Fsy, 2.1 * 0.8);
    EXPECT_EQ(m.Fcv, 0.0);
}

// The column and lamina species lists are in different orders; the column's
// shear strengths are those of its lamina species, so the two tables must
// agree name by name (a column row covering the wrong index range breaks this).
TEST(GlulamColumn, ShearAgreesWithTheLaminaSpeciesOfTheSameName) {
    int compared = 0;
    for (std::size_t c = 0; c < material::kColumnSpecies.size(); ++c)
        for (std::size_t l = 0; l < material::kLaminaSpecies.size(); ++l)
            if (material::kLaminaSpecies[l] == material::kColumnSpecies[c]) {
                MatInputData lamina;
                lamina.SelectProduct = kGlulam;
                lamina.KindOfWood[2] = static_cast<int>(l);
                const MatData expected = look(lamina);
                const MatData m = look(column(static_cast<int>(c)));
                EXPECT_DOUBLE_EQ(m.Fsx, expected.Fsx) << material::kColumnSpecies[c];
                EXPECT_DOUBLE_EQ(m.Fsy, expected.Fsy) << material::kColumnSpecies[c];
                ++compared;
            }
    EXPECT_EQ(compared, 36);
}

} // namespace
} // namespace tarvo
