#include "core/print/PrintJobPlan.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(PrintJobPlan, PageRangeIsHeldToTheDocument) {
    EXPECT_EQ(planPrintJob(5, {0, 0, 1, false}, true).pagesOfJob(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(planPrintJob(5, {2, 3, 1, false}, true).pagesOfJob(), (std::vector<int>{2, 3}));
    EXPECT_EQ(planPrintJob(5, {4, 9, 1, false}, true).pagesOfJob(), (std::vector<int>{4, 5}));
    EXPECT_EQ(planPrintJob(5, {3, 2, 1, false}, true).pagesOfJob(), (std::vector<int>{2, 3}));
    // A document always has a page, even an empty one.
    EXPECT_EQ(planPrintJob(0, {0, 0, 1, false}, true).pagesOfJob(), (std::vector<int>{1}));
}

TEST(PrintJobPlan, PrinterMakesUncollatedCopiesAndTheProgramStartsOneJobPerCollatedCopy) {
    const PrintJobPlan uncollated = planPrintJob(3, {0, 0, 4, false}, true);
    EXPECT_EQ(uncollated.jobs, 1);
    EXPECT_EQ(uncollated.deviceCopies, 4);
    EXPECT_EQ(uncollated.pagesOfJob(), (std::vector<int>{1, 2, 3}));

    const PrintJobPlan collated = planPrintJob(3, {0, 0, 4, true}, true);
    EXPECT_EQ(collated.jobs, 4);
    EXPECT_EQ(collated.deviceCopies, 1);
    EXPECT_EQ(collated.pagesOfJob(), (std::vector<int>{1, 2, 3}));
}

TEST(PrintJobPlan, FileOutputHoldsEveryCopyInOneJob) {
    const PrintJobPlan collated = planPrintJob(3, {2, 3, 2, true}, false);
    EXPECT_EQ(collated.jobs, 1);
    EXPECT_EQ(collated.deviceCopies, 1);
    EXPECT_EQ(collated.pagesOfJob(), (std::vector<int>{2, 3, 2, 3}));

    const PrintJobPlan uncollated = planPrintJob(3, {2, 3, 2, false}, false);
    EXPECT_EQ(uncollated.jobs, 1);
    EXPECT_EQ(uncollated.pagesOfJob(), (std::vector<int>{2, 2, 3, 3}));
    // No copies asked for (0) prints one.
    EXPECT_EQ(planPrintJob(3, {0, 0, 0, true}, false).pagesOfJob(), (std::vector<int>{1, 2, 3}));
}

} // namespace
} // namespace tarvo
