#include "core/project/ProjectFileName.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using std::filesystem::path;

TEST(ProjectSaveName, AddsOrReplacesTheExtension) {
    EXPECT_EQ(ProjectSaveName("/w/plan"), path("/w/plan.tvp"));
    EXPECT_EQ(ProjectSaveName("/w/plan.txt"), path("/w/plan.tvp"));
    EXPECT_EQ(ProjectSaveName("/w/plan.tvp"), path("/w/plan.tvp"));
    EXPECT_EQ(ProjectSaveName("/w/plan."), path("/w/plan.tvp"));
    EXPECT_EQ(ProjectSaveName("/w/plan.v2.txt"), path("/w/plan.v2.tvp"));
    EXPECT_EQ(ProjectSaveName("/w/通し柱"), path("/w/通し柱.tvp"));
}

TEST(ProjectSaveName, OnlyTheFileNamePartCounts) {
    EXPECT_EQ(ProjectSaveName("/w/v1.0/plan"), path("/w/v1.0/plan.tvp"));
    EXPECT_EQ(ProjectSaveName("/w/folder/"), path("/w/folder/"));
    EXPECT_EQ(WithExtension("/w/report.txt", ".tex"), path("/w/report.tex"));
}

TEST(IsProjectFileName, AcceptsTheExtensionInAnyCaseOnly) {
    EXPECT_TRUE(IsProjectFileName("/w/a.tvp"));
    EXPECT_TRUE(IsProjectFileName("/w/a.TVP"));
    EXPECT_FALSE(IsProjectFileName("/w/a.tvpx"));
    EXPECT_FALSE(IsProjectFileName("/w/a.txt"));
    EXPECT_FALSE(IsProjectFileName("/w/tvp"));
}

} // namespace
} // namespace tarvo
