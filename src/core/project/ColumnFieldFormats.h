#pragma once
// How the numeric fields of the column design page take a value typed into
// them: whole or real number, sign, decimals, lower limit and the value that
// replaces 0. Values that enter an item by another way than typing (a CSV
// import) go through the same checks.
#include "core/text/NumberFieldModel.h"

namespace tarvo {

struct NumberFieldFormat {
    NumType type = NumType::Int;
    int digits = 0;
    bool useMin = false;
    double min = 0;
    double zeroValue = 0;
    // Every field of the page is unsigned: a minus cannot be typed into it.
    NumSign sign = NumSign::Unsigned;
};

// Sections, lengths and tenon: whole millimetres.
inline constexpr NumberFieldFormat kMillimetreField{};
// Piece count: at least 1, an empty field or 0 gives 1.
inline constexpr NumberFieldFormat kMembersField{NumType::Int, 0, true, 1, 1};
// Lintel-support pieces.
inline constexpr NumberFieldFormat kSubMembersField{};
// Axial forces, kN.
inline constexpr NumberFieldFormat kAxialForceField{NumType::Double, 1};
// Height above ground and wall width carried, m.
inline constexpr NumberFieldFormat kWindMetreField{NumType::Double, 2};
// Wind force coefficient.
inline constexpr NumberFieldFormat kCfField{NumType::Double, 3};

// Sets `model` up as a field of `format` (the type before the digits).
inline void applyFieldFormat(NumberFieldModel& model, const NumberFieldFormat& format) {
    model.setType(format.type);
    model.setDigits(format.digits);
    model.setSignState(format.sign);
    model.setUseMin(format.useMin);
    model.setValueMin(format.min);
    model.setZeroValue(format.zeroValue);
}

} // namespace tarvo
