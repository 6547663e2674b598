#pragma once
// The controls of a page as plain values: what a page shows and offers for
// one item, made by the core and put into the widgets as it is. A control is
// named by the object name of its widget; a numeric field also by the id of
// the input field it edits, whose format comes from the field table.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/ColumnFieldFormats.h"

namespace tarvo {

class CommonData;
class MatDataBase;
struct ChoiceList;

// What the pages are made from besides the item: the project's common
// conditions and the material catalogue.
struct FormContext {
    const CommonData& common;
    const MatDataBase& catalogue;
};

// One entry of a list or radio group: the value choosing it stands for and
// the text it shows.
struct ChoiceEntry {
    int value = 0;
    std::string text;

    friend bool operator==(const ChoiceEntry&, const ChoiceEntry&) = default;
};

// A drop-down list, an editable list or a radio group.
struct ChoiceControl {
    std::string_view id;
    std::vector<ChoiceEntry> entries;
    int selected = -1; // index into `entries`; -1: no entry is chosen
    // The text in the list's field: the chosen entry's text (empty without
    // one). An editable list shows it in its edit field.
    std::string text;
    bool enabled = true;
    bool visible = true;
    int columns = 1; // a radio group's columns

    // The value of the chosen entry, or `none` without one.
    [[nodiscard]] int selectedValue(int none = -1) const {
        return selected >= 0 && selected < static_cast<int>(entries.size())
                   ? entries[static_cast<std::size_t>(selected)].value
                   : none;
    }
    // The index of the entry standing for `value`, or -1.
    [[nodiscard]] int indexOf(int value) const {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].value == value) return static_cast<int>(i);
        return -1;
    }
};

// A numeric entry field: the format of its input field, whether it shows 0
// (false: 0 shows as an empty field) and the value it shows.
template <typename FieldId> struct NumberControl {
    std::string_view id;
    FieldId field{};
    const NumberFieldFormat* format = nullptr;
    bool zeroVisible = true;
    double value = 0;
    bool enabled = true;
    bool visible = true;
};

// A check box.
struct FlagControl {
    std::string_view id;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
};

[[nodiscard]] inline FlagControl flagOf(std::string_view id, bool checked, bool enabled = true) {
    FlagControl control;
    control.id = id;
    control.checked = checked;
    control.enabled = enabled;
    return control;
}

// A label. `text` is set where the page changes it; empty, the label keeps
// its own caption.
struct LabelControl {
    std::string_view id;
    std::string text;
    bool enabled = true;
    bool visible = true;
};

// The spin buttons beside a piece count: the position they stand at.
struct SpinControl {
    std::string_view id;
    int position = 0;
    int minimum = 0;
    int maximum = 0;
    bool enabled = true;
};

struct ButtonControl {
    std::string_view id;
    bool enabled = true;
};

// The message line of a page; `beep` when the message comes with the beep.
struct MessageLine {
    std::string text;
    bool beep = false;
};

// `list` chosen at entry `selected` (-1 or beyond the entries: none), its
// text taken from the entry.
void selectEntry(ChoiceControl& list, int selected);

// A list of fixed texts, entry i standing for the value i, with the entry
// of `value` chosen (none for a value beyond the list).
[[nodiscard]] ChoiceControl fixedChoice(std::string_view id, std::span<const std::string_view> texts, int value);

// A list the catalogue fills: entry i stands for the index i, the
// catalogue's choice and enabling taken over. An empty list chooses none.
[[nodiscard]] ChoiceControl catalogueChoice(std::string_view id, const ChoiceList& list);

} // namespace tarvo
