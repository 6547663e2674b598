#pragma once
// Which axis the bending and shear strengths of a column refer to: the axis
// rule the check chooses its strengths in use by and every output names them
// by ("Fsy", "fbx", "F_{by}").
#include "core/project/ColumnMember.h"

namespace tarvo {

enum class StrengthAxis { None, X, Y };

struct StrengthAxes {
    // Glulam takes the y axis when its wide side faces the wind (b ≥ D,
    // x axis not asked for) and the laminae allow it; LVL and the glulam
    // column only name their shear axis; other products name no axis.
    StrengthAxis shear = StrengthAxis::None;
    // Glulam of one grade names no bending axis (both are alike); the other
    // lay-ups name the one in use.
    StrengthAxis bending = StrengthAxis::None;
    // The check takes Fby (rather than Fbx) as the bending strength.
    bool bendingFromY = false;
};

inline StrengthAxes StrengthAxesOf(const MemberInputData& item) {
    const MatInputData& m = item.ColumnMaterial;
    const bool wideSide = item.B >= item.D && !item.UseAxisX;
    const std::int32_t layUp = m.LaminaCompositionIndex;
    StrengthAxes axes;
    switch (m.SelectProduct) {
    case kGlulam: {
        const bool yAxis = wideSide && (layUp == 0 || (layUp >= 1 && !m.UnValuationLamina));
        axes.shear = yAxis ? StrengthAxis::Y : StrengthAxis::X;
        axes.bendingFromY = yAxis;
        if (layUp != 0) axes.bending = yAxis ? StrengthAxis::Y : StrengthAxis::X;
        break;
    }
    case kLvl:
    case kGlulamColumn: axes.shear = wideSide ? StrengthAxis::Y : StrengthAxis::X; break;
    default: break;
    }
    return axes;
}

} // namespace tarvo
