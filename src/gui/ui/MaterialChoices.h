#pragma once
// Catalogue lists as the items of the material pages' radio groups. The
// entries come from the catalogue so that an item's position is the index the
// lookup uses.
#include <QStringList>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/material/MatDataBase.h"
#include "gui/ui/RadioGroup.h"

namespace tarvo::gui {

template <std::size_t N> QStringList choiceItems(const std::array<std::string_view, N>& names) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(N));
    for (const std::string_view name : names)
        items.append(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    return items;
}

inline QStringList choiceItems(const std::vector<std::string>& entries) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries)
        items.append(QString::fromStdString(entry));
    return items;
}

// The species groups of 2x4 lumber as the selectors name them (`KindOfWood`[1]);
// the texts of the results spell two of them differently.
inline QStringList speciesGroupItems2x4() {
    return {QStringLiteral("D Fir-L"), QStringLiteral("Hem-Tam"), QStringLiteral("Hem-Fir"), QStringLiteral("S-P-F"),
            QStringLiteral("W Cedar")};
}

// Replaces the items of `group` with `list` and selects its entry.
inline void showChoices(RadioGroup& group, const ChoiceList& list) {
    group.setItems(choiceItems(list.entries));
    group.setColumns(list.columns);
    group.setEnabled(list.enabled);
    group.setItemIndex(list.entries.empty() ? -1 : list.selected);
}

} // namespace tarvo::gui
