#pragma once
// The five load cases, always in this order; every per-case array has five
// entries in it.
#include <array>
#include <string_view>

namespace tarvo {

inline constexpr int kLoadCaseCount = 5;
inline constexpr int kWindLoadCase = 3; // the only case with wind bending

inline constexpr std::array<std::string_view, kLoadCaseCount> kLoadCaseNames{"常　時", "長期積雪時", "短期積雪時",
                                                                             "風荷重時", "地震荷重時"};

template <typename T> using PerLoadCase = std::array<T, kLoadCaseCount>;

} // namespace tarvo
