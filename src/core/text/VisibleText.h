#pragma once
// Text for a terminal: control characters a name may hold (ESC sequences,
// BEL, a carriage return) are shown as symbols instead of acting on the
// terminal. The stored text stays as it is; only what is printed changes.
#include <string>
#include <string_view>

namespace tarvo {

// `utf8` with each C0 control and DEL as its control picture ("␛" for ESC,
// U+2400 + code) and each C1 control as "<U+0085>". Other text, broken
// UTF-8 included, is copied as it is.
std::string visibleText(std::string_view utf8);
// The same, appended to `out`.
void appendVisibleText(std::string& out, std::string_view utf8);

} // namespace tarvo
