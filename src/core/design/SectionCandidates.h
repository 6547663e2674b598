#pragma once
// The sections the section design tries for an item, in the order it tries
// them: ascending area, then ascending larger side.
#include <vector>

#include "core/design/SectionSize.h"
#include "core/project/ColumnMember.h"

namespace tarvo {

class MatDataBase;

struct DesignOptions {
    // Rectangular sections: every pair b ≦ D ≦ 3b of the market sides
    // instead of the square sections alone.
    bool AllPairs = false;
};

// By the item's product and shape: round sections the diameters of 90 to
// 450 mm; 2x4 lumber, and glulam chosen by a size code, the codes the size
// list offers for the item's material; sawn lumber and the glulam column
// the market sides to 300 mm; free-size glulam and LVL those to 600 mm. A
// size the material's own range refuses (the glulam column beyond 135 mm)
// is tried and skipped by the design, as the check refuses it. Empty for a
// product the catalogue does not know.
[[nodiscard]] std::vector<SectionSize> SectionCandidates(const MemberInputData& item, const MatDataBase& catalogue,
                                                         const DesignOptions& options);

} // namespace tarvo
