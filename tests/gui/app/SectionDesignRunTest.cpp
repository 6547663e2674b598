#include "gui/app/SectionDesignRun.h"

#include <gtest/gtest.h>

#include "core/material/MatDataBase.h"

namespace tarvo::gui {
namespace {

std::vector<MemberInputData> columns(int count) {
    ColumnMember item;
    item.B = 105;
    item.D = 105;
    item.Lkx = 2800;
    std::vector<MemberInputData> items(static_cast<std::size_t>(count), item.input());
    for (int i = 0; i < count; ++i)
        items[static_cast<std::size_t>(i)].AxialForce[0] = 5 + i % 50;
    return items;
}

TEST(SectionDesignRun, DesignsEveryItemInOrder) {
    const MatDataBase catalogue;
    const CheckConditions conditions;
    const std::vector<MemberInputData> items = columns(60);
    SectionDesignRun run(items, conditions, catalogue, {});
    run.wait();
    ASSERT_TRUE(run.finished());
    EXPECT_FALSE(run.cancelled());
    ASSERT_EQ(run.done(), 60);
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(run.results()[i], DesignSection(items[i], conditions, catalogue, {})) << i;
}

TEST(SectionDesignRun, CancelledKeepsWhatWasDesigned) {
    // However far the worker got before it saw the request, it stops with
    // exactly the designs it counted.
    const MatDataBase catalogue;
    SectionDesignRun run(columns(20000), CheckConditions{}, catalogue, {.AllPairs = true});
    run.cancel();
    run.wait();
    EXPECT_TRUE(run.finished());
    EXPECT_TRUE(run.cancelled());
    EXPECT_LE(run.done(), run.count());
    EXPECT_EQ(run.results().size(), static_cast<std::size_t>(run.done()));
}

} // namespace
} // namespace tarvo::gui
