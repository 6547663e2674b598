// The lookup dispatch of MatDataBase: zeroed start, unknown product kinds and
// the use-environment factor ("Lookup", steps 1-3).
#include <gtest/gtest.h>

#include "core/material/MatDataBase.h"

namespace tarvo {
namespace {

MatInputData visualAkamatsu() {
    MatInputData selection;
    selection.SelectProduct = kSawnLumber;
    selection.ProductStandardNormal = 0;
    selection.KindOfWood[0] = 0;
    selection.SelectGrade[0] = 0;
    return selection;
}

TEST(LookupDispatch, EveryLookupStartsFromZero) {
    const MatDataBase catalogue;
    (void)catalogue.lookupStrength(visualAkamatsu(), 204);
    MatInputData bad = visualAkamatsu();
    bad.SelectGrade[0] = 99;
    const MatData m = catalogue.lookupStrength(bad, 204);
    EXPECT_EQ(m.Fc, 0.0);
    EXPECT_EQ(m.Ft, 0.0);
    EXPECT_EQ(m.Fbx, 0.0);
    EXPECT_EQ(m.Fsx, 0.0);
    EXPECT_EQ(m.Fcv, 0.0);
    EXPECT_EQ(m.E0, 0.0);
    EXPECT_EQ(m.Elow, 0.0);
    EXPECT_FALSE(m.hasStrengths());
}

TEST(LookupDispatch, UnknownProductKindFillsNothing) {
    const MatDataBase catalogue;
    (void)catalogue.lookupStrength(visualAkamatsu(), 204);
    for (int kind : {5, -1, 2147483647}) {
        MatInputData selection = visualAkamatsu();
        selection.SelectProduct = kind;
        EXPECT_EQ(catalogue.lookupStrength(selection, 204), MatData{}) << kind;
    }
}

TEST(UseEnvironment, ClassThreeLeavesTableValues) {
    MatInputData selection = visualAkamatsu();
    selection.UseEnvironIndex = 2;
    const MatData m = MatDataBase{}.lookupStrength(selection, 204);
    EXPECT_DOUBLE_EQ(m.Fc, 27.0);
    EXPECT_DOUBLE_EQ(m.Fcv, 9.0);
    selection.UseEnvironIndex = 3; // any value above 2 changes nothing either
    EXPECT_EQ(MatDataBase{}.lookupStrength(selection, 204), m);
}

TEST(UseEnvironment, ClassOneMultipliesTheEightStrengthsByPoint7) {
    MatInputData selection = visualAkamatsu();
    const MatData base = MatDataBase{}.lookupStrength(selection, 204);
    selection.UseEnvironIndex = 0;
    const MatData m = MatDataBase{}.lookupStrength(selection, 204);
    EXPECT_DOUBLE_EQ(m.Fc, base.Fc * 0.7);
    EXPECT_DOUBLE_EQ(m.Ft, base.Ft * 0.7);
    EXPECT_DOUBLE_EQ(m.Fbx, base.Fbx * 0.7);
    EXPECT_DOUBLE_EQ(m.FbxNeg, base.FbxNeg * 0.7);
    EXPECT_DOUBLE_EQ(m.Fby, base.Fby * 0.7);
    EXPECT_DOUBLE_EQ(m.Fsx, base.Fsx * 0.7);
    EXPECT_DOUBLE_EQ(m.Fsy, base.Fsy * 0.7);
    EXPECT_DOUBLE_EQ(m.Fcv, base.Fcv * 0.7);
    EXPECT_EQ(m.E0, base.E0);
    EXPECT_EQ(m.Elow, base.Elow);
    EXPECT_EQ(m.description, base.description);
}

TEST(UseEnvironment, ClassTwoMultipliesByPoint8WithoutRounding) {
    MatInputData selection = visualAkamatsu();
    selection.UseEnvironIndex = 1;
    const MatData m = MatDataBase{}.lookupStrength(selection, 204);
    EXPECT_DOUBLE_EQ(m.Fc, 27.0 * 0.8);
    EXPECT_DOUBLE_EQ(m.Ft, 20.4 * 0.8); // 16.32, not rounded
    EXPECT_DOUBLE_EQ(m.Fsx, 2.4 * 0.8);
    EXPECT_DOUBLE_EQ(m.E0, 10000);
    EXPECT_DOUBLE_EQ(m.Elow, 6500);
}

TEST(UseEnvironment, NegativeClassChangesNothing) {
    MatInputData selection = visualAkamatsu();
    const MatData base = MatDataBase{}.lookupStrength(selection, 204);
    selection.UseEnvironIndex = -1;
    EXPECT_EQ(MatDataBase{}.lookupStrength(selection, 204), base);
}

} // namespace
} // namespace tarvo
