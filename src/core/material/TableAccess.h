#pragma once
// Bounds-checked access to the fixed catalogue tables. Indices come from
// stored selections and may be any 32-bit value (a damaged project file), so
// every table access goes through here: an index outside the table yields no
// row instead of reading out of bounds.
#include <cstddef>
#include <cstdint>

namespace tarvo::material {

// The element at `index`, or nullptr when `index` is negative or too large.
template <class Container>
[[nodiscard]] const typename Container::value_type* rowAt(const Container& table, std::int64_t index) {
    if (index < 0 || static_cast<std::uint64_t>(index) >= static_cast<std::uint64_t>(table.size())) return nullptr;
    return &table[static_cast<std::size_t>(index)];
}

// The row of a table keyed by species-index ranges (rows with
// `firstSpecies` and `lastSpecies`) that covers species `k`, or nullptr.
template <class Table>
[[nodiscard]] const typename Table::value_type* rowForSpecies(const Table& table, std::int64_t k) {
    for (const auto& row : table)
        if (k >= row.firstSpecies && k <= row.lastSpecies) return &row;
    return nullptr;
}

} // namespace tarvo::material
