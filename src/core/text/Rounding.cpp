#include "core/text/Rounding.h"

#include <cmath>
#include <iterator>

namespace tarvo {

namespace {

// Powers of ten for the usual decimal places, without calling pow.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

double powerOfTen(int decimals) {
    if (decimals >= 0 && decimals < static_cast<int>(std::size(kPowersOfTen))) return kPowersOfTen[decimals];
    return std::pow(10.0, decimals);
}

} // namespace

double roundHalfAway(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    const double scale = powerOfTen(decimals);
    const double scaled = std::fabs(x) * scale;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5) whole += 1.0;
    const double magnitude = whole / scale;
    return x < 0 ? -magnitude : magnitude;
}

long long roundToInteger(double x) {
    return static_cast<long long>(roundHalfAway(x, 0));
}

} // namespace tarvo
