#include "core/project/ColumnsData.h"

#include <optional>
#include <string_view>

#include "core/check/ColumnCheck.h"

namespace tarvo {
namespace {

struct ArrangeLine {
    int former = 0;        // 0-based index of the item before the rearrangement
    std::string_view name; // the name after the "; " separator
};

// Splits "%3d; %s": the position field is the first three characters (wider
// only for positions of four digits and more), blanks trimmed, a whole number;
// then "; " and the name. Anything else is not a line of the arrange dialog.
std::optional<ArrangeLine> parseArrangeLine(std::string_view line) {
    constexpr std::size_t kFieldWidth = 3;
    const std::size_t separator = line.find("; ", kFieldWidth);
    if (separator == std::string_view::npos) return std::nullopt;
    std::string_view field = line.substr(0, separator);
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    if (field.empty() || field.size() > 9) return std::nullopt;
    int position = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        position = position * 10 + (c - '0');
    }
    return ArrangeLine{position - 1, line.substr(separator + 2)};
}

} // namespace

ColumnsData::ColumnsData() {
    Reset();
}

void ColumnsData::Reset() {
    items_.clear();
    items_.emplace_back();
}

ColumnMember& ColumnsData::Item(int index) {
    return (index < 0 || index >= Count()) ? items_.front() : items_[static_cast<std::size_t>(index)];
}

const ColumnMember& ColumnsData::Item(int index) const {
    return (index < 0 || index >= Count()) ? items_.front() : items_[static_cast<std::size_t>(index)];
}

int ColumnsData::Append(const ColumnMember& item) {
    items_.push_back(item);
    return Count() - 1;
}

bool ColumnsData::Insert(int index, const ColumnMember& item) {
    if (index < 0 || index > Count()) return false;
    items_.insert(items_.begin() + index, item);
    return true;
}

bool ColumnsData::Delete(int index) {
    if (index <= 0 || index >= Count()) return false;
    items_.erase(items_.begin() + index);
    return true;
}

int ColumnsData::Rearrange(const std::vector<std::string>& lines) {
    std::vector<ArrangedItem> order;
    order.reserve(lines.size());
    for (const auto& line : lines) {
        const auto arranged = parseArrangeLine(line);
        if (!arranged) return 0;
        order.push_back({arranged->former, std::string(arranged->name)});
    }
    return Rearrange(order);
}

int ColumnsData::Rearrange(const std::vector<ArrangedItem>& order) {
    // The list must keep at least one item, and no line may stand for an
    // item that is not there or for one item twice.
    if (order.empty() || order.size() > items_.size()) return 0;
    std::vector<bool> used(items_.size(), false);
    for (const ArrangedItem& line : order) {
        if (line.former < 0 || line.former >= Count()) return 0;
        const auto former = static_cast<std::size_t>(line.former);
        if (used[former]) return 0;
        used[former] = true;
    }

    int changes = Count() - static_cast<int>(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) {
        if (order[p].name != items_[static_cast<std::size_t>(order[p].former)].Name) ++changes;
        if (static_cast<int>(p) != order[p].former) ++changes;
    }
    if (changes == 0) return 0;

    std::vector<ColumnMember> arranged;
    arranged.reserve(order.size());
    for (const ArrangedItem& line : order) {
        arranged.push_back(std::move(items_[static_cast<std::size_t>(line.former)]));
        arranged.back().Name = line.name;
    }
    items_ = std::move(arranged);
    return changes;
}

bool ColumnsData::AnyComputable(const ColumnCheck& check) const {
    const CheckConditions conditions = check.conditions();
    bool any = false;
    for (const auto& item : items_) {
        if (CheckColumn(item, conditions, check.catalogue()).computable()) any = true;
    }
    return any;
}

bool ColumnsData::Replace(std::vector<ColumnMember> items) {
    if (items.empty()) return false;
    items_ = std::move(items);
    return true;
}

} // namespace tarvo
