#pragma once
// The bytes of the UTF-8 character that starts at `at`, as its lead byte
// announces them and at most up to the end of the text; a stray
// continuation byte counts as one.
#include <algorithm>
#include <cstddef>
#include <string_view>

namespace tarvo {

[[nodiscard]] inline std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return std::min(length, text.size() - at);
}

} // namespace tarvo
