#pragma once
// The LaTeX text of one column item: its section and material, section
// properties, base strengths, wind data and a tabbing block with the check of
// every load case, as one "\item" of the report's enumerate list.
#include <string>

namespace tarvo {

class ColumnCheck;
class ColumnMember;
struct ItemPresentation;

// Checks `item` with `check`. When the check returns a code other than 0,
// `text` is left alone and false is returned; otherwise `text` becomes the
// item's LaTeX text (UTF-8) and true is returned.
bool buildLatexItemText(const ColumnMember& item, const ColumnCheck& check, std::string& text);
// The text of a computable item that is presented already.
std::string buildLatexItemText(const ItemPresentation& presentation);

} // namespace tarvo
