#include "core/report/ReportTable.h"

#include <algorithm>

#include "core/text/TextFormat.h"
#include "core/text/Utf8Length.h"

namespace tarvo {
namespace {

// Widths in tenths of a column. The proportional body fonts set a
// full-width character about 1.7 times as wide as the digit "0"; the caret
// of a superscript ("m^2") takes no room of its own.
int tenthsOf(std::string_view character) {
    if (character == "^") return 0;
    return character.size() == 1 ? 10 : 17;
}

// Characters that never begin a line (they hang at the end of the one before).
bool hangs(std::string_view character) {
    for (const std::string_view mark : {"。", "、", "）", "」", ")", ",", "."})
        if (character == mark) return true;
    return false;
}

} // namespace

// Where a piece may end: after a blank or a comma.
bool breaksAfter(std::string_view character) {
    return character == " " || character == "　" || character == "、" || character == ",";
}

std::vector<std::string> WrapColumns(std::string_view text, int width) {
    std::vector<std::string> pieces(1);
    const int limit = width * 10;
    int used = 0;
    // The last place in the current piece where it may end, and the width
    // of the piece up to there.
    std::size_t breakAt = std::string::npos;
    int usedAtBreak = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8Length(text, at);
        const std::string_view character = text.substr(at, length);
        const int columns = tenthsOf(character);
        if (used > 0 && used + columns > limit && !hangs(character)) {
            // Words and numbers stay whole where the piece has a break in
            // its second half; otherwise the piece is cut here.
            std::string rest;
            if (breakAt != std::string::npos && usedAtBreak * 2 >= limit) {
                rest = pieces.back().substr(breakAt);
                pieces.back().erase(breakAt);
                used -= usedAtBreak;
            } else {
                used = 0;
            }
            pieces.push_back(std::move(rest));
            breakAt = std::string::npos;
        }
        pieces.back() += character;
        used += columns;
        if (breaksAfter(character)) {
            breakAt = pieces.back().size();
            usedAtBreak = used;
        }
        at += length;
    }
    return pieces;
}

ReportLines TableRowLines(const std::vector<TableCell>& cells) {
    std::vector<std::vector<std::string>> wrapped;
    std::size_t lineCount = 1;
    for (const TableCell& cell : cells) {
        wrapped.push_back(WrapColumns(cell.text, std::max(cell.width, 1)));
        lineCount = std::max(lineCount, wrapped.back().size());
    }
    ReportLines lines(lineCount);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const TableCell& cell = cells[c];
        for (std::size_t i = 0; i < wrapped[c].size(); ++i) {
            if (wrapped[c][i].empty()) continue;
            const char* tag = cell.align == CellAlign::Right ? "#{-%d}" : "#{%d}";
            appendFormat(lines[i], tag, cell.column);
            lines[i] += wrapped[c][i];
        }
    }
    return lines;
}

ReportLine TableRule(int right) {
    return formatText("#{=%d}", right);
}

} // namespace tarvo
