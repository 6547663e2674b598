#pragma once
// Text for pLaTeX. pLaTeX reading Shift-JIS sets only the characters of JIS
// X 0208 (ASCII plus the two-byte rows 1-8 and the two kanji levels); the
// other characters of code page 932 (half-width katakana, circled digits,
// Roman numerals, unit symbols, the IBM kanji) are dropped, garble the text
// or swallow the next byte and end the compile with an error. These helpers
// turn any text into one pLaTeX sets safely.
#include <string>
#include <string_view>

namespace tarvo {

// Stand-in for a character that has no JIS X 0208 form ("〓", the geta mark
// Japanese typesetting uses for a missing character).
inline constexpr std::string_view kLatexMissingCharacter = "〓";

// Replaces every character of `utf8` that pLaTeX cannot set: half-width
// katakana by their full-width forms (a following voiced or semi-voiced mark
// joins the kana), "①" by "(1)", "Ⅱ" by "II", unit symbols by their letters,
// "¥" by "￥", control characters by a blank and anything else without a JIS
// X 0208 form (or broken UTF-8) by the stand-in. LaTeX markup is kept.
std::string toPlatexCharacters(std::string_view utf8);

// The same, then code page 932 bytes: the text a pLaTeX document holds.
std::string toPlatexCp932(std::string_view utf8);

// A user's text (an item name) as LaTeX text: the characters as above, and
// the TeX special characters # $ % & _ { } ~ ^ \ escaped, so that the text
// can neither break the document nor insert commands into it. "<", ">" and
// "|", which the default text font lacks, are set in math mode.
std::string escapeLatexText(std::string_view utf8);

} // namespace tarvo
