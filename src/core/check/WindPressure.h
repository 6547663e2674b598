#pragma once
// Wind on a column in an outer wall: the velocity pressure of the project,
// the automatic wind force coefficient Cf, and the wind bending and shear
// check of the wind load case.
namespace tarvo {

class CommonData;
class ColumnMember;

// q, α and Zb of `common` from its input block; false (and q = 0) when the
// building height is 0.
bool UpdateVelocityPressure(CommonData& common);

// The automatic Cf at height z (m); stores KzArt87 or Cpe/Gpe and CfAuto in
// `common` as the coefficients of the last automatic Cf.
double AutoCf(CommonData& common, double z);

// The wind bending and shear check of the wind load case with velocity
// pressure q (N/m²): sets Omega, M, Q, SigmaB[3], Tau[3], RatioCombined[3],
// RatioShear[3], OkCombined[3] and OkShear[3] of `item`. Uses the item's
// Cf, WindWidth, Lb, Shape and tenon, and the section results and strengths
// in use (A, As, SectionModulus, Fk, Fb, Fs, SigmaC[3]) of the running check,
// which has made sure that none of the divisors is zero.
void CheckWindBendingAndShear(ColumnMember& item, double q);

} // namespace tarvo
