#include "core/project/ItemFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "core/project/CommonFields.h"

namespace tarvo {
namespace {

TEST(ItemFields, OneEntryPerIdInIdOrderWithUniqueNames) {
    const auto& fields = itemFields();
    ASSERT_EQ(static_cast<int>(fields.size()), kItemFieldCount);
    std::set<std::string> names;
    for (int i = 0; i < kItemFieldCount; ++i) {
        const ItemField& field = fields[static_cast<std::size_t>(i)];
        EXPECT_EQ(static_cast<int>(field.id), i) << field.name;
        EXPECT_FALSE(field.undoName.empty()) << field.name;
        EXPECT_TRUE(names.insert(std::string(field.name)).second) << field.name;
        EXPECT_EQ(findItemField(field.name), i);
        EXPECT_EQ(field.kind == ItemFieldKind::Number, field.format != nullptr) << field.name;
    }
    EXPECT_EQ(itemField(ItemFieldId::Lkx).name, "Lkx");
    EXPECT_EQ(itemField(ItemFieldId::BaseSelectGrade4).name, "BaseSelectGrade4");
    EXPECT_EQ(itemField(ItemFieldId::UseAxisX).name, "UseAxisX");
}

TEST(ItemFields, AccessAndDifferenceByField) {
    MemberInputData a;
    MemberInputData b = a;
    const ItemField& force = itemField(ItemFieldId::AxialForce3);
    force.set(b, 12.5);
    EXPECT_EQ(b.AxialForce[3], 12.5);
    EXPECT_TRUE(fieldDiffers(force, a, b));
    EXPECT_FALSE(fieldDiffers(itemField(ItemFieldId::AxialForce2), a, b));
    itemField(ItemFieldId::BaseKindOfWood2).set(b, 4);
    EXPECT_EQ(b.BaseMaterial.KindOfWood[2], 4);
    b.Name = "X1";
    EXPECT_TRUE(fieldDiffers(itemField(ItemFieldId::Name), a, b));
    // A value a damaged file left as NaN is not a change of itself.
    a.Lkx = b.Lkx = std::nan("");
    EXPECT_FALSE(fieldDiffers(itemField(ItemFieldId::Lkx), a, b));
}

TEST(CommonFields, OneEntryPerIdWithStoreyElements) {
    const auto& fields = commonFields();
    ASSERT_EQ(static_cast<int>(fields.size()), kCommonFieldCount);
    for (int i = 0; i < kCommonFieldCount; ++i)
        EXPECT_EQ(static_cast<int>(fields[static_cast<std::size_t>(i)].id), i);
    CommonInputData c;
    commonField(CommonFieldId::FloorHeight3).set(c, 2.7);
    commonField(CommonFieldId::WoodenStorey2).set(c, 1);
    EXPECT_EQ(c.FloorHeight[2], 2.7);
    EXPECT_TRUE(c.WoodenStorey[1]);
    EXPECT_EQ(commonField(CommonFieldId::FloorHeight3).element, 2);
    EXPECT_EQ(commonField(CommonFieldId::Up_q).format->min, 1.0);
}

} // namespace
} // namespace tarvo
