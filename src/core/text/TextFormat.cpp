#include "core/text/TextFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "core/text/NumberText.h"
#include "core/text/Rounding.h"

namespace tarvo {
namespace {

// One conversion of a format, e.g. "%-8.2f".
struct Conversion {
    std::string_view conversion; // the conversion as the format writes it, '%' to conversion character
    bool plain = true;           // no flags and no width: the value alone is written
    // Only a written width, no flags: the value right-aligned in `width` blanks.
    bool widthOnly = false;
    int width = -1;
    char length = 0;    // 'H' hh, 'h', 'l', 'L' ll or long double, 'z', 'j', 't', or 0
    char type = 0;      // conversion character
    int precision = -1; // -1: none given
    // The values of '*' widths and precisions, in their order.
    std::array<int, 2> stars{};
    int starCount = 0;

    // The conversion for printf, the '*' replaced by their values; made only
    // where printf writes the value.
    [[nodiscard]] std::string pattern() const {
        std::string text;
        int star = 0;
        for (const char ch : conversion) {
            if (ch == '*' && star < starCount) {
                text += std::to_string(stars[static_cast<std::size_t>(star++)]);
            } else {
                text.push_back(ch);
            }
        }
        return text;
    }
};

// Appends the conversion, written by printf, with one value.
template <typename T> void appendOne(std::string& out, const Conversion& c, T value) {
    const std::string pattern = c.pattern();
    std::array<char, 128> small{};
    const int needed = std::snprintf(small.data(), small.size(), pattern.c_str(), value);
    if (needed < 0) return;
    if (static_cast<std::size_t>(needed) < small.size()) {
        out.append(small.data(), static_cast<std::size_t>(needed));
        return;
    }
    std::string big(static_cast<std::size_t>(needed) + 1, '\0');
    std::snprintf(big.data(), big.size(), pattern.c_str(), value);
    out.append(big.data(), static_cast<std::size_t>(needed));
}

bool isFlag(char ch) {
    return ch == '-' || ch == '+' || ch == ' ' || ch == '#' || ch == '0';
}

// Reads one conversion starting at format[pos] == '%'; '*' widths and
// precisions are taken from the arguments.
Conversion parseConversion(const char* format, std::size_t& pos, std::va_list& args) {
    Conversion c;
    const std::size_t begin = pos++;
    while (isFlag(format[pos])) {
        ++pos;
        c.plain = false;
    }
    auto number = [&](int& target) {
        if (format[pos] == '*') {
            target = va_arg(args, int);
            if (c.starCount < static_cast<int>(c.stars.size()))
                c.stars[static_cast<std::size_t>(c.starCount++)] = target;
            ++pos;
            return;
        }
        int value = 0;
        bool any = false;
        while (format[pos] >= '0' && format[pos] <= '9') {
            value = value * 10 + (format[pos++] - '0');
            any = true;
        }
        if (any) target = value;
    };
    const bool flags = !c.plain;
    const bool starWidth = format[pos] == '*';
    int width = -1;
    number(width);
    // A width from the arguments pads even when negative (printf then aligns left).
    if (width >= 0 || starWidth) c.plain = false;
    c.widthOnly = !flags && !starWidth && width > 0;
    c.width = width;
    if (format[pos] == '.') {
        ++pos;
        c.precision = 0;
        number(c.precision);
        if (c.precision < 0) c.precision = -1; // a negative '*' precision means none
    }
    if (format[pos] == 'h' || format[pos] == 'l') {
        const char first = format[pos++];
        c.length = first;
        if (format[pos] == first) {
            ++pos;
            c.length = first == 'h' ? 'H' : 'L';
        }
    } else if (format[pos] == 'z' || format[pos] == 'j' || format[pos] == 't' || format[pos] == 'L') {
        c.length = format[pos++];
    }
    if (format[pos] != '\0') c.type = format[pos++];
    c.conversion = std::string_view(format + begin, pos - begin);
    return c;
}

// `text` right-aligned in the conversion's width.
void appendAligned(std::string& out, const Conversion& c, std::string_view text) {
    if (static_cast<int>(text.size()) < c.width) out.append(static_cast<std::size_t>(c.width) - text.size(), ' ');
    out.append(text);
}

// Fixed-point text of a value already rounded to `precision` places; the
// common case of a report number, written without printf.
void appendFixed(std::string& out, const Conversion& c, double value) {
    const int precision = c.precision < 0 ? 6 : c.precision;
    if ((c.plain || (c.widthOnly && std::isfinite(value))) && precision <= 20) {
        std::array<char, 400> buffer{};
        const auto [end, ec] =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, precision);
        if (ec == std::errc()) {
            appendAligned(out, c, std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
            return;
        }
    }
    appendOne(out, c, value);
}

// The length modifiers name types that coincide on some platforms only, so
// the branches stay apart.
void appendSigned(std::string& out, const Conversion& c, std::va_list& args) {
    // NOLINTBEGIN(bugprone-branch-clone)
    switch (c.length) {
    case 'l': appendOne(out, c, va_arg(args, long)); break;
    case 'L': appendOne(out, c, va_arg(args, long long)); break;
    case 'z': appendOne(out, c, va_arg(args, std::ptrdiff_t)); break;
    case 'j': appendOne(out, c, va_arg(args, std::intmax_t)); break;
    case 't': appendOne(out, c, va_arg(args, std::ptrdiff_t)); break;
    default: {
        const int value = va_arg(args, int);
        if ((c.plain || c.widthOnly) && c.precision < 0 && c.length == 0) {
            std::array<char, 16> buffer{};
            const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
            appendAligned(out, c, std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
        } else {
            appendOne(out, c, value);
        }
        break;
    }
    }
    // NOLINTEND(bugprone-branch-clone)
}

void appendUnsigned(std::string& out, const Conversion& c, std::va_list& args) {
    // NOLINTBEGIN(bugprone-branch-clone)
    switch (c.length) {
    case 'l': appendOne(out, c, va_arg(args, unsigned long)); break;
    case 'L': appendOne(out, c, va_arg(args, unsigned long long)); break;
    case 'z': appendOne(out, c, va_arg(args, std::size_t)); break;
    case 'j': appendOne(out, c, va_arg(args, std::uintmax_t)); break;
    case 't': appendOne(out, c, va_arg(args, std::size_t)); break;
    default: appendOne(out, c, va_arg(args, unsigned)); break;
    }
    // NOLINTEND(bugprone-branch-clone)
}

// The whole of appendFormatV; a fixed-point number wider than
// `maxFixedWidth` characters (0: any width) is written compactly.
void appendWith(int maxFixedWidth, std::string& out, const char* format, std::va_list args) {
    if (format == nullptr) return;
    std::va_list ap;
    va_copy(ap, args);
    const std::size_t length = std::strlen(format);
    std::size_t pos = 0;
    while (pos < length) {
        // Literal text up to the next conversion goes in one piece.
        const char* percent = static_cast<const char*>(std::memchr(format + pos, '%', length - pos));
        const std::size_t next = percent == nullptr ? length : static_cast<std::size_t>(percent - format);
        out.append(format + pos, next - pos);
        pos = next;
        if (pos >= length) break;
        if (format[pos + 1] == '%') {
            out.push_back('%');
            pos += 2;
            continue;
        }
        const Conversion c = parseConversion(format, pos, ap);
        switch (c.type) {
        case 'd':
        case 'i': appendSigned(out, c, ap); break;
        case 'u':
        case 'o':
        case 'x':
        case 'X': appendUnsigned(out, c, ap); break;
        case 'c': appendOne(out, c, va_arg(ap, int)); break;
        case 's': {
            const char* text = va_arg(ap, const char*);
            if (c.plain && c.precision < 0 && text != nullptr) {
                out += text;
            } else {
                appendOne(out, c, text);
            }
            break;
        }
        case 'p': appendOne(out, c, va_arg(ap, void*)); break;
        case 'f':
        case 'F': {
            // Fixed-point output rounds its last digit with halves away from
            // zero, like every other rounding of the program (printf alone
            // would round 110.25 to "110.2").
            if (c.length == 'L') {
                appendOne(out, c, va_arg(ap, long double));
                break;
            }
            const double value = va_arg(ap, double);
            const std::size_t start = out.size();
            const int precision = c.precision < 0 ? 6 : c.precision;
            if ((c.plain || c.widthOnly) && appendRoundedFixed(out, value, precision)) {
                const std::size_t written = out.size() - start;
                if (c.widthOnly && written < static_cast<std::size_t>(c.width))
                    out.insert(start, static_cast<std::size_t>(c.width) - written, ' ');
            } else {
                appendFixed(out, c, roundHalfAway(value, precision));
            }
            if (maxFixedWidth > 0 && c.plain && out.size() - start > static_cast<std::size_t>(maxFixedWidth)) {
                out.resize(start);
                out += compactNumber(value, maxFixedWidth);
            }
            break;
        }
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A':
            if (c.length == 'L') {
                appendOne(out, c, va_arg(ap, long double));
            } else {
                appendOne(out, c, va_arg(ap, double));
            }
            break;
        default:
            // An unknown or cut-off conversion is copied as it stands.
            out += c.pattern();
            break;
        }
    }
    va_end(ap);
}

} // namespace

std::string formatTextV(const char* format, std::va_list args) {
    std::string out;
    if (format == nullptr) return out;
    out.reserve(std::strlen(format) + 32);
    appendWith(0, out, format, args);
    return out;
}

void appendFormatV(std::string& out, const char* format, std::va_list args) {
    appendWith(0, out, format, args);
}

std::string formatReportText(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string out;
    // Room for the line with its numbers, so that it is not grown piece by piece.
    out.reserve(std::strlen(format) + 64);
    appendWith(kReportNumberWidth, out, format, args);
    va_end(args);
    return out;
}

void appendReportFormat(std::string& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    appendWith(kReportNumberWidth, out, format, args);
    va_end(args);
}

std::string compactNumber(double value, int width) {
    std::string text;
    for (int decimals = 3; decimals >= 0; --decimals) {
        std::array<char, 64> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%.*e", decimals, value);
        // "1.182e+09" is written "1.182e9", "2.5e-07" "2.5e-7".
        std::string raw(buffer.data());
        const std::size_t e = raw.find('e');
        if (e == std::string::npos) return raw;
        std::string exponent = raw.substr(e + 1);
        const bool negative = !exponent.empty() && exponent.front() == '-';
        if (!exponent.empty() && (exponent.front() == '+' || negative)) exponent.erase(0, 1);
        while (exponent.size() > 1 && exponent.front() == '0')
            exponent.erase(0, 1);
        text = raw.substr(0, e) + "e" + (negative ? "-" : "") + exponent;
        if (static_cast<int>(text.size()) <= width) break;
    }
    return text;
}

std::string formatText(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string out = formatTextV(format, args);
    va_end(args);
    return out;
}

void appendFormat(std::string& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    appendFormatV(out, format, args);
    va_end(args);
}

std::string shortestDecimal(double value) {
    std::string text;
    if (!appendShortestFixed(text, value)) {
        // Infinite or NaN: std::to_chars's own text ("inf", "nan").
        std::array<char, 8> buffer{};
        const auto [end, ec] =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
        if (ec == std::errc()) text.assign(buffer.data(), end);
    }
    return text;
}

} // namespace tarvo
