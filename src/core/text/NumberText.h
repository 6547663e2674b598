#pragma once
// Numbers as text that reads back exactly: the fewest decimal digits that
// give the same double again ("0.1", "1.365", "2800", "1e+300"). Machine
// readable outputs (JSON, CSV) use it, so a value written and read again is
// the value that was written, bit for bit. Exponents are written where they
// are shorter ("1e-07"); `shortestDecimal` (TextFormat.h) is the fixed-point
// form the reports print.
//
// Both forms give exactly the text of std::to_chars; the common values (a
// few decimals, below 10^15) are written by a short integer path, the rest
// by std::to_chars itself.
#include <cstddef>
#include <string>

namespace tarvo {

// The longest shortest form of a double ("-2.2250738585072014e-308") is 24
// characters; writeShortestNumber needs room for this many.
inline constexpr std::size_t kShortestNumberMaxChars = 32;

// Writes the shortest round-trip text of `value` from `first` and returns
// its end; nullptr (nothing written) for an infinite or NaN value.
char* writeShortestNumber(char* first, double value);

// Appends the shortest round-trip text of `value`; false (nothing appended)
// for an infinite or NaN value.
bool appendShortestNumber(std::string& out, double value);

// The shortest round-trip text of `value`; empty for an infinite or NaN value.
[[nodiscard]] std::string shortestNumberText(double value);

// Appends the shortest round-trip text of `value` in fixed-point form
// ("0.7", "1.43", "12000", "-0"), as std::to_chars with
// std::chars_format::fixed writes it; false (nothing appended) for an
// infinite or NaN value.
bool appendShortestFixed(std::string& out, double value);

// Appends `value` in fixed-point form with `precision` decimals (0 to 20),
// the exact decimal value of the double rounded to that place with halves to
// even, as std::to_chars with std::chars_format::fixed writes it ("-0.00"
// for negative zero). False (nothing appended) for an infinite or NaN value
// or a precision outside 0 to 20.
bool appendFixedNumber(std::string& out, double value, int precision);

// Appends the text of appendFixedNumber(roundHalfAway(value, precision),
// precision) for a finite value whose rounded units stay below 10^15 and a
// precision of 0 to 15, without forming the rounded double; false (nothing
// appended) otherwise. A negative value that rounds to zero keeps its sign
// ("-0.00"), as the rounded negative zero does; negative zero itself rounds
// to plain zero.
bool appendRoundedFixed(std::string& out, double value, int precision);

} // namespace tarvo
