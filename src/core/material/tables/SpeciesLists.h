#pragma once
// The six fixed species lists of the catalogue. Indices are 0-based
// and are the values stored in `KindOfWood` (and, for the glulam column, in
// `SelectGrade`[4]). All names are UTF-8; "　" is the full-width space.
#include <array>
#include <string_view>

namespace tarvo::material {

inline constexpr std::size_t kVisualGradeSpeciesCount = 10;
inline constexpr std::size_t kMachineGradeSpeciesCount = 10;
inline constexpr std::size_t kUngradedSpeciesCount = 21;
inline constexpr std::size_t kLaminaSpeciesCount = 36;
inline constexpr std::size_t kColumnSpeciesCount = 36;

// Sawn lumber, standard 0 (visual grade).
extern const std::array<std::string_view, kVisualGradeSpeciesCount> kVisualGradeSpecies;
// Sawn lumber, standard 1 (machine grade).
extern const std::array<std::string_view, kMachineGradeSpeciesCount> kMachineGradeSpecies;
// Sawn lumber, standard 2 (ungraded), and the sawn horizontal member.
extern const std::array<std::string_view, kUngradedSpeciesCount> kUngradedSpecies;
// Glulam and LVL laminae (column and horizontal member).
extern const std::array<std::string_view, kLaminaSpeciesCount> kLaminaSpecies;
// Glulam column: the names written into the description.
extern const std::array<std::string_view, kColumnSpeciesCount> kColumnSpecies;
// Glulam column: the entries of the grade list (two names in half-width katakana).
extern const std::array<std::string_view, kColumnSpeciesCount> kColumnSpeciesShort;

} // namespace tarvo::material
