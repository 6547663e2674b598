#include "core/check/WindPressure.h"

#include <algorithm>
#include <cmath>

#include "core/check/ColumnCheck.h"
#include "core/check/WindTables.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"
#include "core/text/Rounding.h"

namespace tarvo {
namespace {

constexpr int kNotification1458 = 1;
constexpr int kCategoryIV = 3;
constexpr int kCategoryIII = 2;
// Cladding pressures: below this height the reference height is fixed.
constexpr double kCladdingBaseHeight = 5.0;
constexpr double kCladdingTopHeight = 40.0;
constexpr double kMinimumCladdingCf = 2.2;

int roughnessIndex(const CommonData& common) {
    return std::clamp(common.RoughIndex, 0, kRoughnessCategoryCount - 1);
}

// Gust factor for the building height: the low value up to 10 m, the high
// value from 40 m, linear in between.
double gustFactor(const RoughnessCategory& row, double height) {
    if (height <= 10.0) return row.Gf10;
    if (height >= 40.0) return row.Gf40;
    return row.Gf10 - (row.Gf10 - row.Gf40) * (height - 10.0) / 30.0;
}

} // namespace

bool UpdateVelocityPressure(CommonData& common) {
    common.VelocityPressure = 0;
    const double height = common.BuildingHeight;
    // No building height means no wind check (a negative or undefined height
    // from a damaged file counts as none).
    if (!(height > 0)) return false;

    const double v0 = 2.0 * common.V0Index + 30.0;
    const bool cladding = common.WindCalcStandard == kNotification1458;
    int row = roughnessIndex(common);
    // Cladding pressures take category Ⅳ with the values of category Ⅲ.
    if (cladding && row == kCategoryIV) row = kCategoryIII;
    const RoughnessCategory& category = kRoughnessCategories[static_cast<std::size_t>(row)];
    common.Zb = category.Zb;
    common.Alpha = category.Alpha;

    const double hr = height > category.Zb ? height : category.Zb;
    const double er = 1.7 * std::pow(hr / category.ZG, category.Alpha);
    double q = 0.6 * (er * er);
    if (!cladding) q *= gustFactor(category, height);
    q = q * (v0 * v0) * common.Up_q;
    common.VelocityPressure = std::isfinite(q) ? roundHalfAway(q, 0) : 0.0;
    return true;
}

double AutoCf(CommonData& common, double z) {
    const double height = common.BuildingHeight;
    if (common.WindCalcStandard == kNotification1458) {
        // Peak external pressure coefficient with the cladding gust factor.
        if (height <= kCladdingBaseHeight) {
            common.Cpe = 1.0;
        } else {
            const double zr = z > kCladdingBaseHeight ? z : kCladdingBaseHeight;
            common.Cpe = std::pow(zr / height, 2.0 * common.Alpha);
        }
        const CladdingGustFactor& g = kCladdingGustFactors[static_cast<std::size_t>(roughnessIndex(common))];
        if (z <= kCladdingBaseHeight) {
            common.Gpe = g.Gpe5;
        } else {
            const double zc = std::min(z, kCladdingTopHeight);
            common.Gpe =
                g.Gpe5 + (g.Gpe5 - g.Gpe40) * (zc - kCladdingBaseHeight) / (kCladdingBaseHeight - kCladdingTopHeight);
        }
        common.CfAuto = std::max(common.Cpe * common.Gpe + 0.5, kMinimumCladdingCf);
    } else {
        // Height distribution of the velocity pressure over the building.
        if (height <= common.Zb) {
            common.KzArt87 = 1.0;
        } else {
            const double zr = z > common.Zb ? z : common.Zb;
            common.KzArt87 = std::pow(zr / height, 2.0 * common.Alpha);
        }
        common.CfAuto = 0.8 * common.KzArt87 + 0.2;
    }
    return common.CfAuto;
}

void CheckWindBendingAndShear(ColumnMember& item, double q) {
    constexpr std::size_t wind = kWindLoadCase;
    const double factor = StressFactors[wind];
    constexpr double third = 1.0 / 3.0;

    item.Omega = 0.001 * q * item.Cf * item.WindWidth;
    const double span = 0.001 * item.Lb;
    // The rounded moment and shear are both used and printed.
    item.M = roundHalfAway(span * span * item.Omega / 8.0, 2);
    item.Q = roundHalfAway(span * item.Omega / 2.0, 2);

    item.SigmaB[wind] = item.M * 1000.0 / item.SectionModulus;
    item.RatioCombined[wind] =
        item.SigmaC[wind] / (item.Fk * factor * third) + item.SigmaB[wind] / (item.Fb * factor * third);

    // Shear stress factor: 4/3 for a round section with a tenon, 1.5 otherwise.
    const bool roundWithTenon = item.Shape == kRound && item.TenonB * item.TenonD != 0;
    const double k = roundWithTenon ? 4.0 / 3.0 : 1.5;
    item.Tau[wind] = k * item.Q * 10.0 / item.As;
    item.RatioShear[wind] = item.Tau[wind] / (item.Fs * factor * third);

    item.OkCombined[wind] = item.RatioCombined[wind] <= 1.0;
    item.OkShear[wind] = item.RatioShear[wind] <= 1.0;
}

} // namespace tarvo
