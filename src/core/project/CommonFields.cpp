#include "core/project/CommonFields.h"

#include <cstdint>
#include <string>
#include <type_traits>

namespace tarvo {
namespace {

template <auto Field> double get(const CommonInputData& c) {
    return static_cast<double>(c.*Field);
}
template <auto Field> void set(CommonInputData& c, double v) {
    using T = std::remove_cvref_t<decltype(c.*Field)>;
    if constexpr (std::is_same_v<T, bool>) {
        c.*Field = v != 0;
    } else {
        c.*Field = static_cast<T>(v);
    }
}
template <std::size_t N> double getHeight(const CommonInputData& c) {
    return c.FloorHeight[N];
}
template <std::size_t N> void setHeight(CommonInputData& c, double v) {
    c.FloorHeight[N] = v;
}
template <std::size_t N> double getWooden(const CommonInputData& c) {
    return c.WoodenStorey[N] ? 1 : 0;
}
template <std::size_t N> void setWooden(CommonInputData& c, double v) {
    c.WoodenStorey[N] = v != 0;
}

std::vector<CommonField> build() {
    using C = CommonInputData;
    using K = CommonFieldKind;
    std::vector<CommonField> out{
        {CommonFieldId::WindCalcStandard, "WindCalcStandard", -1, "風圧力算定規準", K::Choice, 2, nullptr,
         get<&C::WindCalcStandard>, set<&C::WindCalcStandard>},
        {CommonFieldId::V0Index, "V0Index", -1, "風速 Vo", K::Choice, 9, nullptr, get<&C::V0Index>, set<&C::V0Index>},
        {CommonFieldId::RoughIndex, "RoughIndex", -1, "地表面粗度区分", K::Choice, 4, nullptr, get<&C::RoughIndex>,
         set<&C::RoughIndex>},
        {CommonFieldId::BuildingHeight, "BuildingHeight", -1, "建物高さ H", K::Number, 0, &kCommonMetreField,
         get<&C::BuildingHeight>, set<&C::BuildingHeight>},
        {CommonFieldId::Up_q, "Up_q", -1, "速度圧の割増率", K::Number, 0, &kUpQField, get<&C::Up_q>, set<&C::Up_q>},
        {CommonFieldId::FirstFloorLevel, "FirstFloorLevel", -1, "床高", K::Number, 0, &kCommonMetreField,
         get<&C::FirstFloorLevel>, set<&C::FirstFloorLevel>},
        {CommonFieldId::FloorHeight1, "FloorHeight", 0, "1階の階高", K::Number, 0, &kCommonMetreField, getHeight<0>,
         setHeight<0>},
        {CommonFieldId::FloorHeight2, "FloorHeight", 1, "2階の階高", K::Number, 0, &kCommonMetreField, getHeight<1>,
         setHeight<1>},
        {CommonFieldId::FloorHeight3, "FloorHeight", 2, "3階の階高", K::Number, 0, &kCommonMetreField, getHeight<2>,
         setHeight<2>},
        {CommonFieldId::FloorHeight4, "FloorHeight", 3, "4階の階高", K::Number, 0, &kCommonMetreField, getHeight<3>,
         setHeight<3>},
        {CommonFieldId::WoodenStorey1, "WoodenStorey", 0, "1階の木造", K::Flag, 0, nullptr, getWooden<0>, setWooden<0>},
        {CommonFieldId::WoodenStorey2, "WoodenStorey", 1, "2階の木造", K::Flag, 0, nullptr, getWooden<1>, setWooden<1>},
        {CommonFieldId::WoodenStorey3, "WoodenStorey", 2, "3階の木造", K::Flag, 0, nullptr, getWooden<2>, setWooden<2>},
        {CommonFieldId::WoodenStorey4, "WoodenStorey", 3, "4階の木造", K::Flag, 0, nullptr, getWooden<3>, setWooden<3>},
        {CommonFieldId::SnowEria, "SnowEria", -1, "積雪荷重条件", K::Choice, 2, nullptr, get<&C::SnowEria>,
         set<&C::SnowEria>},
    };
    return out;
}

} // namespace

const std::vector<CommonField>& commonFields() {
    static const std::vector<CommonField> fields = build();
    return fields;
}

} // namespace tarvo
