#pragma once
// The column check: section properties with the tenon deduction,
// slenderness and buckling, compression and bearing per load case, and the
// wind bending and shear check for the wind case. A pure function of the
// item's inputs, the project's check conditions and the catalogue: it writes
// nothing into the item or the project, so two checks of the same inputs
// give the same outcome whatever was checked before.
#include <cstdint>
#include <string_view>

#include "core/check/CheckConditions.h"
#include "core/check/ColumnOutcome.h"
#include "core/project/ColumnMember.h"
#include "core/project/LoadCase.h"

namespace tarvo {

class ColumnCheck;
class ColumnsData;
class CommonData;
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
// construction of an item; the check uses it while AutoTenon is set.
void ApplyAutoTenon(MemberInputData& item);

// The radius of gyration of the direction that gives the slenderness of a
// checked item: `Iy` when the width direction governs, `Ix` otherwise. A
// report that prints one radius with λ prints this one, so that λ = Lk / i.
double GoverningRadius(const MemberInputData& item, const ColumnOutcome& outcome);

// The check of one item.
ColumnOutcome CheckColumn(const MemberInputData& item, const CheckConditions& conditions, const MatDataBase& catalogue);

// Writes the inputs the check derived (automatic Cf and tenon, Lky and Lb
// where they follow, the horizontal member's use-environment class) into
// `item`, as the column page shows them after an edit and a file stores them.
void ApplyDerivedInputs(MemberInputData& item, const ColumnOutcome& outcome);

// The same for every item of `columns`, each checked with `check`: what a
// file saved from the project (a project file, an item CSV) holds.
void ApplyDerivedInputs(ColumnsData& columns, const ColumnCheck& check);

// The check with the project's catalogue and common conditions at hand.
class ColumnCheck {
public:
    ColumnCheck(const MatDataBase& catalogue, const CommonData& common) : catalogue_(catalogue), common_(common) {}

    // The outcome of `item` with the common conditions as they are now.
    [[nodiscard]] ColumnOutcome CheckColumn(const MemberInputData& item) const;
    [[nodiscard]] CheckConditions conditions() const;

    [[nodiscard]] const CommonData& common() const { return common_; }
    [[nodiscard]] const MatDataBase& catalogue() const { return catalogue_; }

private:
    const MatDataBase& catalogue_;
    const CommonData& common_;
};

} // namespace tarvo
