#pragma once
// The one table of a column item's input fields. Every field has an id, the
// name of its column in the item CSV (also its key in the JSON output): the
// item's field names (`Name`, `SelectProduct`, ..., `B`, `D`, `Lkx`,
// `AxialForce0` to `AxialForce4`), the column material's values under their
// own names, the horizontal member's under the same names after "Base"
// (`BaseSelectProduct`, `BaseKindOfWood0`), arrays one column per element
// numbered from 0. It also has the name an undo step of an edit of the field
// shows ("Lkx の変更") and, for a number, the format and limits of its entry
// field.
//
// Each field knows how to read and write its value, what kind of value it
// holds and what a value must satisfy: the list a choice is made from (which
// may depend on the rest of the item, as the grade list depends on the
// product and standard) or the numeric field a number is typed into.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/project/ColumnFieldFormats.h"
#include "core/project/ColumnMember.h"

namespace tarvo {

enum class ItemFieldKind {
    Name,     // the item's name, text as it is
    Flag,     // 0 or 1
    Choice,   // a position in a list: 0 up to the list's entry count
    SizeCode, // a 2x4 or glulam size code the item's size list offers, or 0
    Number,   // a value typed into a numeric field of the column page
};

// The fields in the order of the table (the order an export writes them).
enum class ItemFieldId : int {
    Name,
    // The column material, then the same twenty values of the horizontal member.
    SelectProduct,
    ProductStandardNormal,
    ProductStandard2x4,
    UseMSR,
    LaminaCompositionIndex,
    LaminaCountIndex,
    UnValuationLamina,
    LVL_Shear_Index,
    UseEnvironIndex,
    UseEndPosFcv,
    KindOfWood0,
    KindOfWood1,
    KindOfWood2,
    KindOfWood3,
    KindOfWood4,
    SelectGrade0,
    SelectGrade1,
    SelectGrade2,
    SelectGrade3,
    SelectGrade4,
    FloorIndex,
    HeightZ,
    WindWidth,
    Cf,
    CfDirect,
    Shape,
    SizeCode,
    B,
    D,
    Lkx,
    Lky,
    Lb,
    Members,
    SubMembers,
    TenonB,
    TenonD,
    AxialForce0,
    AxialForce1,
    AxialForce2,
    AxialForce3,
    AxialForce4,
    LbDirect,
    LkyDirect,
    AutoTenon,
    BaseSelectProduct,
    BaseProductStandardNormal,
    BaseProductStandard2x4,
    BaseUseMSR,
    BaseLaminaCompositionIndex,
    BaseLaminaCountIndex,
    BaseUnValuationLamina,
    BaseLVL_Shear_Index,
    BaseUseEnvironIndex,
    BaseUseEndPosFcv,
    BaseKindOfWood0,
    BaseKindOfWood1,
    BaseKindOfWood2,
    BaseKindOfWood3,
    BaseKindOfWood4,
    BaseSelectGrade0,
    BaseSelectGrade1,
    BaseSelectGrade2,
    BaseSelectGrade3,
    BaseSelectGrade4,
    BaseNameIndex,
    FcvUpper,
    UseAxisX,
    Count
};

inline constexpr int kItemFieldCount = static_cast<int>(ItemFieldId::Count);

struct ItemField {
    ItemFieldId id = ItemFieldId::Name;
    std::string_view name;
    // What an undo step of an edit of the field is called after ("の変更").
    std::string_view undoName;
    ItemFieldKind kind = ItemFieldKind::Number;
    // Every kind but Name: the value as a double (flags 0 and 1, indexes as
    // they are) and its store. A value given to `set` is one the column
    // accepts: a flag is 0 or 1, a choice or a whole number fits 32 bits.
    double (*get)(const MemberInputData&) = nullptr;
    void (*set)(MemberInputData&, double) = nullptr;
    // Number: the field the value is typed into, and whether the item keeps
    // it as a 32-bit integer (otherwise as a double).
    const NumberFieldFormat* format = nullptr;
    bool whole = false;
    // Number: true when, for this item, the program computes the value
    // itself (the tenon while it is automatic), so that any value stands.
    bool (*computed)(const MemberInputData&) = nullptr;
    // Choice: the number of entries of the list the value is chosen from,
    // given the rest of the item.
    int (*choiceCount)(const MemberInputData&) = nullptr;
};

// Every field, in the order of the ids (the order an export writes them).
const std::vector<ItemField>& itemFields();
inline const ItemField& itemField(ItemFieldId id) {
    return itemFields()[static_cast<std::size_t>(id)];
}

// The index of the field whose column is called `name` (ASCII letters in
// any case), or -1.
int findItemField(std::string_view name);

// Whether the field's value differs between two items (the name compared as
// text, a number by its value).
[[nodiscard]] bool fieldDiffers(const ItemField& field, const MemberInputData& a, const MemberInputData& b);

// Whether `code` is 0 or a code of the size list the item's column material offers.
bool offeredSizeCode(const MemberInputData& item, int code);

} // namespace tarvo
