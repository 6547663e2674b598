#include "core/text/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tarvo {

bool appendShortestNumber(std::string& out, double value) {
    if (!std::isfinite(value)) return false;
    // The longest shortest form of a double ("-2.2250738585072014e-308") is 24 characters.
    std::array<char, 32> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (ec != std::errc()) return false;
    out.append(buffer.data(), end);
    return true;
}

std::string shortestNumberText(double value) {
    std::string text;
    appendShortestNumber(text, value);
    return text;
}

} // namespace tarvo
