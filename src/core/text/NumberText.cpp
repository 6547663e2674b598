#include "core/text/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace tarvo {
namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr std::uint64_t kIntegerPowersOfTen[] = {1ULL,
                                                 10ULL,
                                                 100ULL,
                                                 1000ULL,
                                                 10000ULL,
                                                 100000ULL,
                                                 1000000ULL,
                                                 10000000ULL,
                                                 100000000ULL,
                                                 1000000000ULL,
                                                 10000000000ULL,
                                                 100000000000ULL,
                                                 1000000000000ULL,
                                                 10000000000000ULL,
                                                 100000000000000ULL,
                                                 1000000000000000ULL};

// Scaled values below this are whole numbers whose neighbouring doubles lie
// far closer than half a unit, so the integer path is exact for them.
constexpr double kExactLimit = 1e15;

// The most decimals the shortest form looks for by the integer path; values
// with more (most computed ones) go to std::to_chars.
constexpr int kShortDecimals = 4;

int digitCount(std::uint64_t n) {
    int count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

// `whole` / 10^decimals with the point in place, after the sign, written
// from `first`; the end of the text. At most 1 + 20 + 1 + 15 characters.
char* writeScaled(char* first, bool negative, std::uint64_t whole, int decimals) {
    const std::uint64_t unit = kIntegerPowersOfTen[decimals];
    std::uint64_t integer = whole / unit;
    const int length = (negative ? 1 : 0) + digitCount(integer) + (decimals > 0 ? 1 + decimals : 0);
    char* const end = first + length;
    char* p = end;
    if (decimals > 0) {
        std::uint64_t fraction = whole % unit;
        for (int i = 0; i < decimals; ++i) {
            *--p = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        *--p = '.';
    }
    do {
        *--p = static_cast<char>('0' + integer % 10);
        integer /= 10;
    } while (integer != 0);
    if (negative) *--p = '-';
    return end;
}

void appendScaled(std::string& out, bool negative, std::uint64_t whole, int decimals) {
    std::array<char, 40> buffer; // written before it is read
    const char* end = writeScaled(buffer.data(), negative, whole, decimals);
    out.append(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

// The shortest form of a value that is the double nearest to a decimal of at
// most kShortDecimals places below kExactLimit: the first number of places
// whose decimal reads back as the value is the shortest round-trip text
// (another as short would lie farther than half an ulp away). Null when the
// value is none such, or when `fixedOnly` is false and the exponent form
// would be shorter.
char* writeShortDecimal(char* first, double value, bool fixedOnly) {
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    // A decimal of fewer places is a whole number of units of the last
    // place too: a value whose product with 10^kShortDecimals is far from a
    // whole number (a computed one) has no short decimal at all.
    if (const double top = magnitude * kPowersOfTen[kShortDecimals]; top < kExactLimit) {
        const auto units = static_cast<std::uint64_t>(top + 0.5); // NOLINT(bugprone-incorrect-roundings)
        if (std::fabs(top - static_cast<double>(units)) > top * 0x1p-50) return nullptr;
    }
    for (int decimals = 0; decimals <= kShortDecimals; ++decimals) {
        const double scaled = magnitude * kPowersOfTen[decimals];
        if (!(scaled < kExactLimit)) return nullptr;
        // The whole number nearest to the product (a tie needs no care: the
        // test below keeps only a number whose decimal reads back).
        const auto digits = static_cast<std::uint64_t>(scaled + 0.5); // NOLINT(bugprone-incorrect-roundings)
        // A decimal that reads back leaves the product within a few ulps of
        // its whole number; most computed values are far from one, and are
        // passed over without the division.
        if (std::fabs(scaled - static_cast<double>(digits)) > scaled * 0x1p-50) continue;
        if (static_cast<double>(digits) / kPowersOfTen[decimals] != magnitude) continue;
        // The fixed form is kept unless the exponent form ("1e+05",
        // "1.5e-05") is shorter, which std::to_chars then writes.
        std::uint64_t significant = digits;
        while (significant != 0 && significant % 10 == 0)
            significant /= 10;
        const int count = digitCount(digits);
        const int significantCount = digitCount(significant);
        const int fixedLength =
            decimals == 0 ? count : (magnitude >= 1.0 ? count + 1 : decimals + 2); // "0." and the places
        const int exponentLength = significantCount + (significantCount > 1 ? 1 : 0) + 4;
        if (!fixedOnly && digits != 0 && exponentLength < fixedLength) return nullptr;
        return writeScaled(first, negative, digits, decimals);
    }
    return nullptr;
}

} // namespace

bool appendRoundedFixed(std::string& out, double value, int precision) {
    if (!std::isfinite(value) || precision < 0 || precision >= static_cast<int>(std::size(kPowersOfTen))) return false;
    // The units roundHalfAway counts (the same products and comparison): its
    // quotient units / 10^precision lies within an ulp of the decimal, so the
    // fixed form of the rounded value is these units with the point in place.
    const double scaled = std::fabs(value) * kPowersOfTen[precision];
    if (!(scaled < kExactLimit)) return false;
    // Truncation is the floor of a positive value (and needs no library call).
    auto units = static_cast<double>(static_cast<std::uint64_t>(scaled));
    if (scaled - units >= 0.5) units += 1.0;
    if (!(units < kExactLimit)) return false;
    appendScaled(out, value < 0, static_cast<std::uint64_t>(units), precision);
    return true;
}

char* writeShortestNumber(char* first, double value) {
    if (!std::isfinite(value)) return nullptr;
    if (char* end = writeShortDecimal(first, value, false)) return end;
    const auto [end, ec] = std::to_chars(first, first + kShortestNumberMaxChars, value);
    return ec == std::errc() ? end : nullptr;
}

bool appendShortestNumber(std::string& out, double value) {
    std::array<char, kShortestNumberMaxChars> buffer; // written before it is read
    const char* end = writeShortestNumber(buffer.data(), value);
    if (end == nullptr) return false;
    out.append(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    return true;
}

std::string shortestNumberText(double value) {
    std::string text;
    appendShortestNumber(text, value);
    return text;
}

bool appendShortestFixed(std::string& out, double value) {
    if (!std::isfinite(value)) return false;
    std::array<char, 400> buffer; // the fixed form of the largest double fits; written before it is read
    char* end = writeShortDecimal(buffer.data(), value, true);
    if (end == nullptr) {
        const auto result =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
        if (result.ec != std::errc()) return false;
        end = result.ptr;
    }
    out.append(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    return true;
}

bool appendFixedNumber(std::string& out, double value, int precision) {
    if (!std::isfinite(value) || precision < 0 || precision > 20) return false;
    if (precision < static_cast<int>(std::size(kPowersOfTen))) {
        // A product below the limit that is a whole number lies within an
        // eighth of a unit of the exact one (its rounding error is half an
        // ulp of at most 2^-3), so that whole number is the exact decimal
        // rounded to the place.
        const double scaled = std::fabs(value) * kPowersOfTen[precision];
        if (scaled < kExactLimit && scaled == static_cast<double>(static_cast<std::uint64_t>(scaled))) {
            appendScaled(out, std::signbit(value), static_cast<std::uint64_t>(scaled), precision);
            return true;
        }
    }
    std::array<char, 400> buffer{}; // the fixed form of the largest double with 20 places fits
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, precision);
    if (ec != std::errc()) return false;
    out.append(buffer.data(), end);
    return true;
}

} // namespace tarvo
