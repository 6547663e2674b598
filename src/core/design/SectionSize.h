#pragma once
// A column section as the section design proposes it: shape, size code and
// sides, the inputs of the column page that change with the section.
#include <cstdint>
#include <string>

#include "core/project/ColumnMember.h"

namespace tarvo {

struct SectionSize {
    std::int32_t Shape = kRectangular;
    std::int32_t SizeCode = 0; // size code of the size list; 0 for a free size
    double B = 0;              // mm, 0 for a round section
    double D = 0;              // mm, the diameter of a round section

    friend bool operator==(const SectionSize&, const SectionSize&) = default;
};

// The section `item` has now.
[[nodiscard]] SectionSize SectionOf(const MemberInputData& item);

// The area that orders candidates, mm² (b × D; D² for a round section,
// which orders them alike).
[[nodiscard]] double OrderingArea(const SectionSize& section);

// Writes `section` into `item` as the column page's size rules leave it: the
// shape, the size code and the sides; lintel-support pieces only for 2x4
// lumber below size 400. Every other input stays.
void PutSection(MemberInputData& item, const SectionSize& section);

// "120×150", "φ150" or, with a size code, "204 (38×89)".
[[nodiscard]] std::string SectionText(const SectionSize& section);

} // namespace tarvo
