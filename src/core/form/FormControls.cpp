#include "core/form/FormControls.h"

#include "core/material/MatDataBase.h"

namespace tarvo {

void selectEntry(ChoiceControl& list, int selected) {
    list.selected = selected >= 0 && selected < static_cast<int>(list.entries.size()) ? selected : -1;
    list.text = list.selected >= 0 ? list.entries[static_cast<std::size_t>(list.selected)].text : std::string();
}

ChoiceControl fixedChoice(std::string_view id, std::span<const std::string_view> texts, int value) {
    ChoiceControl list;
    list.id = id;
    list.entries.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        list.entries.push_back({static_cast<int>(i), std::string(texts[i])});
    selectEntry(list, value);
    return list;
}

ChoiceControl catalogueChoice(std::string_view id, const ChoiceList& list) {
    ChoiceControl choice;
    choice.id = id;
    choice.entries.reserve(list.entries.size());
    for (std::size_t i = 0; i < list.entries.size(); ++i)
        choice.entries.push_back({static_cast<int>(i), list.entries[i]});
    selectEntry(choice, list.entries.empty() ? -1 : list.selected);
    choice.enabled = list.enabled;
    choice.columns = list.columns;
    return choice;
}

} // namespace tarvo
