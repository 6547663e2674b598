#pragma once
// Text cells that a spreadsheet would read as a formula: a cell beginning
// with "=", "+", "-", "@", a tab or a carriage return (a name such as
// "=CMD|' /C calc'!A0"). A leading apostrophe makes a spreadsheet show the
// rest as text.
//
// The results file is for people and spreadsheets: every such cell gets the
// apostrophe. The item file is the exchange format and keeps names as they
// are; only a name that already begins with apostrophes before such a
// character gets one more, so that reading the file back, which takes one
// guarding apostrophe away, gives every name exactly.
#include <string>
#include <string_view>

namespace tarvo {

// Whether `cell`, after any apostrophes it begins with, begins with a
// character that starts a formula.
bool startsLikeFormula(std::string_view cell);

// The results file's form: an apostrophe before a cell that starts like a formula.
std::string guardedResultCell(std::string_view cell);
// The item file's form: an apostrophe before a cell that begins with
// apostrophes before a formula character, else the cell as it is.
std::string guardedItemCell(std::string_view cell);
// The text of a cell read from an item file: one apostrophe fewer when it
// begins with an apostrophe that guards a formula character.
std::string_view unguardedItemCell(std::string_view cell);

} // namespace tarvo
