#include "core/check/WindPressure.h"

#include <algorithm>
#include <cmath>

#include "core/check/CheckConditions.h"
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

int roughnessIndex(int index) {
    return std::clamp(index, 0, kRoughnessCategoryCount - 1);
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
    int row = roughnessIndex(common.RoughIndex);
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

AutoCfCoefficients AutoCf(const CheckConditions& conditions, double z) {
    const double height = conditions.BuildingHeight;
    AutoCfCoefficients c;
    if (conditions.WindCalcStandard == kNotification1458) {
        // Peak external pressure coefficient with the cladding gust factor.
        double cpe = 1.0;
        if (height > kCladdingBaseHeight) {
            const double zr = z > kCladdingBaseHeight ? z : kCladdingBaseHeight;
            cpe = std::pow(zr / height, 2.0 * conditions.Alpha);
        }
        const CladdingGustFactor& g =
            kCladdingGustFactors[static_cast<std::size_t>(roughnessIndex(conditions.RoughIndex))];
        double gpe = g.Gpe5;
        if (z > kCladdingBaseHeight) {
            const double zc = std::min(z, kCladdingTopHeight);
            gpe = g.Gpe5 + (g.Gpe5 - g.Gpe40) * (zc - kCladdingBaseHeight) / (kCladdingBaseHeight - kCladdingTopHeight);
        }
        c.Cpe = cpe;
        c.Gpe = gpe;
        c.CfAuto = std::max(cpe * gpe + 0.5, kMinimumCladdingCf);
    } else {
        // Height distribution of the velocity pressure over the building.
        double kz = 1.0;
        if (height > conditions.Zb) {
            const double zr = z > conditions.Zb ? z : conditions.Zb;
            kz = std::pow(zr / height, 2.0 * conditions.Alpha);
        }
        c.KzArt87 = kz;
        c.CfAuto = 0.8 * kz + 0.2;
    }
    return c;
}

void CheckWindBendingAndShear(const MemberInputData& item, ColumnOutcome& outcome, double q) {
    constexpr std::size_t wind = kWindLoadCase;
    const double factor = StressFactors[wind];
    constexpr double third = 1.0 / 3.0;
    const InputsInUse& used = outcome.Used;
    const SectionProperties& section = *outcome.Section;
    const StrengthsInUse& strengths = *outcome.Strengths;

    WindBending w;
    w.Omega = 0.001 * q * used.Cf * item.WindWidth;
    const double span = 0.001 * used.Lb;
    // The rounded moment and shear are both used and printed.
    w.M = roundHalfAway(span * span * w.Omega / 8.0, 2);
    w.Q = roundHalfAway(span * w.Omega / 2.0, 2);

    w.SigmaB = w.M * 1000.0 / section.SectionModulus;
    w.RatioCombined =
        outcome.SigmaC[wind] / (outcome.Buckling->Fk * factor * third) + w.SigmaB / (strengths.Fb * factor * third);

    // Shear stress factor: 4/3 for a round section with a tenon, 1.5 otherwise.
    const bool roundWithTenon = item.Shape == kRound && used.TenonB * used.TenonD != 0;
    const double k = roundWithTenon ? 4.0 / 3.0 : 1.5;
    w.Tau = k * w.Q * 10.0 / section.As;
    w.RatioShear = w.Tau / (strengths.Fs * factor * third);

    outcome.OkCombined[wind] = w.RatioCombined <= 1.0;
    outcome.OkShear[wind] = w.RatioShear <= 1.0;
    outcome.Wind = w;
}

} // namespace tarvo
