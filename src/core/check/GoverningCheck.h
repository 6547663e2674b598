#pragma once
// The check that governs an outcome: its largest ratio, which check and load
// case gave it, and whether every verdict is OK. The section design compares
// candidates by it and names the check a smaller section fails; the summary
// of the report prints it. With wind bending the wind case is judged by the
// combined ratio, which holds its σc/fk, so its σc/fk alone never governs.
#include <cstdint>
#include <string>

#include "core/check/ColumnOutcome.h"

namespace tarvo {

enum class CheckKind : std::int8_t {
    None,        // no load case was checked
    Refused,     // the check refused the item (`ResultCode`)
    Compression, // σc/fk
    Bearing,     // σcv/fcv
    Combined,    // σc/fk + σb/fb (wind case)
    Shear,       // τ/fs (wind case)
};

struct GoverningCheck {
    CheckKind Kind = CheckKind::None;
    int LoadCase = -1;           // the case of the largest ratio, -1 for none
    double Ratio = 0;            // the largest ratio over every checked case
    std::int32_t ResultCode = 0; // the outcome's result code
    bool Ok = false;             // checked (code 0) and every verdict OK

    friend bool operator==(const GoverningCheck&, const GoverningCheck&) = default;
};

[[nodiscard]] GoverningCheck GoverningCheckOf(const ColumnOutcome& outcome);

// "めり込み（風荷重時）"; a refused item gives the message of its code (or
// "検定できません"), a check without cases an empty text.
[[nodiscard]] std::string GoverningCheckText(const GoverningCheck& governing);

} // namespace tarvo
