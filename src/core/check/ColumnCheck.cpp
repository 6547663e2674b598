#include "core/check/ColumnCheck.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <type_traits>

#include "core/check/StrengthAxes.h"
#include "core/check/WindPressure.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnMember.h"
#include "core/project/ColumnsData.h"
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

// The outcome is copied freely (lists of outcomes, comparisons): it must
// stay a plain value without heap memory.
static_assert(std::is_trivially_copyable_v<ColumnOutcome>);

// The refusal for an area the load cases would divide by: Acv for the
// bearing of any load case with a force, As and the section modulus for the
// wind bending and shear of a loaded wind case. kCheckOk when none applies.
std::int32_t zeroDivisorCode(const MemberInputData& item, const SectionProperties& section, bool bearingChecked,
                             bool windLoaded) {
    const bool anyForce =
        std::any_of(item.AxialForce.begin(), item.AxialForce.end(), [](double force) { return force != 0; });
    if (bearingChecked && anyForce && !(section.Acv > 0)) return kCheckNoBearingArea;
    const bool windBending = windLoaded && item.AxialForce[kWindLoadCase] != 0;
    if (windBending && !(section.As > 0)) return kCheckNoShearArea;
    if (windBending && !(section.SectionModulus > 0)) return kCheckNoSectionModulus;
    return kCheckOk;
}

bool finite(const std::optional<double>& v) {
    return !v || std::isfinite(*v);
}

bool resultsAreFinite(const ColumnOutcome& o) {
    for (const double v : {o.A, o.Used.Cf, o.Used.TenonB, o.Used.TenonD, o.Used.Lky, o.Used.Lb}) {
        if (!std::isfinite(v)) return false;
    }
    if (o.Section && !(std::isfinite(o.Section->Acv) && std::isfinite(o.Section->As) && std::isfinite(o.Section->Ix) &&
                       std::isfinite(o.Section->Iy) && std::isfinite(o.Section->SectionModulus)))
        return false;
    if (o.Strengths &&
        !(std::isfinite(o.Strengths->Fb) && std::isfinite(o.Strengths->Fs) && std::isfinite(o.Strengths->Kz)))
        return false;
    if (!finite(o.Lambda)) return false;
    if (o.Buckling && !(std::isfinite(o.Buckling->Eta) && std::isfinite(o.Buckling->Fk))) return false;
    if (o.Wind && !(std::isfinite(o.Wind->Omega) && std::isfinite(o.Wind->M) && std::isfinite(o.Wind->Q) &&
                    std::isfinite(o.Wind->SigmaB) && std::isfinite(o.Wind->Tau) &&
                    std::isfinite(o.Wind->RatioCombined) && std::isfinite(o.Wind->RatioShear)))
        return false;
    for (const auto* values : {&o.SigmaC, &o.SigmaCv, &o.RatioC, &o.RatioCv}) {
        for (const double v : *values) {
            if (!std::isfinite(v)) return false;
        }
    }
    return true;
}

std::string_view automaticBaseName(const MemberInputData& item, const CheckConditions& conditions) {
    if (item.BaseMaterial.SelectProduct == kDimensionLumber) return kBottomPlate;
    if (item.FloorIndex < 1) return kHorizontalMember;
    // The lowest wooden storey stands on the sill; higher ones on beams.
    return conditions.LowestWoodenStorey == item.FloorIndex ? kSill : kBeam;
}

std::string_view baseName(const MemberInputData& item, const CheckConditions& conditions) {
    switch (item.BaseNameIndex) {
    case 1: return kSill;
    case 2: return kBeam;
    case 3: return kBottomPlate;
    case 4: return kHorizontalMember;
    default: return automaticBaseName(item, conditions);
    }
}

// The automatic tenon of a section: 0 × 0 for 2x4 lumber.
std::pair<double, double> autoTenon(const MemberInputData& item) {
    if (item.ColumnMaterial.SelectProduct == kDimensionLumber) return {0.0, 0.0};
    return {std::max(roundHalfAway(std::min(item.B, item.D) * 0.25, 0), kMinTenonWidth),
            std::max(item.B, item.D) - kTenonDepthAllowance};
}

// The check's steps; returns the result code, `o` holding what was reached.
std::int32_t runCheck(const MemberInputData& item, const CheckConditions& conditions, const MatDataBase& catalogue,
                      ColumnOutcome& o) {
    const std::int32_t kind = item.ColumnMaterial.SelectProduct;
    const bool bearingChecked = item.BaseMaterial.SelectProduct < kGlulamColumn;
    const double q = conditions.VelocityPressure;
    const bool windActive = q > 0;
    // Both factors positive: a negative height and a negative width would give
    // a positive product but a wind load of the wrong sign.
    const bool windLoaded = windActive && item.HeightZ > 0 && item.WindWidth > 0;

    // The inputs in use start as entered.
    o.Used = {item.Cf, item.TenonB, item.TenonD, item.Lky, item.Lb, item.ColumnMaterial.UseEnvironIndex};

    // 1. An automatic Cf starts afresh.
    o.Derived.Cf = !item.CfDirect;
    if (o.Derived.Cf) o.Used.Cf = 0;

    // 2-4. Strengths of the column and of the horizontal member, which takes
    // the column's use-environment class.
    o.ColumnStrength = catalogue.lookupStrength(item.ColumnMaterial, item.SizeCode);
    if (bearingChecked) {
        MatInputData base = item.BaseMaterial;
        base.UseEnvironIndex = o.Used.BaseUseEnvironIndex;
        o.BaseStrength = catalogue.lookupStrength(base, kBaseSizeCode);
        o.BaseDisplayName = baseName(item, conditions);
    }

    // 6. Automatic wind force coefficient.
    if (windLoaded && !item.CfDirect) {
        o.AutoCf = AutoCf(conditions, item.HeightZ);
        o.Used.Cf = o.AutoCf->CfAuto;
    }

    // 7. Gross area; a round section is one piece. The piece count is summed
    // as a real so that counts from a damaged file cannot overflow.
    const double pieces = static_cast<double>(item.Members) + static_cast<double>(item.SubMembers);
    if (item.Shape == kRound) {
        const double radius = item.D * 0.05;
        o.A = radius * radius * kPi;
    } else {
        o.A = item.B * item.D * pieces * 0.01;
    }
    // A negative side is no section either (two negative sides would give a
    // positive area and a check of nonsense).
    if (!(o.A > 0) || item.B < 0 || item.D < 0) return kCheckNoSection;

    // 8-9. Ranges of application.
    const bool unevaluatedLaminae =
        kind == kGlulam && item.ColumnMaterial.LaminaCompositionIndex >= 1 && item.ColumnMaterial.UnValuationLamina;
    if (unevaluatedLaminae && item.B > item.D) return kCheckUnevaluatedLaminaWidth;
    if (kind == kGlulamColumn && !(inGlulamColumnRange(item.B) && inGlulamColumnRange(item.D))) {
        return kCheckGlulamColumnRange;
    }

    // 10. Tenon.
    if (item.AutoTenon) {
        std::tie(o.Used.TenonB, o.Used.TenonD) = autoTenon(item);
        o.Derived.Tenon = true;
    }

    // 11. Shear area (the tenon, or the whole section without one; the
    // lintel-support pieces do not count) and bearing area. Either may be 0
    // here (a round post without a tenon has no shear area, since B is 0); it
    // matters only where a load case divides by it, decided before step 21.
    SectionProperties section;
    const double tenon = o.Used.TenonB * o.Used.TenonD;
    section.As = (tenon > 0 ? tenon : item.B * item.D) * item.Members * 0.01;
    section.Acv = o.A - tenon * pieces * 0.01;

    // 12. Radii of gyration and section modulus (cm).
    const double b = 0.1 * item.B;
    const double d = 0.1 * item.D;
    if (item.Shape == kRound) {
        section.Ix = d * 0.25;
        section.Iy = section.Ix;
        section.SectionModulus = d * d * d * kPi * pieces / 32.0;
    } else {
        section.Ix = d / std::sqrt(12.0);
        section.Iy = b / std::sqrt(12.0);
        section.SectionModulus = d * d * b * pieces / 6.0;
    }
    o.Section = section;

    // 13. Bending and shear strengths in use, on the axes the item faces the wind with.
    const MatStrengths& strength = o.ColumnStrength;
    const StrengthAxes axes = StrengthAxesOf(item);
    StrengthsInUse inUse;
    inUse.Fb = axes.bendingFromY ? strength.Fby : strength.Fbx;
    inUse.Fs = axes.shear == StrengthAxis::Y ? strength.Fsy : strength.Fsx;
    // The lookup has already reduced lay-up 1; lay-ups 2 and 3 are reduced here.
    const std::int32_t layUp = item.ColumnMaterial.LaminaCompositionIndex;
    if (unevaluatedLaminae && (layUp == 2 || layUp == 3)) inUse.Fs *= kUnevaluatedLaminaFactor;
    if (!strength.hasStrengths() || !(inUse.Fb > 0) || !(inUse.Fs > 0)) return kCheckColumnMaterialWithoutStrengths;

    // 14. Size factor for bending.
    inUse.Kz = sizeFactor(kind, item.D);
    inUse.Fb *= inUse.Kz;
    o.Strengths = inUse;

    // 15-16. Buckling and bending lengths.
    // A negative length would give a negative slenderness that passes every limit.
    if (!(item.Lkx > 0)) return kCheckNoBucklingLength;
    if (!item.LkyDirect) {
        o.Used.Lky = kind == kDimensionLumber ? 0.0 : item.Lkx;
        o.Derived.Lky = true;
    }
    if (windActive) {
        if (!item.LbDirect) {
            o.Used.Lb = item.Lkx;
            o.Derived.Lb = true;
        }
    } else {
        o.Used.Lb = 0;
        o.Derived.Lb = true;
    }
    // An entered negative length counts as none (a negative Lb would give a
    // negative shear force and a shear ratio below zero).
    if (o.Used.Lky < 0 || o.Used.Lb < 0) return kCheckNoBucklingLength;

    // 17-19. Slenderness and buckling strength.
    const double lambdaX = 0.1 * item.Lkx / section.Ix;
    const double lambdaY = 0.1 * o.Used.Lky / section.Iy;
    const double lambda = lambdaX >= lambdaY ? lambdaX : lambdaY;
    o.Lambda = lambda;
    if (lambda > kMaxSlenderness) return kCheckTooSlender;
    BucklingValues buckling;
    buckling.Eta = bucklingFactor(lambda);
    buckling.Fk = buckling.Eta * strength.Fc;
    o.Buckling = buckling;

    // 20. Verdicts start OK; a load case without force stays so.
    o.OkC.fill(true);
    o.OkCombined.fill(true);
    o.OkShear.fill(true);
    o.OkCv.fill(true);
    o.BearingFactors = item.FcvUpper ? kBearingFactorsSill : kBearingFactorsNormal;
    if (bearingChecked && !(o.BaseStrength->Fcv > 0)) return kCheckBaseMaterialWithoutStrengths;

    // The load cases below divide by Acv (bearing), As and the section
    // modulus (wind shear and bending); an item whose divisor is not positive
    // is refused rather than given an infinite or negative stress. Only the
    // divisions that will happen count, so an item keeps the codes above and
    // code 6 whenever it would not divide by such an area.
    if (const std::int32_t code = zeroDivisorCode(item, section, bearingChecked, windLoaded); code != kCheckOk) {
        return code;
    }

    // 21. Load cases.
    int counted = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        const double force = item.AxialForce[j];
        if (force == 0) continue;
        o.Checked[j] = true;
        o.SigmaC[j] = force * 10.0 / o.A;
        o.RatioC[j] = o.SigmaC[j] / (buckling.Fk * StressFactors[j] * kThird);
        o.OkC[j] = o.RatioC[j] <= 1.0;
        if (bearingChecked) {
            o.SigmaCv[j] = force * 10.0 / section.Acv;
            o.RatioCv[j] = o.SigmaCv[j] / (o.BaseStrength->Fcv * (*o.BearingFactors)[j] * kThird);
            o.OkCv[j] = o.RatioCv[j] <= 1.0;
        }
        ++counted;
        if (j == static_cast<std::size_t>(kWindLoadCase) && windLoaded) CheckWindBendingAndShear(item, o, q);
    }

    // 22. Checked when at least one load case carries a force.
    return counted == 0 ? kCheckNoAxialForce : kCheckOk;
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

void ApplyAutoTenon(MemberInputData& item) {
    std::tie(item.TenonB, item.TenonD) = autoTenon(item);
}

double GoverningRadius(const MemberInputData& item, const ColumnOutcome& outcome) {
    if (!outcome.Section) return 0;
    const SectionProperties& s = *outcome.Section;
    // The same comparison as the check's: the depth direction wins a tie.
    const double lambdaX = s.Ix > 0 ? 0.1 * item.Lkx / s.Ix : 0.0;
    const double lambdaY = s.Iy > 0 ? 0.1 * outcome.Used.Lky / s.Iy : 0.0;
    return lambdaX >= lambdaY ? s.Ix : s.Iy;
}

ColumnOutcome CheckColumn(const MemberInputData& item, const CheckConditions& conditions,
                          const MatDataBase& catalogue) {
    ColumnOutcome outcome;
    outcome.ResultCode = runCheck(item, conditions, catalogue, outcome);
    if (outcome.ResultCode != kCheckOk && outcome.ResultCode != kCheckNoAxialForce) {
        // A refused item shows no verdict.
        outcome.OkC = {};
        outcome.OkCombined = {};
        outcome.OkShear = {};
        outcome.OkCv = {};
    }
    // Values from a damaged file (a tenon of 1e-300 mm², a depth of 1e200 mm,
    // a force of 1e308 kN) pass every guard yet overflow a section property or
    // a stress; such an item is refused and keeps no infinite or undefined
    // number for the sheet, the reports or the JSON: only the lookups and the
    // inputs in use are left.
    if (!resultsAreFinite(outcome)) {
        ColumnOutcome refused;
        refused.ResultCode = kCheckResultNotFinite;
        refused.Used = outcome.Used;
        refused.Derived = outcome.Derived;
        if (!std::isfinite(refused.Used.Cf)) refused.Used.Cf = 0;
        refused.ColumnStrength = outcome.ColumnStrength;
        refused.BaseStrength = outcome.BaseStrength;
        refused.BaseDisplayName = outcome.BaseDisplayName;
        outcome = refused;
    }
    return outcome;
}

void ApplyDerivedInputs(MemberInputData& item, const ColumnOutcome& outcome) {
    const InputsInUse& used = outcome.Used;
    if (outcome.Derived.Cf) item.Cf = used.Cf;
    if (outcome.Derived.Tenon) {
        item.TenonB = used.TenonB;
        item.TenonD = used.TenonD;
    }
    if (outcome.Derived.Lky) item.Lky = used.Lky;
    if (outcome.Derived.Lb) item.Lb = used.Lb;
    item.BaseMaterial.UseEnvironIndex = used.BaseUseEnvironIndex;
}

void ApplyDerivedInputs(ColumnsData& columns, const ColumnCheck& check) {
    const CheckConditions conditions = check.conditions();
    for (int i = 0; i < columns.Count(); ++i) {
        ColumnMember& item = columns.Item(i);
        ApplyDerivedInputs(item, CheckColumn(item, conditions, check.catalogue()));
    }
}

ColumnOutcome ColumnCheck::CheckColumn(const MemberInputData& item) const {
    return tarvo::CheckColumn(item, conditions(), catalogue_);
}

CheckConditions ColumnCheck::conditions() const {
    return CheckConditions::of(common_);
}

} // namespace tarvo
