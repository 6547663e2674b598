#pragma once
// Conversion between UTF-8 (the program's inner text) and Shift-JIS in its
// Windows variant, code page 932, which every stored file of the program uses.
//
// Both directions never throw and always return the text they could convert.
// A problem (a byte that is not CP932, a lead byte cut off at the end, a
// character CP932 cannot hold, broken UTF-8) is reported through `ok` and the
// byte offset of the first problem in the input; the problem is replaced by a
// stand-in so that the rest of the text survives.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

struct TextConversion {
    std::string text;            // converted text, stand-ins in place of problems
    bool ok = true;              // false when at least one problem was met
    std::size_t errorOffset = 0; // input offset of the first problem (when !ok)
};

// Stand-ins used for what cannot be converted.
inline constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD"; // U+FFFD
inline constexpr char kCp932Replacement = '?';

TextConversion cp932ToUtf8(std::string_view cp932);
TextConversion utf8ToCp932(std::string_view utf8);

// Convenience forms for callers that only want the text.
std::string toUtf8(std::string_view cp932);
std::string toCp932(std::string_view utf8);

} // namespace tarvo
