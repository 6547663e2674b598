#include "core/project/ItemFields.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstddef>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "core/material/MatDataBase.h"
#include "core/material/tables/DimensionLumberTables.h"
#include "core/material/tables/GlulamTables.h"
#include "core/material/tables/SawnLumberTables.h"
#include "core/material/tables/SpeciesLists.h"
#include "core/project/CommonInputData.h"
#include "core/text/AsciiCase.h"

namespace tarvo {
namespace {

using namespace material;

// ---- access to one value --------------------------------------------------

template <typename T> double toDouble(T value) {
    return static_cast<double>(value);
}

template <typename T> T fromDouble(double value) {
    if constexpr (std::is_same_v<T, bool>) {
        return value != 0;
    } else {
        return static_cast<T>(value);
    }
}

template <auto Field> double getItem(const MemberInputData& m) {
    return toDouble(m.*Field);
}
template <auto Field> void setItem(MemberInputData& m, double v) {
    using T = std::remove_cvref_t<decltype(m.*Field)>;
    m.*Field = fromDouble<T>(v);
}

template <auto Array, std::size_t I> double getItemAt(const MemberInputData& m) {
    return toDouble((m.*Array)[I]);
}
template <auto Array, std::size_t I> void setItemAt(MemberInputData& m, double v) {
    (m.*Array)[I] = v;
}

template <auto Material, auto Field> double getMaterial(const MemberInputData& m) {
    return toDouble((m.*Material).*Field);
}
template <auto Material, auto Field> void setMaterial(MemberInputData& m, double v) {
    using T = std::remove_cvref_t<decltype((m.*Material).*Field)>;
    (m.*Material).*Field = fromDouble<T>(v);
}

template <auto Material, auto Array, std::size_t I> double getMaterialAt(const MemberInputData& m) {
    return toDouble(((m.*Material).*Array)[I]);
}
template <auto Material, auto Array, std::size_t I> void setMaterialAt(MemberInputData& m, double v) {
    ((m.*Material).*Array)[I] = static_cast<std::int32_t>(v);
}

// ---- the lists a choice is made from ---------------------------------------

constexpr auto kColumn = &MemberInputData::ColumnMaterial;
constexpr auto kBase = &MemberInputData::BaseMaterial;

template <int N> int fixedCount(const MemberInputData&) {
    return N;
}

// A value kept for a product without any list (`KindOfWood`[4]).
int anyIndex(const MemberInputData&) {
    return INT_MAX;
}

// The species of sawn lumber: the list of the column's standard; the
// horizontal member is always judged ungraded.
int columnSawnSpecies(const MemberInputData& m) {
    switch (m.ColumnMaterial.ProductStandardNormal) {
    case 0: return static_cast<int>(kVisualGradeSpeciesCount);
    case 1: return static_cast<int>(kMachineGradeSpeciesCount);
    default: return static_cast<int>(kUngradedSpeciesCount);
    }
}

// The longest list a grade slot is ever shown with, per product kind.
constexpr std::array<int, kProductKindCount> kLongestGradeList{
    static_cast<int>(std::max(kVisualGradeCount, kMaxMachineGrades)),
    static_cast<int>(std::max({kMsrJasTable.size(), kMsrUsTable.size(), kMsrCanadaTable.size(),
                               kJasDimensionTable.size(), kCanadaDimensionTable.size()})),
    static_cast<int>(
        std::max({kGlulamTableS.size(), kGlulamTableT.size(), kGlulamTableA.size(), kGlulamTableU.size()})),
    static_cast<int>(kLvlTable.size() * kLvlGradesPerClass),
    static_cast<int>(kColumnSpeciesCount),
};

const MatDataBase& catalogue() {
    static const MatDataBase instance;
    return instance;
}

// The grade slot of the column's own product is the grade list the page
// shows for the selection; a product without grades (ungraded sawn lumber)
// and the slots of the other products keep any value of their longest list,
// as the page keeps them while another product is chosen. The horizontal
// member's page shows no grade list.
template <std::size_t Product, bool Base> int gradeCount(const MemberInputData& m) {
    const MatInputData& material = Base ? m.BaseMaterial : m.ColumnMaterial;
    if (!Base && material.SelectProduct == static_cast<std::int32_t>(Product)) {
        MatInputData copy = material;
        const auto entries = static_cast<int>(catalogue().fillGradeList(copy).entries.size());
        if (entries > 0) return entries;
    }
    return kLongestGradeList[Product];
}

// Round sections are offered for sawn lumber only.
int shapeCount(const MemberInputData& m) {
    return m.ColumnMaterial.SelectProduct == kSawnLumber ? 2 : 1;
}

bool tenonIsAutomatic(const MemberInputData& m) {
    return m.AutoTenon;
}

// ---- building the table ----------------------------------------------------

ItemField flag(std::string_view name, std::string_view undoName, double (*get)(const MemberInputData&),
               void (*set)(MemberInputData&, double)) {
    ItemField c;
    c.name = name;
    c.undoName = undoName;
    c.kind = ItemFieldKind::Flag;
    c.get = get;
    c.set = set;
    return c;
}

ItemField choice(std::string_view name, std::string_view undoName, double (*get)(const MemberInputData&),
                 void (*set)(MemberInputData&, double), int (*count)(const MemberInputData&)) {
    ItemField c = flag(name, undoName, get, set);
    c.kind = ItemFieldKind::Choice;
    c.choiceCount = count;
    return c;
}

ItemField number(std::string_view name, std::string_view undoName, double (*get)(const MemberInputData&),
                 void (*set)(MemberInputData&, double), const NumberFieldFormat& format, bool whole = false) {
    ItemField c = flag(name, undoName, get, set);
    c.kind = ItemFieldKind::Number;
    c.format = &format;
    c.whole = whole;
    return c;
}

// The twenty values of a material selection; the horizontal member's names
// are the column material's names after "Base". The product comes first.
using MaterialNames = std::array<std::string_view, 20>;
constexpr MaterialNames kColumnMaterialNames{
    "SelectProduct",    "ProductStandardNormal", "ProductStandard2x4", "UseMSR",          "LaminaCompositionIndex",
    "LaminaCountIndex", "UnValuationLamina",     "LVL_Shear_Index",    "UseEnvironIndex", "UseEndPosFcv",
    "KindOfWood0",      "KindOfWood1",           "KindOfWood2",        "KindOfWood3",     "KindOfWood4",
    "SelectGrade0",     "SelectGrade1",          "SelectGrade2",       "SelectGrade3",    "SelectGrade4",
};
constexpr MaterialNames kBaseMaterialNames{
    "BaseSelectProduct",
    "BaseProductStandardNormal",
    "BaseProductStandard2x4",
    "BaseUseMSR",
    "BaseLaminaCompositionIndex",
    "BaseLaminaCountIndex",
    "BaseUnValuationLamina",
    "BaseLVL_Shear_Index",
    "BaseUseEnvironIndex",
    "BaseUseEndPosFcv",
    "BaseKindOfWood0",
    "BaseKindOfWood1",
    "BaseKindOfWood2",
    "BaseKindOfWood3",
    "BaseKindOfWood4",
    "BaseSelectGrade0",
    "BaseSelectGrade1",
    "BaseSelectGrade2",
    "BaseSelectGrade3",
    "BaseSelectGrade4",
};

template <auto Material, bool Base> void addMaterial(std::vector<ItemField>& out) {
    const MaterialNames& names = Base ? kBaseMaterialNames : kColumnMaterialNames;
    std::size_t n = 0;
    // The analyzer loses the captures when it enters this from the static
    // initialisation of the column table and reports an uninitialised call.
    auto next = [&] { return names[n++]; }; // NOLINT(clang-analyzer-core.CallAndMessage)
    // An edit of the column's product kind has a name of its own.
    const std::string_view material = Base ? "横架材材料" : "柱材料";
    const std::string_view product = Base ? "横架材材料" : "柱の材料区分";

    using M = MatInputData;
    out.push_back(choice(next(), product, getMaterial<Material, &M::SelectProduct>,
                         setMaterial<Material, &M::SelectProduct>, fixedCount<kProductKindCount>));
    out.push_back(choice(next(), material, getMaterial<Material, &M::ProductStandardNormal>,
                         setMaterial<Material, &M::ProductStandardNormal>, fixedCount<3>));
    out.push_back(choice(next(), material, getMaterial<Material, &M::ProductStandard2x4>,
                         setMaterial<Material, &M::ProductStandard2x4>, fixedCount<3>));
    out.push_back(flag(next(), material, getMaterial<Material, &M::UseMSR>, setMaterial<Material, &M::UseMSR>));
    out.push_back(choice(next(), material, getMaterial<Material, &M::LaminaCompositionIndex>,
                         setMaterial<Material, &M::LaminaCompositionIndex>, fixedCount<4>));
    out.push_back(choice(next(), material, getMaterial<Material, &M::LaminaCountIndex>,
                         setMaterial<Material, &M::LaminaCountIndex>,
                         fixedCount<static_cast<int>(kSameGradeTableCount)>));
    out.push_back(flag(next(), material, getMaterial<Material, &M::UnValuationLamina>,
                       setMaterial<Material, &M::UnValuationLamina>));
    out.push_back(choice(next(), material, getMaterial<Material, &M::LVL_Shear_Index>,
                         setMaterial<Material, &M::LVL_Shear_Index>,
                         fixedCount<static_cast<int>(kLvlShearClasses.size())>));
    out.push_back(choice(next(), material, getMaterial<Material, &M::UseEnvironIndex>,
                         setMaterial<Material, &M::UseEnvironIndex>, fixedCount<3>));
    out.push_back(
        flag(next(), material, getMaterial<Material, &M::UseEndPosFcv>, setMaterial<Material, &M::UseEndPosFcv>));

    out.push_back(choice(next(), material, getMaterialAt<Material, &M::KindOfWood, 0>,
                         setMaterialAt<Material, &M::KindOfWood, 0>,
                         Base ? fixedCount<static_cast<int>(kUngradedSpeciesCount)> : columnSawnSpecies));
    out.push_back(choice(next(), material, getMaterialAt<Material, &M::KindOfWood, 1>,
                         setMaterialAt<Material, &M::KindOfWood, 1>, fixedCount<static_cast<int>(kSpeciesGroupCount)>));
    out.push_back(choice(next(), material, getMaterialAt<Material, &M::KindOfWood, 2>,
                         setMaterialAt<Material, &M::KindOfWood, 2>,
                         fixedCount<static_cast<int>(kLaminaSpeciesCount)>));
    out.push_back(choice(next(), material, getMaterialAt<Material, &M::KindOfWood, 3>,
                         setMaterialAt<Material, &M::KindOfWood, 3>,
                         fixedCount<static_cast<int>(kLaminaSpeciesCount)>));
    out.push_back(choice(next(), material, getMaterialAt<Material, &M::KindOfWood, 4>,
                         setMaterialAt<Material, &M::KindOfWood, 4>, anyIndex));

    out.push_back(choice(next(), material, getMaterialAt<Material, &M::SelectGrade, 0>,
                         setMaterialAt<Material, &M::SelectGrade, 0>, gradeCount<0, Base>));
    out.push_back(choice(next(), material, getMaterialAt<Material, &M::SelectGrade, 1>,
                         setMaterialAt<Material, &M::SelectGrade, 1>, gradeCount<1, Base>));
    out.push_back(choice(next(), material, getMaterialAt<Material, &M::SelectGrade, 2>,
                         setMaterialAt<Material, &M::SelectGrade, 2>, gradeCount<2, Base>));
    out.push_back(choice(next(), material, getMaterialAt<Material, &M::SelectGrade, 3>,
                         setMaterialAt<Material, &M::SelectGrade, 3>, gradeCount<3, Base>));
    out.push_back(choice(next(), material, getMaterialAt<Material, &M::SelectGrade, 4>,
                         setMaterialAt<Material, &M::SelectGrade, 4>, gradeCount<4, Base>));
}

std::vector<ItemField> buildColumns() {
    using I = MemberInputData;
    std::vector<ItemField> out;
    ItemField name;
    name.name = "Name";
    name.undoName = "名称";
    name.kind = ItemFieldKind::Name;
    out.push_back(name);

    addMaterial<kColumn, false>(out);

    out.push_back(
        choice("FloorIndex", "算定階", getItem<&I::FloorIndex>, setItem<&I::FloorIndex>, fixedCount<kStoreyCount + 1>));
    out.push_back(number("HeightZ", "Z", getItem<&I::HeightZ>, setItem<&I::HeightZ>, kWindMetreField));
    out.push_back(number("WindWidth", "W", getItem<&I::WindWidth>, setItem<&I::WindWidth>, kWindMetreField));
    out.push_back(number("Cf", "風力係数", getItem<&I::Cf>, setItem<&I::Cf>, kCfField));
    out.push_back(flag("CfDirect", "風力係数の直接入力", getItem<&I::CfDirect>, setItem<&I::CfDirect>));
    out.push_back(choice("Shape", "断面形状", getItem<&I::Shape>, setItem<&I::Shape>, shapeCount));
    ItemField sizeCode = flag("SizeCode", "Size", getItem<&I::SizeCode>, setItem<&I::SizeCode>);
    sizeCode.kind = ItemFieldKind::SizeCode;
    out.push_back(sizeCode);
    out.push_back(number("B", "b", getItem<&I::B>, setItem<&I::B>, kMillimetreField));
    out.push_back(number("D", "D", getItem<&I::D>, setItem<&I::D>, kMillimetreField));
    out.push_back(number("Lkx", "Lkx", getItem<&I::Lkx>, setItem<&I::Lkx>, kMillimetreField));
    out.push_back(number("Lky", "Lky", getItem<&I::Lky>, setItem<&I::Lky>, kMillimetreField));
    out.push_back(number("Lb", "Lb", getItem<&I::Lb>, setItem<&I::Lb>, kMillimetreField));
    out.push_back(number("Members", "本数", getItem<&I::Members>, setItem<&I::Members>, kMembersField, true));
    out.push_back(number("SubMembers", "マグサ受け本数", getItem<&I::SubMembers>, setItem<&I::SubMembers>,
                         kSubMembersField, true));
    ItemField tenonB = number("TenonB", "ほぞ b", getItem<&I::TenonB>, setItem<&I::TenonB>, kMillimetreField);
    tenonB.computed = tenonIsAutomatic;
    out.push_back(tenonB);
    ItemField tenonD = number("TenonD", "ほぞ D", getItem<&I::TenonD>, setItem<&I::TenonD>, kMillimetreField);
    tenonD.computed = tenonIsAutomatic;
    out.push_back(tenonD);
    out.push_back(number("AxialForce0", "軸圧縮力 常時", getItemAt<&I::AxialForce, 0>, setItemAt<&I::AxialForce, 0>,
                         kAxialForceField));
    out.push_back(number("AxialForce1", "軸圧縮力 長期積雪時", getItemAt<&I::AxialForce, 1>,
                         setItemAt<&I::AxialForce, 1>, kAxialForceField));
    out.push_back(number("AxialForce2", "軸圧縮力 短期積雪時", getItemAt<&I::AxialForce, 2>,
                         setItemAt<&I::AxialForce, 2>, kAxialForceField));
    out.push_back(number("AxialForce3", "軸圧縮力 風荷重時", getItemAt<&I::AxialForce, 3>, setItemAt<&I::AxialForce, 3>,
                         kAxialForceField));
    out.push_back(number("AxialForce4", "軸圧縮力 地震荷重時", getItemAt<&I::AxialForce, 4>,
                         setItemAt<&I::AxialForce, 4>, kAxialForceField));
    out.push_back(flag("LbDirect", "Lb直接入力", getItem<&I::LbDirect>, setItem<&I::LbDirect>));
    out.push_back(flag("LkyDirect", "Lky直接入力", getItem<&I::LkyDirect>, setItem<&I::LkyDirect>));
    out.push_back(flag("AutoTenon", "ほぞ寸法自動計算", getItem<&I::AutoTenon>, setItem<&I::AutoTenon>));

    addMaterial<kBase, true>(out);

    out.push_back(
        choice("BaseNameIndex", "表示名称", getItem<&I::BaseNameIndex>, setItem<&I::BaseNameIndex>, fixedCount<5>));
    out.push_back(flag("FcvUpper", "土台その他に類する横架材", getItem<&I::FcvUpper>, setItem<&I::FcvUpper>));
    out.push_back(flag("UseAxisX", "fbx, fsx の指定", getItem<&I::UseAxisX>, setItem<&I::UseAxisX>));
    // The ids follow the table's order.
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i].id = static_cast<ItemFieldId>(i);
    return out;
}

} // namespace

const std::vector<ItemField>& itemFields() {
    static const std::vector<ItemField> columns = buildColumns();
    return columns;
}

int findItemField(std::string_view name) {
    static const std::unordered_map<std::string, int> byName = [] {
        std::unordered_map<std::string, int> map;
        const auto& columns = itemFields();
        for (std::size_t i = 0; i < columns.size(); ++i)
            map.emplace(lowerAscii(columns[i].name), static_cast<int>(i));
        return map;
    }();
    const auto found = byName.find(lowerAscii(name));
    return found == byName.end() ? -1 : found->second;
}

bool fieldDiffers(const ItemField& field, const MemberInputData& a, const MemberInputData& b) {
    if (field.kind == ItemFieldKind::Name) return a.Name != b.Name;
    const double x = field.get(a);
    const double y = field.get(b);
    // Two NaNs read from a damaged file are the same value.
    return x != y && !(std::isnan(x) && std::isnan(y));
}

bool offeredSizeCode(const MemberInputData& item, int code) {
    if (code == 0) return true;
    const ChoiceList list = catalogue().fillSizeList(item.ColumnMaterial, code);
    std::string wanted = " ";
    wanted += std::to_string(code); // appended: `" " + ...` trips a GCC 12 -Wrestrict false positive
    return std::find(list.entries.begin(), list.entries.end(), wanted) != list.entries.end();
}

} // namespace tarvo
