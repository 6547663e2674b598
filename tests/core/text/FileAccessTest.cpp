#include "core/text/FileAccess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/text/SafeFileWriter.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using test::TempDir;
using test::writeBytes;

TEST(IsWriteProtected, AnEmptyNameIsNoFileAndNotProtected) {
    EXPECT_FALSE(IsWriteProtected(""));
}

TEST(IsWriteProtected, MissingFilesFoldersAndUnreachablePathsAreProtected) {
    TempDir dir;
    writeBytes(dir / "file", "x");
    EXPECT_TRUE(IsWriteProtected(dir / "missing.tvp"));
    EXPECT_TRUE(IsWriteProtected(dir.path()));
    EXPECT_TRUE(IsWriteProtected(dir / "file" / "below.tvp"));
}

TEST(IsWriteProtected, FollowsTheOwnerWriteBitAsTheSafeReplacementDoes) {
    TempDir dir;
    const auto file = dir / "plan.tvp";
    writeBytes(file, "x");
    EXPECT_FALSE(IsWriteProtected(file));
    EXPECT_EQ(SafeFileWriter::replace(file, "y"), SafeWriteStatus::Ok);
    // Read-only for its owner: protected even for a privileged user, and the
    // safe replacement refuses it likewise.
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_TRUE(IsWriteProtected(file));
    EXPECT_EQ(SafeFileWriter::replace(file, "z"), SafeWriteStatus::ReadOnlyTarget);
    ASSERT_EQ(::chmod(file.c_str(), 0200), 0);
    EXPECT_FALSE(IsWriteProtected(file));
}

} // namespace
} // namespace tarvo
