#include "core/project/InputChange.h"

#include <string_view>

#include "core/project/LoadCase.h"

namespace tarvo {

std::string DescribeItemChange(const MemberInputData& before, const MemberInputData& after) {
    const auto differs = [](const auto& a, const auto& b) { return !(a == b); };
    struct Field {
        bool changed;
        std::string_view name;
    };
    // Fields the user enters first, then the ones the program derives.
    const Field fields[] = {
        {differs(before.Name, after.Name), "名称"},
        {differs(before.ColumnMaterial.SelectProduct, after.ColumnMaterial.SelectProduct), "柱の材料区分"},
        {differs(before.ColumnMaterial, after.ColumnMaterial), "柱材料"},
        {differs(before.BaseMaterial, after.BaseMaterial), "横架材材料"},
        {differs(before.BaseNameIndex, after.BaseNameIndex), "表示名称"},
        {differs(before.FcvUpper, after.FcvUpper), "土台その他に類する横架材"},
        {differs(before.Shape, after.Shape), "断面形状"},
        {differs(before.UseAxisX, after.UseAxisX), "fbx, fsx の指定"},
        {differs(before.AutoTenon, after.AutoTenon), "ほぞ寸法自動計算"},
        {differs(before.LkyDirect, after.LkyDirect), "Lky直接入力"},
        {differs(before.LbDirect, after.LbDirect), "Lb直接入力"},
        {differs(before.CfDirect, after.CfDirect), "風力係数の直接入力"},
        {differs(before.FloorIndex, after.FloorIndex), "算定階"},
        {differs(before.D, after.D), "D"},
        {differs(before.B, after.B), "b"},
        {differs(before.Members, after.Members), "本数"},
        {differs(before.SubMembers, after.SubMembers), "マグサ受け本数"},
        {differs(before.Lkx, after.Lkx), "Lkx"},
        {differs(before.AxialForce[0], after.AxialForce[0]), "軸圧縮力 常時"},
        {differs(before.AxialForce[1], after.AxialForce[1]), "軸圧縮力 長期積雪時"},
        {differs(before.AxialForce[2], after.AxialForce[2]), "軸圧縮力 短期積雪時"},
        {differs(before.AxialForce[3], after.AxialForce[3]), "軸圧縮力 風荷重時"},
        {differs(before.AxialForce[4], after.AxialForce[4]), "軸圧縮力 地震荷重時"},
        {differs(before.WindWidth, after.WindWidth), "W"},
        {differs(before.HeightZ, after.HeightZ), "Z"},
        {differs(before.Lky, after.Lky), "Lky"},
        {differs(before.Lb, after.Lb), "Lb"},
        {differs(before.Cf, after.Cf), "風力係数"},
        {differs(before.TenonB, after.TenonB), "ほぞ b"},
        {differs(before.TenonD, after.TenonD), "ほぞ D"},
        {differs(before.SizeCode, after.SizeCode), "Size"},
    };
    for (const Field& field : fields)
        if (field.changed) return std::string(field.name);
    return {};
}

std::string DescribeCommonChange(const CommonInputData& before, const CommonInputData& after) {
    if (before.WindCalcStandard != after.WindCalcStandard) return "風圧力算定規準";
    if (before.V0Index != after.V0Index) return "風速 Vo";
    if (before.RoughIndex != after.RoughIndex) return "地表面粗度区分";
    if (before.BuildingHeight != after.BuildingHeight) return "建物高さ H";
    if (before.Up_q != after.Up_q) return "速度圧の割増率";
    if (before.FirstFloorLevel != after.FirstFloorLevel) return "床高";
    for (std::size_t n = 0; n < before.FloorHeight.size(); ++n)
        if (before.FloorHeight[n] != after.FloorHeight[n]) return std::to_string(n + 1) + "階の階高";
    for (std::size_t n = 0; n < before.WoodenStorey.size(); ++n)
        if (before.WoodenStorey[n] != after.WoodenStorey[n]) return std::to_string(n + 1) + "階の木造";
    if (before.SnowEria != after.SnowEria) return "積雪荷重条件";
    return {};
}

} // namespace tarvo
