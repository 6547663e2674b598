#include "core/project/ProjectLock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/text/SafeFileWriter.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using test::TempDir;
using test::writeBytes;

TEST(ProjectLockTaking, AMissingFileHasNothingToLock) {
    TempDir dir;
    ProjectLock lock;
    EXPECT_EQ(lock.acquire(dir / "none.tvp", 0ms), ProjectLockStatus::NoFile);
    EXPECT_FALSE(lock.held());
}

TEST(ProjectLockTaking, ASecondWriterWaitsItsTimeThenGivesUpNamingTheFile) {
    TempDir dir;
    const auto path = dir / "p.tvp";
    writeBytes(path, "project");
    ProjectLock first;
    ASSERT_EQ(first.acquire(path, 0ms), ProjectLockStatus::Locked);
    ProjectLock second;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(second.acquire(path, 200ms), ProjectLockStatus::Busy);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    EXPECT_EQ(second.failureMessage(path), "ほかのプログラムがこのファイルに書き込んでいます。\n" + path.string() +
                                               "\nanother writer held its lock for 0.2 s; nothing was written");
    first.release();
    EXPECT_EQ(second.acquire(path, 0ms), ProjectLockStatus::Locked);
}

TEST(ProjectLockTaking, AWaitingWriterLocksTheFileThatReplacedTheLockedOne) {
    TempDir dir;
    const auto path = dir / "p.tvp";
    writeBytes(path, "old");
    ProjectLock first;
    ASSERT_EQ(first.acquire(path, 0ms), ProjectLockStatus::Locked);
    ProjectLockStatus waited = ProjectLockStatus::NoFile;
    ProjectLock second;
    std::thread waiter([&] { waited = second.acquire(path, 5s); });
    std::this_thread::sleep_for(50ms);
    // The first writer replaces the file by a rename, then lets go.
    ASSERT_TRUE(SafeFileWriter::replace(path, "new").ok());
    first.release();
    waiter.join();
    EXPECT_EQ(waited, ProjectLockStatus::Locked);
    // The lock held is that of the file the path names now.
    ProjectLock third;
    EXPECT_EQ(third.acquire(path, 0ms), ProjectLockStatus::Busy);
}

} // namespace
} // namespace tarvo
