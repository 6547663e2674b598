#pragma once
// Rounding used everywhere a value is rounded: halves go away from zero.

namespace tarvo {

// Rounds x to `decimals` decimal places: the fraction of |x|·10^decimals is
// compared with 0.5 and the sign is restored afterwards.
double roundHalfAway(double x, int decimals = 0);

// One decimal place; the end-position reduction of bearing strengths uses it.
inline double round1(double x) {
    return roundHalfAway(x, 1);
}

// Whole number as an integer (millimetres or points to device pixels).
long long roundToInteger(double x);

} // namespace tarvo
