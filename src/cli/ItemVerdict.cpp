#include "cli/ItemVerdict.h"

#include <algorithm>

namespace tarvo::cli {

ItemVerdict judgeItem(const ColumnOutcome& outcome) {
    ItemVerdict verdict;
    if (!outcome.computable()) return verdict;
    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        if (!outcome.Checked[j]) continue;
        const bool ok = outcome.caseOk(j);
        verdict.cases[j] = ok ? CaseVerdict::Ok : CaseVerdict::Ng;
        verdict.anyNg = verdict.anyNg || !ok;
        verdict.largestRatio = std::max({verdict.largestRatio, outcome.RatioC[j], outcome.RatioCv[j]});
        if (j == static_cast<std::size_t>(kWindLoadCase) && outcome.Wind) {
            verdict.largestRatio =
                std::max({verdict.largestRatio, outcome.Wind->RatioCombined, outcome.Wind->RatioShear});
        }
    }
    return verdict;
}

} // namespace tarvo::cli
