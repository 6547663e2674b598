#include "core/text/Rounding.h"

#include <cmath>

namespace tarvo {

double roundHalfAway(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::fabs(x) * scale;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5) whole += 1.0;
    const double magnitude = whole / scale;
    return x < 0 ? -magnitude : magnitude;
}

long long roundToInteger(double x) { return static_cast<long long>(roundHalfAway(x, 0)); }

} // namespace tarvo
