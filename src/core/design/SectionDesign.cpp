#include "core/design/SectionDesign.h"

#include "core/check/ColumnCheck.h"

namespace tarvo {
namespace {

// Refusals that say the material is not made in the section: such a
// candidate is skipped, never proposed nor named as the smaller one.
bool materialRefuses(std::int32_t code) {
    return code == kCheckGlulamColumnRange || code == kCheckUnevaluatedLaminaWidth;
}

} // namespace

SectionDesign DesignSection(const MemberInputData& item, const CheckConditions& conditions,
                            const MatDataBase& catalogue, const DesignOptions& options) {
    SectionDesign design;
    design.Present = {SectionOf(item), GoverningCheckOf(CheckColumn(item, conditions, catalogue))};

    MemberInputData trial = item;
    std::optional<DesignTrial> previous;
    for (const SectionSize& section : SectionCandidates(item, catalogue, options)) {
        // Each candidate starts from the item's own pieces (a thick 2x4 code
        // drops the lintel-support pieces of the trial before it).
        trial.SubMembers = item.SubMembers;
        PutSection(trial, section);
        const ColumnOutcome outcome = CheckColumn(trial, conditions, catalogue);
        ++design.Trials;
        if (materialRefuses(outcome.ResultCode)) continue;
        const DesignTrial tried{section, GoverningCheckOf(outcome)};
        if (tried.Check.Ok) {
            design.Status = DesignStatus::Passed;
            design.Proposed = tried;
            design.Smaller = previous;
            return design;
        }
        previous = tried;
    }
    if (previous) {
        design.Status = DesignStatus::NothingPasses;
        design.Proposed = previous;
    }
    return design;
}

void ApplyDesignedSection(MemberInputData& item, const SectionSize& section, const CheckConditions& conditions,
                          const MatDataBase& catalogue) {
    PutSection(item, section);
    ApplyDerivedInputs(item, CheckColumn(item, conditions, catalogue));
}

} // namespace tarvo
