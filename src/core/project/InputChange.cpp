#include "core/project/InputChange.h"

#include <array>

#include "core/project/CommonFields.h"
#include "core/project/ItemFields.h"

namespace tarvo {
namespace {

using F = ItemFieldId;

// Fields the user enters first, then the ones the program derives; the
// materials' other values follow the product kind.
constexpr std::array kFirstNamed{
    F::Name,       F::SelectProduct, F::BaseNameIndex, F::FcvUpper,    F::Shape,       F::UseAxisX,    F::AutoTenon,
    F::LkyDirect,  F::LbDirect,      F::CfDirect,      F::FloorIndex,  F::D,           F::B,           F::Members,
    F::SubMembers, F::Lkx,           F::AxialForce0,   F::AxialForce1, F::AxialForce2, F::AxialForce3, F::AxialForce4,
    F::WindWidth,  F::HeightZ,       F::Lky,           F::Lb,          F::Cf,          F::TenonB,      F::TenonD,
    F::SizeCode,
};

bool isMaterial(ItemFieldId id) {
    return (id >= F::SelectProduct && id <= F::SelectGrade4) ||
           (id >= F::BaseSelectProduct && id <= F::BaseSelectGrade4);
}

} // namespace

std::string DescribeItemChange(const MemberInputData& before, const MemberInputData& after) {
    const std::vector<ItemField>& fields = itemFields();
    const auto differs = [&](ItemFieldId id) { return fieldDiffers(itemField(id), before, after); };
    if (differs(F::Name)) return std::string(itemField(F::Name).undoName);
    if (differs(F::SelectProduct)) return std::string(itemField(F::SelectProduct).undoName);
    // Any other value of a material: the column's before the horizontal member's.
    for (const ItemField& field : fields)
        if (isMaterial(field.id) && fieldDiffers(field, before, after)) return std::string(field.undoName);
    for (const ItemFieldId id : kFirstNamed)
        if (differs(id)) return std::string(itemField(id).undoName);
    return {};
}

std::string DescribeCommonChange(const CommonInputData& before, const CommonInputData& after) {
    for (const CommonField& field : commonFields())
        if (field.get(before) != field.get(after)) return std::string(field.undoName);
    return {};
}

} // namespace tarvo
