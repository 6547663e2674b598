#pragma once
// The LaTeX text of one column item: its section and material, section
// properties, base strengths, wind data and a tabbing block with the check of
// every load case, as one "\item" of the report's enumerate list.
#include <string>

namespace tarvo {

class ColumnCheck;
class ColumnMember;

// Checks `item` afresh with `check`. When the check returns a code other
// than 0, `text` is left alone and false is returned; otherwise `text`
// becomes the item's LaTeX text (UTF-8) and true is returned.
bool buildLatexItemText(ColumnMember& item, ColumnCheck& check, std::string& text);

} // namespace tarvo
