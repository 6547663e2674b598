#pragma once
// The product branches of MatDataBase::lookupStrength (internal to the
// material catalogue). Each branch fills a MatData that starts zeroed and
// with empty texts; the use-environment factor is applied afterwards by the
// dispatcher. An index outside a table fills none of that table's values.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/material/MatData.h"
#include "core/material/MatInputData.h"

namespace tarvo::material {

// Full-width (ideographic) space U+3000 used inside descriptions.
inline constexpr std::string_view kFullWidthSpace = "　";

// Product kind 0: structural sawn lumber (visual grade, machine grade, ungraded).
void lookupSawnLumber(const MatInputData& selection, MatData& out);
// Product kind 1: 2x4 dimension lumber (JAS, US, Canada; MSR).
void lookupDimensionLumber(const MatInputData& selection, int sizeCode, MatData& out);
// Product kind 2: structural glulam.
void lookupGlulam(const MatInputData& selection, MatData& out);
// Product kind 3: structural LVL.
void lookupLvl(const MatInputData& selection, MatData& out);
// Product kind 4: decorative-faced glulam column.
void lookupGlulamColumn(const MatInputData& selection, MatData& out);

// Species (or other) name at `index` of `list`, or empty when the index is
// outside it: texts are built as far as the index allows.
template <class List> [[nodiscard]] std::string_view nameAt(const List& list, std::int64_t index) {
    if (index < 0 || static_cast<std::uint64_t>(index) >= static_cast<std::uint64_t>(list.size())) return {};
    return list[static_cast<std::size_t>(index)];
}

// Sets Fcv (and, when `withShear`, Fsx and Fsy) from the lamina-species table
// for lamina species `k`, then applies the end-position factor of the species
// (0.8 when `k` is outside the table) with round1 when `UseEndPosFcv` is set.
// Used by glulam (with shear) and LVL (Fcv only).
void applyLaminaSpecies(const MatInputData& selection, std::int32_t k, bool withShear, MatData& out);

// The copies made by tables whose bending and shear do not depend on the
// direction: FbxNeg = Fby = Fbx and Fsy = Fsx.
inline void copyIsotropicBendingShear(MatData& out) {
    out.FbxNeg = out.Fbx;
    out.Fby = out.Fbx;
    out.Fsy = out.Fsx;
}

} // namespace tarvo::material
