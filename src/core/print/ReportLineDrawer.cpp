#include "core/print/ReportLineDrawer.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "core/print/ReportCanvas.h"

namespace tarvo {
namespace {

struct Segment {
    int stop = 0;
    std::string_view text;
};

bool isTabTag(std::string_view line, std::size_t at) {
    return line[at] == '#' && at + 1 < line.size() && line[at + 1] >= '0' && line[at + 1] <= '5';
}

// The text before the first tag is segment 0 at stop 0; the text after each
// tag "#d" up to the next tag is a segment at stop d.
std::vector<Segment> splitSegments(std::string_view line) {
    std::vector<Segment> segments;
    Segment current;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!isTabTag(line, i)) continue;
        current.text = line.substr(start, i - start);
        segments.push_back(current);
        current.stop = line[i + 1] - '0';
        start = i + 2;
        ++i;
    }
    current.text = line.substr(start);
    segments.push_back(current);
    return segments;
}

// Bytes of the UTF-8 character that starts at `at`.
std::size_t characterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return std::min(length, text.size() - at);
}

} // namespace

int ReportLineDrawer::draw(std::string_view line, int y) {
    if (line.empty()) return 0;
    bool drawn = false;
    int right = 0;
    for (const Segment& segment : splitSegments(line)) {
        if (segment.text.empty()) continue;
        const int end = drawSegment(segment.text, stops_.x[static_cast<std::size_t>(segment.stop)], y);
        right = drawn ? std::max(right, end) : end;
        drawn = true;
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
        const auto length = characterLength(text, 0);
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
