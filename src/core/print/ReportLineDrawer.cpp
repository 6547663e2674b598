#include "core/print/ReportLineDrawer.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "core/print/ReportCanvas.h"
#include "core/text/Utf8Length.h"

namespace tarvo {
namespace {

enum class Place { Stop, Column, ColumnEnd, Rule };

struct Segment {
    Place place = Place::Stop;
    int at = 0; // the tab stop, or the table column
    std::string_view text;
};

bool isTabTag(std::string_view line, std::size_t at) {
    return line[at] == '#' && at + 1 < line.size() && line[at + 1] >= '0' && line[at + 1] <= '5';
}

// A column tag "#{N}", "#{-N}" or "#{=N}" at `at`: its length (0 when there
// is none) with its place and column.
std::size_t columnTag(std::string_view line, std::size_t at, Place& place, int& column) {
    if (line.compare(at, 2, "#{") != 0) return 0;
    std::size_t i = at + 2;
    place = Place::Column;
    if (i < line.size() && (line[i] == '-' || line[i] == '=')) {
        place = line[i] == '-' ? Place::ColumnEnd : Place::Rule;
        ++i;
    }
    const std::size_t digits = i;
    column = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && i - digits < 4) {
        column = column * 10 + (line[i] - '0');
        ++i;
    }
    if (i == digits || i >= line.size() || line[i] != '}') return 0;
    return i + 1 - at;
}

// The text before the first tag is segment 0 at stop 0; the text after each
// tag up to the next tag is a segment at the tag's place.
std::vector<Segment> splitSegments(std::string_view line) {
    std::vector<Segment> segments;
    Segment current;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        Place place = Place::Stop;
        int at = 0;
        std::size_t length = 0;
        if (isTabTag(line, i)) {
            at = line[i + 1] - '0';
            length = 2;
        } else {
            length = columnTag(line, i, place, at);
        }
        if (length == 0) continue;
        current.text = line.substr(start, i - start);
        segments.push_back(current);
        current.place = place;
        current.at = at;
        start = i + length;
        i += length - 1;
    }
    current.text = line.substr(start);
    segments.push_back(current);
    return segments;
}

} // namespace

int ReportLineDrawer::draw(std::string_view line, int y) {
    if (line.empty()) return 0;
    bool drawn = false;
    int right = 0;
    const auto mark = [&](int end) {
        right = drawn ? std::max(right, end) : end;
        drawn = true;
    };
    for (const Segment& segment : splitSegments(line)) {
        const int column = stops_.x[0] + segment.at * stops_.column;
        if (segment.place == Place::Rule) {
            const int thickness = std::max(1, heightPx_ / 16);
            const int middle = y + heightPx_ / 2;
            canvas_.fillRect({stops_.x[0], middle, column, middle + thickness});
            mark(column);
        }
        if (segment.text.empty()) continue;
        int x = stops_.x[static_cast<std::size_t>(std::clamp(segment.at, 0, 5))];
        if (segment.place == Place::Column || segment.place == Place::Rule) x = column;
        if (segment.place == Place::ColumnEnd) x = column - canvas_.textWidth(segment.text);
        mark(drawSegment(segment.text, x, y));
    }
    return drawn ? right - stops_.x[0] : 0;
}

int ReportLineDrawer::drawSegment(std::string_view text, int x, int y) {
    int end = x;
    if (const auto at = text.find('@'); at != std::string_view::npos) {
        const auto before = text.substr(0, at);
        if (!before.empty()) {
            canvas_.drawText(x, y, before);
            end = x + canvas_.textWidth(before);
        }
        canvas_.setFont(body_.name, heightPx_, kItalicStyle);
        canvas_.drawText(stops_.labelX, y, "use ");
        const int labelWidth = canvas_.textWidth("use ");
        // Back to the body font's own style (regular for the usual body font).
        canvas_.setFont(body_.name, heightPx_, body_.style);
        x = stops_.labelX + labelWidth;
        end = std::max(end, x);
        text.remove_prefix(at + 1);
    }
    for (auto caret = text.find('^'); caret != std::string_view::npos; caret = text.find('^')) {
        const auto before = text.substr(0, caret);
        if (!before.empty()) {
            canvas_.drawText(x, y, before);
            x += canvas_.textWidth(before);
        }
        text.remove_prefix(caret + 1);
        if (text.empty()) break;
        const auto length = utf8Length(text, 0);
        const auto raised = text.substr(0, length);
        canvas_.setFont(body_.name, superscriptHeight(heightPx_), body_.style);
        canvas_.drawText(x, y, raised);
        x += canvas_.textWidth(raised);
        canvas_.setFont(body_.name, heightPx_, body_.style);
        text.remove_prefix(length);
    }
    if (!text.empty()) {
        canvas_.drawText(x, y, text);
        x += canvas_.textWidth(text);
    }
    return std::max(end, x);
}

} // namespace tarvo
