#pragma once
// Size codes offered by the size list of the column page, in
// the order of the list.
#include <array>
#include <string_view>

namespace tarvo::material {

// Free-size entry, first for every product other than 2x4.
inline constexpr std::string_view kFreeSizeEntry = "任意";

// 2x4, JAS end-jointed lumber (standard 0, no MSR, grade 7).
extern const std::array<int, 8> kEndJointedSizeCodes;
// 2x4, every other grade, standard or MSR.
extern const std::array<int, 11> kDimensionSizeCodes;
// Glulam (after "任意").
extern const std::array<int, 9> kGlulamSizeCodes;

// The end-jointed grade index of the JAS 2x4 table and its spelling in the
// grade list ("タテ継ぎ材"; the table's description text is "たて継ぎ材").
inline constexpr int kJasEndJointedGrade = 7;
inline constexpr std::string_view kJasEndJointedListEntry = "タテ継ぎ材";

} // namespace tarvo::material
