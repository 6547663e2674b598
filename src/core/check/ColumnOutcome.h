#pragma once
// What the check of one column item gives: its result code, the inputs it
// derived, the strengths it looked up, the section, slenderness, buckling and
// load-case values it computed, the wind coefficients and bearing factors it
// used and the horizontal member's display name. A plain value: it refers to
// nothing of the project and holds no heap memory. A value the check did not
// reach before it stopped is absent (an empty optional, or a load case that
// is not `Checked`), never 0 and never a value of another item.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/material/MatData.h"
#include "core/project/LoadCase.h"

namespace tarvo {

// The inputs as the check used them. Those the check derives are taken from
// the item's other inputs; the flags of `DerivedInputs` say which they are.
struct InputsInUse {
    double Cf = 0;     // the entered Cf, or the automatic one (0 where no wind loads the column)
    double TenonB = 0; // mm
    double TenonD = 0; // mm
    double Lky = 0;    // mm
    double Lb = 0;     // mm
    // The horizontal member's use-environment class: always the column's.
    std::int32_t BaseUseEnvironIndex = 2;

    friend bool operator==(const InputsInUse&, const InputsInUse&) = default;
};

// Which values of `InputsInUse` the check derived (and an edit or a save
// writes into the item); the others are the item's own.
struct DerivedInputs {
    bool Cf = false;    // CfDirect is off
    bool Tenon = false; // AutoTenon is on and the check reached the tenon
    bool Lky = false;   // LkyDirect is off and the check reached the lengths
    bool Lb = false;    // follows Lkx with wind (unless LbDirect), 0 without wind

    friend bool operator==(const DerivedInputs&, const DerivedInputs&) = default;
};

// The coefficients of an automatic Cf: kz under Art. 87, Cpe and Gpe under
// Notification 1458.
struct AutoCfCoefficients {
    std::optional<double> KzArt87;
    std::optional<double> Cpe;
    std::optional<double> Gpe;
    double CfAuto = 0;

    friend bool operator==(const AutoCfCoefficients&, const AutoCfCoefficients&) = default;
};

// Areas (cm²), radii of gyration (cm) and section modulus (cm³) besides the
// gross area.
struct SectionProperties {
    double Acv = 0;
    double As = 0;
    double Ix = 0; // for Lkx (a round section's only one)
    double Iy = 0; // for Lky
    double SectionModulus = 0;

    friend bool operator==(const SectionProperties&, const SectionProperties&) = default;
};

// Bending and shear strengths in use, the bending one with the size factor.
struct StrengthsInUse {
    double Fb = 0;
    double Fs = 0;
    double Kz = 1;

    friend bool operator==(const StrengthsInUse&, const StrengthsInUse&) = default;
};

struct BucklingValues {
    double Eta = 0; // buckling reduction factor
    double Fk = 0;  // η·Fc

    friend bool operator==(const BucklingValues&, const BucklingValues&) = default;
};

// The wind bending and shear of the wind case.
struct WindBending {
    double Omega = 0; // kN/m
    double M = 0;     // kN·m, rounded to 2 decimals
    double Q = 0;     // kN, rounded to 2 decimals
    double SigmaB = 0;
    double Tau = 0;
    double RatioCombined = 0; // σc/fk + σb/fb
    double RatioShear = 0;    // τ/fs (the verdicts are OkCombined[3] and OkShear[3])

    friend bool operator==(const WindBending&, const WindBending&) = default;
};

struct ColumnOutcome {
    std::int32_t ResultCode = 0;

    InputsInUse Used;
    DerivedInputs Derived;

    MatStrengths ColumnStrength; // as looked up (use-environment class applied)
    // Absent when the bearing check is omitted (no lookup is made).
    std::optional<MatStrengths> BaseStrength;
    // "土台", "梁材", "下枠" or "横架材"; empty when the bearing check is omitted.
    std::string_view BaseDisplayName;
    // Present when this item's Cf was computed automatically.
    std::optional<AutoCfCoefficients> AutoCf;

    double A = 0; // gross area, cm² (not above 0 with code 1)
    std::optional<SectionProperties> Section;
    std::optional<StrengthsInUse> Strengths;
    std::optional<double> Lambda; // governing slenderness
    std::optional<BucklingValues> Buckling;
    // Allowable bearing stress factors per load case, present once the
    // check reached the load cases.
    std::optional<PerLoadCase<double>> BearingFactors;

    // Per load case: computed (the item checks and the case carries a force).
    PerLoadCase<bool> Checked{};
    PerLoadCase<double> SigmaC{};  // N/mm², where Checked
    PerLoadCase<double> RatioC{};  // σc/fk, where Checked
    PerLoadCase<double> SigmaCv{}; // where Checked and the bearing is checked
    PerLoadCase<double> RatioCv{}; // σcv/fcv, likewise
    // Present when the wind case was checked with wind on a wall carried.
    std::optional<WindBending> Wind;
    // Verdicts: all true once the check reaches the load cases (a case without
    // a force keeps them), all false for an item the check refused.
    PerLoadCase<bool> OkC{};
    PerLoadCase<bool> OkCombined{};
    PerLoadCase<bool> OkShear{};
    PerLoadCase<bool> OkCv{};

    [[nodiscard]] bool computable() const { return ResultCode == 0; }
    [[nodiscard]] bool bearingChecked() const { return BaseStrength.has_value(); }
    // The wind case carries out-of-plane bending: the wind check gave a
    // positive moment. Only then do the outputs show the wind bending lines.
    [[nodiscard]] bool windBending() const { return Wind.has_value() && Wind->M > 0; }
    // The case's verdict: every check of it OK.
    [[nodiscard]] bool caseOk(std::size_t j) const { return OkC[j] && OkCv[j] && OkCombined[j] && OkShear[j]; }

    friend bool operator==(const ColumnOutcome&, const ColumnOutcome&) = default;
};

} // namespace tarvo
