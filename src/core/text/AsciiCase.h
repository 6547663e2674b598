#pragma once
// ASCII letters in either case, for names that the program matches without
// regard to case (settings keys, CSV column names); other bytes, UTF-8
// included, are left as they are.
#include <string>
#include <string_view>

namespace tarvo {

[[nodiscard]] constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

[[nodiscard]] inline std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = asciiLower(c);
    return out;
}

} // namespace tarvo
