// 2x4 size codes and dimensions (`sizeToDims`, `dimsToSize`).
#include "core/material/DimensionLumberSize.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "core/material/tables/DimensionLumberTables.h"

namespace tarvo {
namespace {

struct DigitsFor {
    double mm;
    int digits;
};

// Thickness → first digit, width → last two digits.
constexpr std::array<DigitsFor, 4> kThicknessDigit{{{19, 1}, {38, 2}, {89, 4}, {140, 6}}};
constexpr std::array<DigitsFor, 8> kWidthDigits{
    {{64, 3}, {89, 4}, {140, 6}, {184, 8}, {235, 10}, {286, 12}, {336, 14}, {387, 16}}};

template <std::size_t N> int digitsOf(const std::array<DigitsFor, N>& table, double mm) {
    for (const DigitsFor& entry : table)
        if (entry.mm == mm) return entry.digits;
    return 0;
}

} // namespace

bool sizeToDims(std::string_view text, double& b, double& D) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    std::int64_t code = 0;
    const auto [end, error] = std::from_chars(first, last, code);
    if (error != std::errc{} || end != last) return false;
    return sizeCodeToDims(code, b, D);
}

bool sizeCodeToDims(std::int64_t code, double& b, double& D) {
    for (const material::SizeCode& entry : material::kSizeCodeTable)
        if (entry.code == code) {
            b = entry.b;
            D = entry.D;
            return true;
        }
    return false;
}

int dimsToSize(double b, double D) {
    const int first = digitsOf(kThicknessDigit, b);
    const int last = digitsOf(kWidthDigits, D);
    if (first == 0 || last == 0) return 0;
    return first * 100 + last;
}

} // namespace tarvo
