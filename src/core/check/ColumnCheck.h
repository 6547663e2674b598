#pragma once
// The column check: section properties with the tenon deduction,
// slenderness and buckling, compression and bearing per load case, and the
// wind bending and shear check for the wind case.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/project/LoadCase.h"

namespace tarvo {

class CommonData;
class ColumnMember;
class MatDataBase;

// Result codes of a check. 0: checked; anything else: the item cannot be
// checked, for the reason the code names.
enum CheckResult : std::int32_t {
    kCheckOk = 0,
    kCheckNoSection = 1,              // gross area 0 (or a negative side)
    kCheckNoBucklingLength = 2,       // Lkx 0 (or a negative buckling or bending length)
    kCheckTooSlender = 3,             // slenderness above 150
    kCheckNoAxialForce = 6,           // no load case has an axial force
    kCheckGlulamColumnRange = 7,      // glulam column outside 90 ≦ b, D ≦ 135
    kCheckUnevaluatedLaminaWidth = 8, // un-evaluated edge-glued laminae need b ≦ D
    // Codes of this program beyond the classic ones: an item that would
    // otherwise divide by zero is refused instead of giving inf or NaN. Codes
    // 9 to 11 are decided after codes 2, 3, 12 and 13, and only where a load
    // case divides by the area; an item without any force keeps code 6.
    kCheckNoBearingArea = 9,     // bearing area Acv ≦ 0 with the bearing checked and a force in some case
    kCheckNoShearArea = 10,      // shear area As ≦ 0 with wind shear to check (wind, wall, force in the wind case)
    kCheckNoSectionModulus = 11, // section modulus ≦ 0 with wind bending to check
    kCheckColumnMaterialWithoutStrengths = 12, // the catalogue has no strengths for the column selection
    kCheckBaseMaterialWithoutStrengths = 13,   // ... nor a bearing strength for the horizontal member
    kCheckResultNotFinite = 14, // inputs so extreme (a damaged file) that a result is not a finite number
};

// Allowable-stress factors per load case: allowable = base × factor / 3.
inline constexpr PerLoadCase<double> StressFactors{1.1, 1.43, 1.6, 2.0, 2.0};

// Message of a result code (empty for codes without one).
std::string_view CheckResultMessage(std::int32_t code);

// The automatic tenon rule: 0 × 0 for 2x4 lumber, otherwise
// max(round(min(B, D) / 4), 30) × (max(B, D) − 30). Applied by default
// construction of an item and by every check while AutoTenon is set.
void ApplyAutoTenon(ColumnMember& item);

// The radius of gyration of the direction that gives the slenderness of a
// checked item: `Iy` when the width direction governs, `Ix` otherwise. A
// report that prints one radius with λ prints this one, so that λ = Lk / i.
double GoverningRadius(const ColumnMember& item);

// Runs the check on items and keeps the values the last check wrote besides
// the item (the horizontal member's display name and the bearing factors);
// the result sheet and the reports read them right after checking the same
// item. One instance serves the whole program; checks never run concurrently.
class ColumnCheck {
public:
    ColumnCheck(const MatDataBase& catalogue, CommonData& common);

    // Checks `item` and writes its results; returns the result code. The
    // item's ResultCode is stored too. Each check starts from cleared results.
    std::int32_t CheckColumn(ColumnMember& item);

    // Values of the last check.
    [[nodiscard]] const std::string& BaseDisplayName() const { return baseDisplayName_; }
    [[nodiscard]] const PerLoadCase<double>& BearingFactors() const { return bearingFactors_; }

    [[nodiscard]] CommonData& common() const { return common_; }
    [[nodiscard]] const MatDataBase& catalogue() const { return catalogue_; }

private:
    std::int32_t runCheck(ColumnMember& item);
    [[nodiscard]] std::string baseName(const ColumnMember& item) const;
    [[nodiscard]] std::string automaticBaseName(const ColumnMember& item) const;

    const MatDataBase& catalogue_;
    CommonData& common_;
    std::string baseDisplayName_;
    PerLoadCase<double> bearingFactors_{1.1, 1.43, 1.6, 2.0, 2.0};
};

} // namespace tarvo
