#pragma once
// The section design of one column item: the smallest candidate section
// (SectionCandidates) with which every verdict of the check is OK, the item
// otherwise unchanged (material, pieces, lengths, tenon rule, forces, wind
// data). An automatic tenon follows each candidate, as the check derives it.
// A pure function like the check: it changes neither the item nor the project.
#include <cstdint>
#include <optional>

#include "core/check/GoverningCheck.h"
#include "core/design/SectionCandidates.h"
#include "core/design/SectionSize.h"

namespace tarvo {

struct CheckConditions;
class MatDataBase;

enum class DesignStatus : std::int8_t {
    Passed,        // `Proposed` is the first candidate that passes
    NothingPasses, // no candidate passes; `Proposed` is the largest one tried
    NoCandidates,  // the item's material allows no candidate section
};

// One section with the check it gave.
struct DesignTrial {
    SectionSize Section;
    GoverningCheck Check;

    friend bool operator==(const DesignTrial&, const DesignTrial&) = default;
};

struct SectionDesign {
    DesignStatus Status = DesignStatus::NoCandidates;
    DesignTrial Present; // the item as it is
    // The first passing candidate or, when none passes, the largest
    // candidate the material allows; absent without candidates.
    std::optional<DesignTrial> Proposed;
    // The candidate tried before the proposal, with the check it failed;
    // absent when the first candidate passes and when none passes.
    std::optional<DesignTrial> Smaller;
    int Trials = 0; // candidates checked

    [[nodiscard]] bool passed() const { return Status == DesignStatus::Passed; }
    // The proposal differs from the present section.
    [[nodiscard]] bool changes() const { return passed() && Proposed->Section != Present.Section; }

    friend bool operator==(const SectionDesign&, const SectionDesign&) = default;
};

[[nodiscard]] SectionDesign DesignSection(const MemberInputData& item, const CheckConditions& conditions,
                                          const MatDataBase& catalogue, const DesignOptions& options);

// Writes `section` into `item` (PutSection) and then the inputs the check
// derives for it (the automatic tenon, Cf and lengths): the item as the
// column page shows it with that section.
void ApplyDesignedSection(MemberInputData& item, const SectionSize& section, const CheckConditions& conditions,
                          const MatDataBase& catalogue);

} // namespace tarvo
