#include "core/project/RecoveryStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"

namespace tarvo {
namespace {

class RecoveryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tarvo-recovery-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name()) /
                  "recovery";
        std::filesystem::remove_all(folder_.parent_path());
        columns_.Item(0).Name = "通し柱";
        columns_.Item(0).Lkx = 2800;
        columns_.Append(columns_.Item(0));
        columns_.Item(1).Name = "管柱";
        common_.BuildingHeight = 7.5;
    }
    void TearDown() override { std::filesystem::remove_all(folder_.parent_path()); }

    std::filesystem::path folder_;
    CommonData common_;
    ColumnsData columns_;
};

TEST_F(RecoveryStoreTest, RunningSessionsNeverOfferEachOthersCopies) {
    RecoveryStore first(folder_);
    RecoveryStore second(folder_);
    ASSERT_TRUE(first.save(common_, columns_, "/home/eng/a.tvp", 1000));
    ASSERT_TRUE(second.save(common_, columns_, {}, 1001));
    EXPECT_NE(first.sessionId(), second.sessionId());
    EXPECT_TRUE(first.orphans().empty());
    EXPECT_TRUE(second.orphans().empty());
}

TEST_F(RecoveryStoreTest, CopyOfAnEndedSessionIsOfferedWithItsFileAndTime) {
    {
        RecoveryStore crashed(folder_);
        ASSERT_TRUE(crashed.save(common_, columns_, "/home/eng/柱リスト.tvp", 1700000000));
    } // ends without removing its copy, as a crash would
    RecoveryStore next(folder_);
    const std::vector<RecoveryCopy> copies = next.orphans();
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_EQ(copies[0].originalFile, std::filesystem::path("/home/eng/柱リスト.tvp"));
    EXPECT_EQ(copies[0].savedAt, 1700000000);

    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(copies[0].project, common, columns, messages), 0);
    EXPECT_EQ(serializeProject(common.input(), columns), serializeProject(common_.input(), columns_));

    RecoveryStore::discard(copies[0]);
    EXPECT_TRUE(next.orphans().empty());
}

TEST_F(RecoveryStoreTest, KilledProcessLeavesItsCopyForTheNextStart) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RecoveryStore store(folder_);
        const bool saved = store.save(common_, columns_, {}, 42);
        std::ofstream(folder_ / "ready") << saved;
        for (;;)
            ::pause();
    }
    for (int i = 0; i < 500 && !std::filesystem::exists(folder_ / "ready"); ++i)
        ::usleep(10000);
    RecoveryStore other(folder_);
    EXPECT_TRUE(other.orphans().empty()); // the child still runs
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const auto copies = other.orphans();
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_TRUE(copies[0].originalFile.empty());
    EXPECT_EQ(copies[0].savedAt, 42);
}

TEST_F(RecoveryStoreTest, DiscardingTheOwnCopyLeavesNothingToOffer) {
    {
        RecoveryStore store(folder_);
        ASSERT_TRUE(store.save(common_, columns_, {}, 5));
        EXPECT_TRUE(store.hasOwnCopy());
        store.discardOwn();
        EXPECT_FALSE(store.hasOwnCopy());
    }
    RecoveryStore next(folder_);
    EXPECT_TRUE(next.orphans().empty());
}

TEST_F(RecoveryStoreTest, CopyWithoutReadableInfoIsStillOffered) {
    {
        RecoveryStore crashed(folder_);
        ASSERT_TRUE(crashed.save(common_, columns_, "/x.tvp", 7));
        std::ofstream(folder_ / (crashed.sessionId() + ".info"), std::ios::trunc) << "garbage";
    }
    RecoveryStore next(folder_);
    const auto copies = next.orphans();
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_TRUE(copies[0].originalFile.empty());
}

TEST_F(RecoveryStoreTest, FolderThatCannotBeMadeFailsQuietly) {
    const auto file = folder_.parent_path() / "plain";
    std::filesystem::create_directories(folder_.parent_path());
    std::ofstream(file) << "x";
    RecoveryStore store(file / "recovery");
    EXPECT_FALSE(store.save(common_, columns_, {}, 1));
    EXPECT_TRUE(store.orphans().empty());
}

} // namespace
} // namespace tarvo
