#pragma once
// One line of the printed calculation report: UTF-8 text with in-line markup
// that the page composer interprets.
//   "&"  as the first character: paragraph break (paragraph space before it)
//   "#0".."#5": the text after the tag starts at that tab stop
//   "@"  : the italic label "use " at the column behind the number column
//   "^c" : the one character c as a superscript
//   "#{N}", "#{-N}": the text after the tag starts (ends) N table columns
//         right of tab stop 0, a column being the width of the digit "0"
//   "#{=N}": a horizontal rule from tab stop 0 to column N
// The markup characters are ASCII, and UTF-8 never uses ASCII bytes inside a
// multi-byte character, so a byte search can never split a Japanese character.
#include <string>
#include <vector>

namespace tarvo {

using ReportLine = std::string;
using ReportLines = std::vector<ReportLine>;

} // namespace tarvo
