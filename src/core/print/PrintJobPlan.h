#pragma once
// How a print request becomes print jobs: the page range held to the
// document, and the copies made either by the printer or by the program.
#include <vector>

namespace tarvo {

// What the print dialog returned. A from or to page of 0 means every page.
struct PrintRequest {
    int fromPage = 0;
    int toPage = 0;
    int copies = 1;
    bool collate = false;
};

struct PrintJobPlan {
    int fromPage = 1;
    int toPage = 1;
    int jobs = 1;         // print jobs started, one after another
    int deviceCopies = 1; // copy count the printer is told to make of each job
    // Copies the program draws itself within one job, when the device makes
    // no copies (a PDF file): the whole range again (collated) or each page
    // again right after itself (not collated).
    int documentRepeats = 1;
    int pageRepeats = 1;

    // The page indices of one job in the order they are drawn.
    [[nodiscard]] std::vector<int> pagesOfJob() const;
};

// `printerMakesCopies`: the device can print several copies of a job. Then
// collated copies are printed as one job per copy with a copy count of 1,
// uncollated copies as one job the printer multiplies. Otherwise one job
// holds every copy.
PrintJobPlan planPrintJob(int pageCount, const PrintRequest& request, bool printerMakesCopies);

} // namespace tarvo
