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

} // namespace tarvo
