#include "core/project/InputChange.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(DescribeItemChange, NamesTheTypedFieldBeforeTheValuesDerivedFromIt) {
    MemberInputData before;
    MemberInputData after = before;
    EXPECT_EQ(DescribeItemChange(before, after), "");
    after.Lkx = 2800;
    after.Lky = 2800; // derived by the check while Lky is not entered directly
    EXPECT_EQ(DescribeItemChange(before, after), "Lkx");
    after = before;
    after.D = 120;
    after.TenonD = 90;
    EXPECT_EQ(DescribeItemChange(before, after), "D");
    after = before;
    after.AxialForce[3] = 12;
    EXPECT_EQ(DescribeItemChange(before, after), "軸圧縮力 風荷重時");
}

TEST(DescribeItemChange, MaterialsAndProductSwitches) {
    MemberInputData before;
    MemberInputData after = before;
    after.ColumnMaterial.SelectProduct = 2;
    after.Shape = 0;
    after.SizeCode = 404;
    EXPECT_EQ(DescribeItemChange(before, after), "柱の材料区分");
    after = before;
    after.ColumnMaterial.KindOfWood[0] = 3;
    EXPECT_EQ(DescribeItemChange(before, after), "柱材料");
    after = before;
    after.BaseMaterial.SelectProduct = 4;
    EXPECT_EQ(DescribeItemChange(before, after), "横架材材料");
    after = before;
    after.Name = "通し柱";
    EXPECT_EQ(DescribeItemChange(before, after), "名称");
}

TEST(DescribeCommonChange, NamesTheCommonCondition) {
    CommonInputData before;
    CommonInputData after = before;
    EXPECT_EQ(DescribeCommonChange(before, after), "");
    after.BuildingHeight = 9;
    EXPECT_EQ(DescribeCommonChange(before, after), "建物高さ H");
    after = before;
    after.FloorHeight[1] = 2.7;
    EXPECT_EQ(DescribeCommonChange(before, after), "2階の階高");
    after = before;
    after.WoodenStorey[3] = true;
    EXPECT_EQ(DescribeCommonChange(before, after), "4階の木造");
}

} // namespace
} // namespace tarvo
