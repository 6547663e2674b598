#include "core/report/MaterialList.h"

#include <gtest/gtest.h>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

constexpr int kUngradedSugi = 13;
constexpr int kLaminaSugi = 34;
constexpr int kLvl120ETopGrade = 9; // class row 3 (120E) × 3 + column 0 (特級)

class MaterialListTest : public ::testing::Test {
protected:
    static ColumnMember column(double b, double d) {
        ColumnMember item;
        item.B = b;
        item.D = d;
        item.Lkx = 2800;
        item.AxialForce = {12, 14, 16, 15, 14};
        return item;
    }
    std::vector<MaterialRow> listOf(const std::vector<ColumnMember>& items) {
        ColumnsData columns;
        std::vector<int> printed;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i == 0) {
                columns.Item(0) = items[0];
            } else {
                columns.Append(items[i]);
            }
            printed.push_back(static_cast<int>(i));
        }
        return ListMaterials(columns, printed, check);
    }
    MatDataBase catalogue;
    CommonData common;
    ColumnCheck check{catalogue, common};
};

// Ungraded すぎ in service class Ⅱ on the default あかまつ sill with the raised
// sill factors: Fc 17.7 × 0.8 = 14.16, fc = 14.16 × 1.1/3 = 5.192; Fcv 9.0
// × 0.8 = 7.2, fcv = 7.2 × 1.5/3 = 3.6 in the normal case.
TEST_F(MaterialListTest, SawnColumnAndItsSill) {
    ColumnMember item = column(105, 105);
    item.ColumnMaterial.ProductStandardNormal = 2;
    item.ColumnMaterial.KindOfWood[0] = kUngradedSugi;
    item.ColumnMaterial.UseEnvironIndex = 1;
    item.FcvUpper = true;
    item.BaseNameIndex = 1;
    const auto rows = listOf({item, item});
    ASSERT_EQ(rows.size(), 2u);

    const MaterialValues& c = rows[0].values;
    EXPECT_EQ(c.role, MaterialRole::Column);
    EXPECT_EQ(rows[0].numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(c.description, "すぎ　無等級材");
    EXPECT_EQ(c.sources.strengths, StrengthTable::SawnUngraded);
    EXPECT_DOUBLE_EQ(c.Fc, 17.7);
    EXPECT_DOUBLE_EQ(c.Fb, 22.2);
    EXPECT_DOUBLE_EQ(c.Fs, 1.8);
    EXPECT_DOUBLE_EQ(c.environmentFactor, 0.8);
    EXPECT_NEAR(c.FcInUse, 14.16, 1e-12);
    EXPECT_NEAR(c.FsInUse, 1.44, 1e-12);
    EXPECT_NEAR(c.FcInUse * c.factors[0] / 3, 5.192, 1e-12);

    const MaterialValues& b = rows[1].values;
    EXPECT_EQ(b.role, MaterialRole::HorizontalMember);
    EXPECT_EQ(rows[1].memberNames, "土台");
    EXPECT_EQ(b.sources.bearing, StrengthTable::WoodBearing);
    EXPECT_DOUBLE_EQ(b.Fcv, 9.0);
    EXPECT_NEAR(b.FcvInUse, 7.2, 1e-12);
    EXPECT_TRUE(b.sillFactors);
    EXPECT_NEAR(b.FcvInUse * b.factors[0] / 3, 3.6, 1e-12);
}

// Symmetric E105-F300 of すぎ with un-evaluated laminae, 105 × 360: Fbx 30.0
// with Kz = (300/360)^(1/9) = 0.979946, Fsx 2.7 × 0.6 = 1.62.
TEST_F(MaterialListTest, GlulamWithSizeAndLayUpFactors) {
    ColumnMember item = column(105, 360);
    MatInputData& m = item.ColumnMaterial;
    m.SelectProduct = kGlulam;
    m.LaminaCompositionIndex = 1;
    m.SelectGrade[2] = 4;
    m.KindOfWood[2] = kLaminaSugi;
    m.UnValuationLamina = true;
    const auto rows = listOf({item});
    ASSERT_FALSE(rows.empty());
    const MaterialValues& c = rows[0].values;
    EXPECT_EQ(c.sources.strengths, StrengthTable::GlulamSymmetric);
    EXPECT_EQ(c.sources.shear, StrengthTable::LaminaSpecies);
    EXPECT_EQ(c.bendingLabel, "Fbx");
    EXPECT_EQ(c.shearLabel, "Fsx");
    EXPECT_DOUBLE_EQ(c.Fc, 23.2);
    EXPECT_DOUBLE_EQ(c.Fb, 30.0);
    EXPECT_DOUBLE_EQ(c.Fs, 2.7);
    EXPECT_DOUBLE_EQ(c.layUpFactor, 0.6);
    EXPECT_NEAR(c.Kz, 0.97995, 1e-5);
    EXPECT_NEAR(c.FbInUse, 29.3984, 1e-4);
    EXPECT_NEAR(c.FsInUse, 1.62, 1e-12);
    EXPECT_NEAR(c.FbInUse * c.factors[kWindLoadCase] / 3, 19.599, 1e-3);
}

// LVL 120E 特級 (65V-55H) of すぎ in class Ⅰ, square, on an LVL member at its
// end: Fc 31.2 × 0.7 = 21.84, the shear of the y axis 3.6 × 0.7 = 2.52;
// Fcv 6.0 reduced at the end to round1(4.8) = 4.8, × 0.7 = 3.36.
TEST_F(MaterialListTest, LvlOnAnLvlMemberAtItsEnd) {
    ColumnMember item = column(120, 120);
    MatInputData& m = item.ColumnMaterial;
    m.SelectProduct = kLvl;
    m.SelectGrade[3] = kLvl120ETopGrade;
    m.LVL_Shear_Index = 0;
    m.KindOfWood[3] = kLaminaSugi;
    m.UseEnvironIndex = 0;
    item.BaseMaterial = m;
    item.BaseMaterial.UseEndPosFcv = true;
    const auto rows = listOf({item});
    ASSERT_EQ(rows.size(), 2u);
    const MaterialValues& c = rows[0].values;
    EXPECT_EQ(c.sources.strengths, StrengthTable::Lvl);
    EXPECT_EQ(c.sources.shear, StrengthTable::LvlShear);
    EXPECT_EQ(c.description, "構造用単板積層材　120E 特級 (65V-55H) (すぎ)");
    EXPECT_EQ(c.shearLabel, "Fsy");
    EXPECT_DOUBLE_EQ(c.Fs, 3.6);
    EXPECT_NEAR(c.FcInUse, 21.84, 1e-12);
    EXPECT_NEAR(c.FsInUse, 2.52, 1e-12);

    const MaterialValues& b = rows[1].values;
    EXPECT_EQ(b.sources.bearing, StrengthTable::LaminaSpecies);
    EXPECT_DOUBLE_EQ(b.Fcv, 6.0);
    EXPECT_DOUBLE_EQ(b.FcvEnd, 4.8);
    EXPECT_NEAR(b.FcvInUse, 3.36, 1e-12);
    EXPECT_FALSE(StrengthTableName(b.sources.bearing).empty());
}

TEST(NumberRanges, RunsAreJoined) {
    EXPECT_EQ(NumberRangesText({1, 2, 3, 5, 7, 8}), "1-3, 5, 7, 8");
    EXPECT_EQ(NumberRangesText({4}), "4");
    EXPECT_EQ(NumberRangesText({}), "");
}

} // namespace
} // namespace tarvo
