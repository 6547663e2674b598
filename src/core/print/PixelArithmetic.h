#pragma once
// The two conversions of page heights and positions to whole pixels. Both
// saturate at the int range: only absurd settings (paragraph spaces or font
// sizes of kilometres) get there, and they must not overflow.
#include <cmath>
#include <limits>

namespace tarvo {

// Toward zero.
inline int truncateToPixels(double value) {
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (std::isnan(value)) return 0;
    if (value >= kMax) return std::numeric_limits<int>::max();
    if (value <= kMin) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// Any fraction rounds away from zero (2.1 → 3, −2.1 → −3).
inline int roundUpToPixels(double value) {
    return truncateToPixels(value < 0 ? std::floor(value) : std::ceil(value));
}

} // namespace tarvo
