#include "core/check/ColumnCheck.h"

#include <algorithm>
#include <cmath>

#include "core/check/WindPressure.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"
#include "core/text/Rounding.h"

namespace tarvo {
namespace {

constexpr double kPi = 3.14159;
constexpr double kThird = 1.0 / 3.0;
constexpr double kMaxSlenderness = 150.0;
// The horizontal member is looked up with this fixed size code.
constexpr int kBaseSizeCode = 204;
// Un-evaluated edge-glued laminae in the shear plane reduce the shear strength.
constexpr double kUnevaluatedLaminaFactor = 0.6;
// Glulam column range of application, mm.
constexpr double kGlulamColumnMin = 90.0;
constexpr double kGlulamColumnMax = 135.0;
// Tenon rule: a quarter of the smaller side, at least 30 mm wide; 30 mm
// shorter than the larger side.
constexpr double kMinTenonWidth = 30.0;
constexpr double kTenonDepthAllowance = 30.0;

constexpr PerLoadCase<double> kBearingFactorsNormal{1.1, 1.43, 1.6, 2.0, 2.0};
constexpr PerLoadCase<double> kBearingFactorsSill{1.5, 1.5, 2.0, 2.0, 2.0};

constexpr std::string_view kSill = "土台";
constexpr std::string_view kBeam = "梁材";
constexpr std::string_view kBottomPlate = "下枠";
constexpr std::string_view kHorizontalMember = "横架材";
constexpr std::string_view kFullWidthSpace = "　";

bool inGlulamColumnRange(double size) {
    return size >= kGlulamColumnMin && size <= kGlulamColumnMax;
}

// Buckling reduction factor for slenderness λ.
double bucklingFactor(double lambda) {
    if (lambda <= 30.0) return 1.0;
    if (lambda <= 100.0) return 1.3 - 0.01 * lambda;
    return 3000.0 / (lambda * lambda);
}

// Size factor for bending of deep sections.
double sizeFactor(std::int32_t kind, double depth) {
    if (depth <= 300.0) return 1.0;
    if (kind == kSawnLumber || kind == kGlulam) return std::pow(300.0 / depth, 1.0 / 9.0);
    if (kind == kLvl) return std::pow(300.0 / depth, 0.136);
    return 1.0;
}

// The refusal for an area the load cases would divide by: Acv for the
// bearing of any load case with a force, As and the section modulus for the
// wind bending and shear of a loaded wind case. kCheckOk when none applies.
std::int32_t zeroDivisorCode(const ColumnMember& item, bool bearingChecked, bool windLoaded) {
    const bool anyForce =
        std::any_of(item.AxialForce.begin(), item.AxialForce.end(), [](double force) { return force != 0; });
    if (bearingChecked && anyForce && !(item.Acv > 0)) return kCheckNoBearingArea;
    const bool windBending = windLoaded && item.AxialForce[kWindLoadCase] != 0;
    if (windBending && !(item.As > 0)) return kCheckNoShearArea;
    if (windBending && !(item.SectionModulus > 0)) return kCheckNoSectionModulus;
    return kCheckOk;
}

bool resultsAreFinite(const ColumnMember& item) {
    for (const double v : {item.A, item.Acv, item.As, item.Ix, item.Iy, item.Lambda, item.Eta, item.SectionModulus,
                           item.Omega, item.M, item.Q, item.Fk, item.Fb, item.Fs, item.Kz, item.Cf}) {
        if (!std::isfinite(v)) return false;
    }
    for (const auto* values : {&item.SigmaC, &item.SigmaCv, &item.SigmaB, &item.Tau, &item.RatioC, &item.RatioCombined,
                               &item.RatioShear, &item.RatioCv}) {
        for (const double v : *values) {
            if (!std::isfinite(v)) return false;
        }
    }
    return true;
}

} // namespace

std::string_view CheckResultMessage(std::int32_t code) {
    switch (code) {
    case kCheckTooSlender: return "細長比が 150 を超えています。";
    case kCheckGlulamColumnRange: return "化粧梁構造用集成柱の適用範囲　90≦b,D≦135";
    case kCheckUnevaluatedLaminaWidth: return "幅はぎ未評価ラミナを含む場合 b≦D";
    case kCheckNoBearingArea: return "めり込み面積 Acv が 0 以下です。";
    case kCheckNoShearArea: return "せん断面積 As が 0 以下です。";
    case kCheckNoSectionModulus: return "断面係数 Z が 0 以下です。";
    case kCheckColumnMaterialWithoutStrengths: return "柱の材料の許容応力度が定まりません。";
    case kCheckBaseMaterialWithoutStrengths: return "横架材のめり込み強度が定まりません。";
    case kCheckResultNotFinite: return "応力度が有限の値になりません。入力値を確認してください。";
    default: return {};
    }
}

void ApplyAutoTenon(ColumnMember& item) {
    if (item.ColumnMaterial.SelectProduct == kDimensionLumber) {
        item.TenonB = 0;
        item.TenonD = 0;
        return;
    }
    item.TenonB = std::max(roundHalfAway(std::min(item.B, item.D) * 0.25, 0), kMinTenonWidth);
    item.TenonD = std::max(item.B, item.D) - kTenonDepthAllowance;
}

double GoverningRadius(const ColumnMember& item) {
    // The same comparison as the check's: the depth direction wins a tie.
    const double lambdaX = item.Ix > 0 ? 0.1 * item.Lkx / item.Ix : 0.0;
    const double lambdaY = item.Iy > 0 ? 0.1 * item.Lky / item.Iy : 0.0;
    return lambdaX >= lambdaY ? item.Ix : item.Iy;
}

ColumnCheck::ColumnCheck(const MatDataBase& catalogue, CommonData& common) : catalogue_(catalogue), common_(common) {}

std::int32_t ColumnCheck::CheckColumn(ColumnMember& item) {
    std::int32_t code = runCheck(item);
    // Values from a damaged file (a tenon of 1e-300 mm², a depth of 1e200 mm,
    // a force of 1e308 kN) pass every guard yet overflow a section property or
    // a stress; such an item is refused and keeps no infinite or undefined
    // number for the sheet, the reports or the JSON.
    if (!resultsAreFinite(item)) {
        const MatData column = item.ColumnStrength;
        const MatData base = item.BaseStrength;
        item.results() = MemberResults{};
        item.ColumnStrength = column;
        item.BaseStrength = base;
        if (!std::isfinite(item.Cf)) item.Cf = 0;
        code = kCheckResultNotFinite;
    }
    item.ResultCode = code;
    return code;
}

std::string ColumnCheck::automaticBaseName(const ColumnMember& item) const {
    if (item.BaseMaterial.SelectProduct == kDimensionLumber) return std::string(kBottomPlate);
    if (item.FloorIndex < 1) return std::string(kHorizontalMember);
    // The lowest wooden storey stands on the sill; higher ones on beams.
    int lowestWooden = kStoreyCount + 1;
    for (int storey = 1; storey <= kStoreyCount; ++storey) {
        if (common_.WoodenStorey[static_cast<std::size_t>(storey - 1)]) {
            lowestWooden = storey;
            break;
        }
    }
    return std::string(lowestWooden == item.FloorIndex ? kSill : kBeam);
}

std::string ColumnCheck::baseName(const ColumnMember& item) const {
    switch (item.BaseNameIndex) {
    case 1: return std::string(kSill);
    case 2: return std::string(kBeam);
    case 3: return std::string(kBottomPlate);
    case 4: return std::string(kHorizontalMember);
    default: return automaticBaseName(item);
    }
}

std::int32_t ColumnCheck::runCheck(ColumnMember& item) {
    // Every check starts from cleared results, so an early return never
    // leaves numbers of an earlier check behind.
    item.results() = MemberResults{};

    const std::int32_t kind = item.ColumnMaterial.SelectProduct;
    const bool bearingChecked = item.BaseMaterial.SelectProduct < kGlulamColumn;
    const double q = common_.VelocityPressure;
    const bool windActive = q > 0;
    // Both factors positive: a negative height and a negative width would give
    // a positive product but a wind load of the wrong sign.
    const bool windLoaded = windActive && item.HeightZ > 0 && item.WindWidth > 0;

    // 1. Slenderness and an automatic Cf start afresh.
    item.Lambda = 0;
    if (!item.CfDirect) item.Cf = 0;

    // 2-4. Strengths of the column and of the horizontal member, which takes
    // the column's use-environment class.
    item.ColumnStrength = catalogue_.lookupStrength(item.ColumnMaterial, item.SizeCode);
    item.BaseMaterial.UseEnvironIndex = item.ColumnMaterial.UseEnvironIndex;
    if (!bearingChecked) {
        item.BaseStrength.Fcv = 9999;
        baseDisplayName_.clear();
    } else {
        item.BaseStrength = catalogue_.lookupStrength(item.BaseMaterial, kBaseSizeCode);
        baseDisplayName_ = baseName(item);
        if (!item.BaseStrength.productName.empty()) {
            item.BaseStrength.speciesName =
                item.BaseStrength.productName + std::string(kFullWidthSpace) + item.BaseStrength.speciesName;
        }
    }

    // 5. With wind, LVL shows its horizontal-shear class.
    if (windActive && kind == kLvl) {
        item.ColumnStrength.description += " " + item.ColumnStrength.shearClass;
    }

    // 6. Automatic wind force coefficient.
    if (windLoaded && !item.CfDirect) item.Cf = AutoCf(common_, item.HeightZ);

    // 7. Gross area; a round section is one piece. The piece count is summed
    // as a real so that counts from a damaged file cannot overflow.
    const double pieces = static_cast<double>(item.Members) + static_cast<double>(item.SubMembers);
    if (item.Shape == kRound) {
        const double radius = item.D * 0.05;
        item.A = radius * radius * kPi;
    } else {
        item.A = item.B * item.D * pieces * 0.01;
    }
    // A negative side is no section either (two negative sides would give a
    // positive area and a check of nonsense).
    if (!(item.A > 0) || item.B < 0 || item.D < 0) return kCheckNoSection;

    // 8-9. Ranges of application.
    const bool unevaluatedLaminae =
        kind == kGlulam && item.ColumnMaterial.LaminaCompositionIndex >= 1 && item.ColumnMaterial.UnValuationLamina;
    if (unevaluatedLaminae && item.B > item.D) return kCheckUnevaluatedLaminaWidth;
    if (kind == kGlulamColumn && !(inGlulamColumnRange(item.B) && inGlulamColumnRange(item.D))) {
        return kCheckGlulamColumnRange;
    }

    // 10. Tenon.
    if (item.AutoTenon) ApplyAutoTenon(item);

    // 11. Shear area (the tenon, or the whole section without one; the
    // lintel-support pieces do not count) and bearing area. Either may be 0
    // here (a round post without a tenon has no shear area, since B is 0); it
    // matters only where a load case divides by it, decided before step 21.
    const double tenon = item.TenonB * item.TenonD;
    item.As = (tenon > 0 ? tenon : item.B * item.D) * item.Members * 0.01;
    item.Acv = item.A - tenon * pieces * 0.01;

    // 12. Radii of gyration and section modulus (cm).
    const double b = 0.1 * item.B;
    const double d = 0.1 * item.D;
    if (item.Shape == kRound) {
        item.Ix = d * 0.25;
        item.Iy = item.Ix;
        item.SectionModulus = d * d * d * kPi * pieces / 32.0;
    } else {
        item.Ix = d / std::sqrt(12.0);
        item.Iy = b / std::sqrt(12.0);
        item.SectionModulus = d * d * b * pieces / 6.0;
    }

    // 13. Bending and shear strengths in use.
    const MatData& strength = item.ColumnStrength;
    item.Fb = strength.Fbx;
    item.Fs = strength.Fsx;
    const std::int32_t layUp = item.ColumnMaterial.LaminaCompositionIndex;
    if (!item.UseAxisX && item.B >= item.D) {
        if (kind == kGlulam && (layUp == 0 || (layUp >= 1 && !item.ColumnMaterial.UnValuationLamina))) {
            item.Fb = strength.Fby;
            item.Fs = strength.Fsy;
        } else if (kind == kLvl || kind == kGlulamColumn) {
            item.Fs = strength.Fsy;
        }
    }
    // The lookup has already reduced lay-up 1; lay-ups 2 and 3 are reduced here.
    if (unevaluatedLaminae && (layUp == 2 || layUp == 3)) item.Fs *= kUnevaluatedLaminaFactor;
    if (!strength.hasStrengths() || !(item.Fb > 0) || !(item.Fs > 0)) {
        item.Fb = 0;
        item.Fs = 0;
        return kCheckColumnMaterialWithoutStrengths;
    }

    // 14. Size factor for bending.
    item.Kz = sizeFactor(kind, item.D);
    item.Fb *= item.Kz;

    // 15-16. Buckling and bending lengths.
    // A negative length would give a negative slenderness that passes every limit.
    if (!(item.Lkx > 0)) return kCheckNoBucklingLength;
    if (!item.LkyDirect) item.Lky = kind == kDimensionLumber ? 0.0 : item.Lkx;
    if (windActive) {
        if (!item.LbDirect) item.Lb = item.Lkx;
    } else {
        item.Lb = 0;
    }
    // An entered negative length counts as none (a negative Lb would give a
    // negative shear force and a shear ratio below zero).
    if (item.Lky < 0 || item.Lb < 0) return kCheckNoBucklingLength;

    // 17-19. Slenderness and buckling strength.
    const double lambdaX = 0.1 * item.Lkx / item.Ix;
    const double lambdaY = 0.1 * item.Lky / item.Iy;
    item.Lambda = lambdaX >= lambdaY ? lambdaX : lambdaY;
    if (item.Lambda > kMaxSlenderness) return kCheckTooSlender;
    item.Eta = bucklingFactor(item.Lambda);
    item.Fk = item.Eta * strength.Fc;

    // 20. Verdicts start OK; a load case without force stays so.
    item.OkC.fill(true);
    item.OkCombined.fill(true);
    item.OkShear.fill(true);
    item.OkCv.fill(true);
    bearingFactors_ = item.FcvUpper ? kBearingFactorsSill : kBearingFactorsNormal;
    item.M = 0;
    if (bearingChecked && !(item.BaseStrength.Fcv > 0)) return kCheckBaseMaterialWithoutStrengths;

    // The load cases below divide by Acv (bearing), As and the section
    // modulus (wind shear and bending); an item whose divisor is not positive
    // is refused rather than given an infinite or negative stress. Only the
    // divisions that will happen count, so an item keeps the codes above and
    // code 6 whenever it would not divide by such an area.
    if (const std::int32_t code = zeroDivisorCode(item, bearingChecked, windLoaded); code != kCheckOk) {
        // A refused item shows no verdict.
        item.OkC = {};
        item.OkCombined = {};
        item.OkShear = {};
        item.OkCv = {};
        return code;
    }

    // 21. Load cases.
    int counted = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        const double force = item.AxialForce[j];
        if (force == 0) continue;
        item.SigmaC[j] = force * 10.0 / item.A;
        item.RatioC[j] = item.SigmaC[j] / (item.Fk * StressFactors[j] * kThird);
        item.OkC[j] = item.RatioC[j] <= 1.0;
        if (bearingChecked) {
            item.SigmaCv[j] = force * 10.0 / item.Acv;
            item.RatioCv[j] = item.SigmaCv[j] / (item.BaseStrength.Fcv * bearingFactors_[j] * kThird);
            item.OkCv[j] = item.RatioCv[j] <= 1.0;
        }
        ++counted;
        if (j == static_cast<std::size_t>(kWindLoadCase) && windLoaded) CheckWindBendingAndShear(item, q);
    }

    // 22. Checked when at least one load case carries a force.
    return counted == 0 ? kCheckNoAxialForce : kCheckOk;
}

} // namespace tarvo
