#pragma once
// The material catalogue: turns a material selection into base strengths and
// display texts, and gives the entries of the grade, size and species lists
// that the window shows for a selection.
#include <string>
#include <vector>

#include "core/material/MatData.h"
#include "core/material/MatInputData.h"

namespace tarvo {

// Entries of one selection list and the entry to select.
struct ChoiceList {
    std::vector<std::string> entries;
    int selected = 0;    // index into entries (0 when empty)
    bool enabled = true; // false: the list is shown empty and disabled
    int columns = 1;     // radio columns (species list of sawn lumber)
    // The size list: the code each entry stands for, 0 for "任意".
    std::vector<int> codes;
};

class MatDataBase {
public:
    // Base strengths and texts of `selection`. `sizeCode` is the nominal 2x4
    // size code (104, 204, ...), used only for 2x4 lumber. Every lookup
    // starts from a zeroed MatData: no value of an earlier lookup survives.
    [[nodiscard]] MatData lookupStrength(const MatInputData& selection, int sizeCode) const;

    // Grade list of the selection's product (species list for the glulam
    // column). A stored grade index beyond the list is reset to 0 in
    // `selection.SelectGrade[SelectProduct]`.
    ChoiceList fillGradeList(MatInputData& selection) const;

    // Size-code list of the column ("任意" first except for 2x4; each code
    // written as one half-width space and the code) with the entry of
    // `sizeCode` selected, or entry 0.
    [[nodiscard]] ChoiceList fillSizeList(const MatInputData& selection, int sizeCode) const;

    // Species radio list of the sawn-lumber standard; a stored species index
    // beyond the list is reset to 0 in `selection.KindOfWood[0]`.
    ChoiceList fillSpeciesList(MatInputData& selection) const;
};

} // namespace tarvo
