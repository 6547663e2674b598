#include "core/print/PrintJobPlan.h"

#include <algorithm>

namespace tarvo {

std::vector<int> PrintJobPlan::pagesOfJob() const {
    std::vector<int> pages;
    if (toPage < fromPage) return pages;
    for (int repeat = 0; repeat < documentRepeats; ++repeat) {
        for (int page = fromPage; page <= toPage; ++page) {
            for (int copy = 0; copy < pageRepeats; ++copy)
                pages.push_back(page);
        }
    }
    return pages;
}

PrintJobPlan planPrintJob(int pageCount, const PrintRequest& request, bool printerMakesCopies) {
    PrintJobPlan plan;
    const int last = std::max(pageCount, 1);
    if (request.fromPage <= 0 || request.toPage <= 0) {
        plan.fromPage = 1;
        plan.toPage = last;
    } else {
        plan.fromPage = std::clamp(std::min(request.fromPage, request.toPage), 1, last);
        plan.toPage = std::clamp(std::max(request.fromPage, request.toPage), 1, last);
    }
    const int copies = std::max(request.copies, 1);
    if (printerMakesCopies) {
        if (request.collate && copies > 1) {
            plan.jobs = copies;
        } else {
            plan.deviceCopies = copies;
        }
    } else if (request.collate) {
        plan.documentRepeats = copies;
    } else {
        plan.pageRepeats = copies;
    }
    return plan;
}

} // namespace tarvo
