#include "core/text/TextFormat.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace tarvo {

std::string formatTextV(const char* format, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    std::array<char, 256> small{};
    const int needed = std::vsnprintf(small.data(), small.size(), format, copy);
    va_end(copy);
    if (needed < 0) return {};
    if (static_cast<std::size_t>(needed) < small.size()) return std::string(small.data(), static_cast<std::size_t>(needed));
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<std::size_t>(needed));
    return out;
}

std::string formatText(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string out = formatTextV(format, args);
    va_end(args);
    return out;
}

std::string shortestDecimal(double value) {
    std::array<char, 400> buffer{}; // fixed notation of the largest double fits
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    return std::string(buffer.data(), end);
}

} // namespace tarvo
