#pragma once
// Numbers as text that reads back exactly: the fewest decimal digits that
// give the same double again ("0.1", "1.365", "2800", "1e+300"). Machine
// readable outputs (JSON, CSV) use it, so a value written and read again is
// the value that was written, bit for bit. Exponents are written where they
// are shorter ("1e-07"); `shortestDecimal` (TextFormat.h) is the fixed-point
// form the reports print.
#include <string>

namespace tarvo {

// Appends the shortest round-trip text of `value`; false (nothing appended)
// for an infinite or NaN value.
bool appendShortestNumber(std::string& out, double value);

// The shortest round-trip text of `value`; empty for an infinite or NaN value.
[[nodiscard]] std::string shortestNumberText(double value);

} // namespace tarvo
