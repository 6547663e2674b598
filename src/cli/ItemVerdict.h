#pragma once
// Summary of one checked item for the command line: the verdict of each load
// case and the largest ratio.
#include <cstdint>

#include "core/check/ColumnOutcome.h"
#include "core/project/LoadCase.h"

namespace tarvo::cli {

enum class CaseVerdict { NotChecked, Ok, Ng };

struct ItemVerdict {
    PerLoadCase<CaseVerdict> cases{};
    double largestRatio = 0; // over every ratio the check computed
    bool anyNg = false;
};

// A load case is judged only when the item was checked (code 0) and the case
// carries an axial force; it is NG when any of its four verdicts is NG.
ItemVerdict judgeItem(const ColumnOutcome& outcome);

} // namespace tarvo::cli
