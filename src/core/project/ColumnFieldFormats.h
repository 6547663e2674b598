#pragma once
// How the numeric fields of the column design page take a value typed into
// them: whole or real number, sign, decimals, lower and upper limit and the
// value that replaces 0. The window's fields are made from this table, and
// values that enter an item by another way than typing (a CSV import) are
// checked against it. The upper limits lie far beyond any real column; they
// keep absurd values (1e300) out of the check, and a field refuses a typed
// value outside them (or text that is no number) and keeps its value.
#include "core/text/NumberFieldModel.h"

namespace tarvo {

struct NumberFieldFormat {
    NumType type = NumType::Int;
    int digits = 0;
    bool useMin = false;
    double min = 0;
    double zeroValue = 0;
    double max = 0; // the largest value the field takes
    // Every field of the page is unsigned: a minus cannot be typed into it.
    NumSign sign = NumSign::Unsigned;
};

// Sections, lengths and tenon: whole millimetres, up to 100 m.
inline constexpr NumberFieldFormat kMillimetreField{NumType::Int, 0, false, 0, 0, 100000};
// Piece count: at least 1, an empty field or 0 gives 1; up to 1000.
inline constexpr NumberFieldFormat kMembersField{NumType::Int, 0, true, 1, 1, 1000};
// Lintel-support pieces, up to 1000.
inline constexpr NumberFieldFormat kSubMembersField{NumType::Int, 0, false, 0, 0, 1000};
// Axial forces, kN, up to 1,000,000 kN.
inline constexpr NumberFieldFormat kAxialForceField{NumType::Double, 1, false, 0, 0, 1000000};
// Height above ground and wall width carried, m, up to 1000 m.
inline constexpr NumberFieldFormat kWindMetreField{NumType::Double, 2, false, 0, 0, 1000};
// Wind force coefficient, up to 100.
inline constexpr NumberFieldFormat kCfField{NumType::Double, 3, false, 0, 0, 100};

// Sets `model` up as a field of `format` (the type before the digits).
inline void applyFieldFormat(NumberFieldModel& model, const NumberFieldFormat& format) {
    model.setType(format.type);
    model.setDigits(format.digits);
    model.setSignState(format.sign);
    model.setUseMin(format.useMin);
    model.setValueMin(format.min);
    model.setZeroValue(format.zeroValue);
    model.setUseMax(true);
    model.setValueMax(format.max);
    // A value outside the table's limits is refused, never held to a limit.
    model.setRefusesOutOfRange(true);
}

} // namespace tarvo
