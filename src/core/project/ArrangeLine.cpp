#include "core/project/ArrangeLine.h"

namespace tarvo {

namespace {
constexpr std::size_t kPositionWidth = 3;
constexpr std::string_view kSeparator = "; ";
} // namespace

std::string FormatArrangeLine(int position, std::string_view name) {
    std::string line = std::to_string(position);
    if (line.size() < kPositionWidth) line.insert(0, kPositionWidth - line.size(), ' ');
    line.append(kSeparator).append(name);
    return line;
}

ArrangeLineParts SplitArrangeLine(std::string_view line) {
    const std::size_t separator = line.find(kSeparator, kPositionWidth);
    if (separator == std::string_view::npos) return {std::string_view(), line};
    const std::size_t nameStart = separator + kSeparator.size();
    return {line.substr(0, nameStart), line.substr(nameStart)};
}

} // namespace tarvo
