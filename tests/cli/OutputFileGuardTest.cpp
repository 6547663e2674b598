#include "cli/OutputFileGuard.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/TestFiles.h"

namespace tarvo::cli {
namespace {

TEST(OutputFileGuard, SameFileByAnyNameIsRefused) {
    test::TempDir dir;
    const auto project = dir / "house.tvp";
    test::writeBytes(project, "Tarvo_Posts");
    std::ostringstream err;
    EXPECT_TRUE(outputWouldReplaceProject(project, project, err));
    EXPECT_TRUE(outputWouldReplaceProject(project, dir.path() / "." / "house.tvp", err));
    EXPECT_NE(err.str().find("nothing was written"), std::string::npos);
}

TEST(OutputFileGuard, OtherOrNewFilesAreWritten) {
    test::TempDir dir;
    const auto project = dir / "house.tvp";
    const auto other = dir / "house.pdf";
    test::writeBytes(project, "Tarvo_Posts");
    test::writeBytes(other, "%PDF");
    std::ostringstream err;
    EXPECT_FALSE(outputWouldReplaceProject(project, other, err));
    EXPECT_FALSE(outputWouldReplaceProject(project, dir / "new.tex", err));
    EXPECT_TRUE(err.str().empty());
}

} // namespace
} // namespace tarvo::cli
