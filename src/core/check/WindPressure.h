#pragma once
// Wind on a column in an outer wall: the velocity pressure of the project,
// the automatic wind force coefficient Cf, and the wind bending and shear
// check of the wind load case.
#include "core/check/ColumnOutcome.h"

namespace tarvo {

class CommonData;
struct CheckConditions;
struct MemberInputData;

// q, α and Zb of `common` from its input block; false (and q = 0) when the
// building height is 0.
bool UpdateVelocityPressure(CommonData& common);

// The automatic Cf at height z (m) with its coefficients: kz under Art. 87,
// Cpe and Gpe under Notification 1458.
AutoCfCoefficients AutoCf(const CheckConditions& conditions, double z);

// The wind bending and shear check of the wind load case with velocity
// pressure q (N/m²): sets `outcome.Wind` and the verdicts OkCombined[3] and
// OkShear[3]. Uses the item's WindWidth and Shape, the Cf, Lb and tenon in
// use, and the section, strengths, buckling strength and SigmaC[3] of the
// running check, which has made sure that none of the divisors is zero.
void CheckWindBendingAndShear(const MemberInputData& item, ColumnOutcome& outcome, double q);

} // namespace tarvo
