#include "core/text/FormulaGuard.h"

namespace tarvo {
namespace {

constexpr char kGuard = '\'';

bool formulaCharacter(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

bool guardedFormula(std::string_view cell) {
    return !cell.empty() && cell.front() == kGuard && startsLikeFormula(cell);
}

} // namespace

bool startsLikeFormula(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(kGuard);
    return first != std::string_view::npos && formulaCharacter(cell[first]);
}

std::string guardedResultCell(std::string_view cell) {
    std::string out;
    if (startsLikeFormula(cell)) out.push_back(kGuard);
    out.append(cell);
    return out;
}

std::string guardedItemCell(std::string_view cell) {
    std::string out;
    if (guardedFormula(cell)) out.push_back(kGuard);
    out.append(cell);
    return out;
}

std::string_view unguardedItemCell(std::string_view cell) {
    return guardedFormula(cell) ? cell.substr(1) : cell;
}

} // namespace tarvo
