// The grade, size and species lists of the material selection: entries,
// selected entry, enabling and radio columns. The entries are taken from the
// catalogue tables so that a list position is the index the
// lookup uses.
#include <string>
#include <utility>
#include <vector>

#include "core/material/MatDataBase.h"
#include "core/material/TableAccess.h"
#include "core/material/tables/DimensionLumberTables.h"
#include "core/material/tables/GlulamTables.h"
#include "core/material/tables/SawnLumberTables.h"
#include "core/material/tables/SizeLists.h"
#include "core/material/tables/SpeciesLists.h"

namespace tarvo {
namespace {

using namespace material;

template <class Names> void appendNames(std::vector<std::string>& entries, const Names& names) {
    for (const std::string_view name : names)
        entries.emplace_back(name);
}

template <class Table> void appendRowNames(std::vector<std::string>& entries, const Table& table) {
    for (const auto& row : table)
        entries.emplace_back(row.name);
}

template <class Table> void appendGradeColumn(std::vector<std::string>& entries, const Table& table) {
    for (const auto& row : table)
        entries.emplace_back(row.grade);
}

// Selects `stored` when it names an entry; otherwise entry 0, and the stored
// index is reset to 0. A negative index counts as beyond the list.
void selectOrReset(ChoiceList& list, std::int32_t& stored) {
    if (stored >= 0 && static_cast<std::size_t>(stored) < list.entries.size()) {
        list.selected = stored;
    } else {
        list.selected = 0;
        stored = 0;
    }
}

void fillSawnGrades(const MatInputData& s, ChoiceList& list) {
    switch (s.ProductStandardNormal) {
    case 0: appendNames(list.entries, kVisualGradeNames); break;
    case 1: {
        // Five grades (E70..) below species index 6, else six (E50..).
        const MachineGradeGroup& group = kMachineGradeTable[s.KindOfWood[0] < 6 ? 0 : 1];
        for (std::size_t i = 0; i < group.gradeCount; ++i)
            list.entries.emplace_back(group.grades[i].name);
        break;
    }
    default: list.enabled = false; break; // ungraded: empty and disabled
    }
}

void fillDimensionGrades(const MatInputData& s, ChoiceList& list) {
    if (s.UseMSR) {
        switch (s.ProductStandard2x4) {
        case 1: appendRowNames(list.entries, kMsrUsTable); break;
        case 2: appendRowNames(list.entries, kMsrCanadaTable); break;
        default: appendRowNames(list.entries, kMsrJasTable); break;
        }
        return;
    }
    if (s.ProductStandard2x4 == 1 || s.ProductStandard2x4 == 2) {
        appendGradeColumn(list.entries, kCanadaDimensionTable); // same names as the US table
        return;
    }
    appendGradeColumn(list.entries, kJasDimensionTable);
    list.entries[kJasEndJointedGrade] = std::string(kJasEndJointedListEntry);
}

void fillGlulamGrades(const MatInputData& s, ChoiceList& list) {
    switch (s.LaminaCompositionIndex) {
    case 2: appendRowNames(list.entries, kGlulamTableT); break;
    case 3: appendRowNames(list.entries, kGlulamTableA); break;
    case 0: {
        // Lamina count 0 U4, 1 U3, any other U2.
        const std::size_t count = s.LaminaCountIndex == 0 ? 0 : s.LaminaCountIndex == 1 ? 1 : 2;
        for (const SameGradeRow& row : kGlulamTableU)
            list.entries.emplace_back(row.counts[count].name);
        break;
    }
    default: appendRowNames(list.entries, kGlulamTableS); break;
    }
}

void fillLvlGrades(ChoiceList& list) {
    for (const LvlClassRow& row : kLvlTable)
        for (const std::string_view grade : kLvlGradeNames) {
            std::string entry(row.label);
            entry += ' ';
            entry += grade;
            list.entries.push_back(std::move(entry));
        }
}

// A size-code entry: one half-width space followed by the code.
std::string sizeEntry(int code) {
    std::string entry = " ";
    entry += std::to_string(code); // appended (not `" " + ...`): avoids a GCC 12 -Wrestrict false positive
    return entry;
}

void appendSizeCodes(ChoiceList& list, const auto& codes) {
    for (const int code : codes) {
        list.entries.push_back(sizeEntry(code));
        list.codes.push_back(code);
    }
}

} // namespace

ChoiceList MatDataBase::fillGradeList(MatInputData& selection) const {
    ChoiceList list;
    switch (selection.SelectProduct) {
    case kSawnLumber: fillSawnGrades(selection, list); break;
    case kDimensionLumber: fillDimensionGrades(selection, list); break;
    case kGlulam: fillGlulamGrades(selection, list); break;
    case kLvl: fillLvlGrades(list); break;
    case kGlulamColumn: appendNames(list.entries, kColumnSpeciesShort); break;
    default: return list; // unknown product: no grade slot to correct
    }
    selectOrReset(list, selection.SelectGrade[static_cast<std::size_t>(selection.SelectProduct)]);
    return list;
}

ChoiceList MatDataBase::fillSizeList(const MatInputData& selection, int sizeCode) const {
    ChoiceList list;
    if (selection.SelectProduct == kDimensionLumber) {
        if (selection.ProductStandard2x4 == 0 && !selection.UseMSR && selection.SelectGrade[1] == kJasEndJointedGrade)
            appendSizeCodes(list, kEndJointedSizeCodes);
        else
            appendSizeCodes(list, kDimensionSizeCodes);
    } else {
        list.entries.emplace_back(kFreeSizeEntry);
        list.codes.push_back(0);
        if (selection.SelectProduct == kGlulam) appendSizeCodes(list, kGlulamSizeCodes);
    }
    const std::string wanted = sizeEntry(sizeCode);
    for (std::size_t i = 0; i < list.entries.size(); ++i)
        if (list.entries[i] == wanted) list.selected = static_cast<int>(i);
    return list;
}

ChoiceList MatDataBase::fillSpeciesList(MatInputData& selection) const {
    ChoiceList list;
    switch (selection.ProductStandardNormal) {
    case 0: appendNames(list.entries, kVisualGradeSpecies); break;
    case 1: appendNames(list.entries, kMachineGradeSpecies); break;
    default:
        appendNames(list.entries, kUngradedSpecies);
        list.columns = 2;
        break;
    }
    selectOrReset(list, selection.KindOfWood[0]);
    return list;
}

} // namespace tarvo
