#include "cli/ItemVerdict.h"

#include <algorithm>

namespace tarvo::cli {

ItemVerdict judgeItem(const ColumnMember& item, std::int32_t code) {
    ItemVerdict verdict;
    if (code != 0) return verdict;
    for (int j = 0; j < kLoadCaseCount; ++j) {
        if (item.AxialForce[j] == 0) continue;
        const bool ok = item.OkC[j] && item.OkCv[j] && item.OkCombined[j] && item.OkShear[j];
        verdict.cases[j] = ok ? CaseVerdict::Ok : CaseVerdict::Ng;
        verdict.anyNg = verdict.anyNg || !ok;
        verdict.largestRatio = std::max(
            {verdict.largestRatio, item.RatioC[j], item.RatioCv[j], item.RatioCombined[j], item.RatioShear[j]});
    }
    return verdict;
}

} // namespace tarvo::cli
