#include "gui/app/RecoveryKeeper.h"

#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

#include "MainFormFixture.h"
#include "core/project/RecoveryStore.h"
#include "gui/app/FileCommands.h"

namespace tarvo::gui {
namespace {

class RecoveryKeeperTest : public MainFormFixture {
protected:
    RecoveryStore& store() { return window_->recovery().store(); }
    std::filesystem::path ownCopy() { return store().folder() / (store().sessionId() + ".tvp"); }
};

// The copy of this session.

TEST_F(RecoveryKeeperTest, CopyIsWrittenOnlyWhileUnsavedAndOnlyAfterAChange) {
    openSample("sawn-lumber-wind.tvp");
    window_->writeRecoveryCopy();
    EXPECT_FALSE(store().hasOwnCopy()) << "nothing unsaved";
    type("NS", "20");
    window_->writeRecoveryCopy();
    ASSERT_TRUE(store().hasOwnCopy());
    // Nothing changed since: the copy is not written again.
    std::filesystem::remove(ownCopy());
    window_->writeRecoveryCopy();
    EXPECT_FALSE(store().hasOwnCopy());
    type("NE", "30");
    window_->writeRecoveryCopy();
    EXPECT_TRUE(store().hasOwnCopy());
}

TEST_F(RecoveryKeeperTest, CleanSaveUndoToTheSavedStateNewAndOpenRemoveTheCopy) {
    openSample("sawn-lumber-wind.tvp");
    const auto edit = [this] {
        type("NS", "20");
        window_->writeRecoveryCopy();
        ASSERT_TRUE(store().hasOwnCopy());
    };
    edit();
    window_->undo();
    EXPECT_FALSE(store().hasOwnCopy()) << "undone to the state of the file";
    edit();
    ASSERT_EQ(window_->fileCommands().SaveProjectFile(dir_ / "saved.tvp"), 0);
    EXPECT_FALSE(store().hasOwnCopy()) << "saved";
    type("NS", "25");
    window_->writeRecoveryCopy();
    ASSERT_TRUE(store().hasOwnCopy());
    openSample("lvl-wind.tvp");
    EXPECT_FALSE(store().hasOwnCopy()) << "opened";
    edit();
    window_->NewProject();
    EXPECT_FALSE(store().hasOwnCopy()) << "new";
}

TEST_F(RecoveryKeeperTest, NormalEndLeavesNoRecoveryCopy) {
    openSample("sawn-lumber-wind.tvp");
    type("NS", "20");
    window_->writeRecoveryCopy();
    ASSERT_TRUE(store().hasOwnCopy());
    const auto folder = store().folder();
    window_.reset();
    EXPECT_TRUE(RecoveryStore(folder).orphans().empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "nor a lock file";
}

TEST_F(RecoveryKeeperTest, TwoWindowsKeepSeparateCopiesAndNeverOfferEachOthers) {
    openSample("sawn-lumber-wind.tvp");
    type("NS", "20");
    window_->writeRecoveryCopy();
    MainForm other(dir_);
    EXPECT_FALSE(other.offerRecovery()) << "the first window still runs";
    EXPECT_TRUE(store().hasOwnCopy());
    EXPECT_NE(other.recovery().store().sessionId(), store().sessionId());
}

// Copies of sessions that died.

// Run only as the child of KilledProgramsWorkIsRestored: edits, writes its
// recovery copy, says so and waits to be killed.
TEST_F(RecoveryKeeperTest, DISABLED_ChildEditsAndWaits) {
    openSample("sawn-lumber-wind.tvp");
    type("LkxEdit", "3333");
    type("NE", "44.5");
    window_->writeRecoveryCopy();
    const std::string ready = std::getenv("TARVO_TEST_READY");
    { std::ofstream(ready + ".tmp", std::ios::binary) << projectBytes(); }
    std::filesystem::rename(ready + ".tmp", ready);
    for (;;)
        ::pause();
}

TEST_F(RecoveryKeeperTest, KilledProgramsWorkIsRestored) {
    const auto ready = dir_ / "child-ready";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::setenv("TARVO_TEST_READY", ready.c_str(), 1);
        ::setenv("TARVO_TEST_DATA_HOME", std::getenv("XDG_DATA_HOME"), 1);
        char self[4096] = {};
        const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
        if (length > 0)
            ::execl(self, self, "--gtest_also_run_disabled_tests", "--gtest_filter=*DISABLED_ChildEditsAndWaits",
                    static_cast<char*>(nullptr));
        ::_exit(127);
    }
    for (int i = 0; i < 6000 && !std::filesystem::exists(ready); ++i)
        ::usleep(10000);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    std::string childBytes;
    {
        std::ifstream in(ready, std::ios::binary);
        childBytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_FALSE(childBytes.empty()) << "the child never got ready";

    answerBoxes({QMessageBox::Yes});
    ASSERT_TRUE(window_->offerRecovery());
    EXPECT_EQ(projectBytes(), childBytes);
    EXPECT_EQ(window_->columns().Item(0).Lkx, 3333);
    // Restored work is unsaved: its title carries the mark.
    EXPECT_TRUE(window_->windowTitle().endsWith(QStringLiteral("sawn-lumber-wind.tvp*")));
    EXPECT_GT(window_->modifiedCount(), 0);
    // The restored work is unsaved, also after undoing whatever comes next.
    type("NS", "21");
    window_->undo();
    EXPECT_GT(window_->modifiedCount(), 0);
    // The restored work is now this session's copy; the old one is gone.
    EXPECT_TRUE(store().hasOwnCopy());
    EXPECT_TRUE(RecoveryStore(store().folder()).orphans().empty()) << "only this running session's copy is left";
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / ("tarvo-mainform-" + std::to_string(child)),
                                error);
}

TEST_F(RecoveryKeeperTest, DeclinedCopyIsRemoved) {
    const auto folder = store().folder();
    {
        RecoveryStore dead(folder);
        ASSERT_TRUE(dead.save(window_->common().input(), window_->columns(), {}, 100));
        // The store of a session that ended without removing its copy.
    }
    const std::string before = projectBytes();
    answerBoxes({QMessageBox::No});
    EXPECT_FALSE(window_->offerRecovery());
    EXPECT_TRUE(RecoveryStore(folder).orphans().empty());
    EXPECT_EQ(projectBytes(), before);
}

TEST_F(RecoveryKeeperTest, DamagedRecoveryCopyIsRemovedOnlyWhenTheUserSaysSo) {
    const auto folder = store().folder();
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "1-2-3.tvp") << "not a project";
    std::ofstream(folder / "1-2-3.info") << "100\n/home/eng/a.tvp";
    const std::string before = projectBytes();
    // Restore: the read fails with its message, then keep the copy.
    answerBoxes({QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No});
    EXPECT_FALSE(window_->offerRecovery());
    EXPECT_TRUE(std::filesystem::exists(folder / "1-2-3.tvp"));
    EXPECT_EQ(projectBytes(), before);
    answerBoxes({QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Yes});
    EXPECT_FALSE(window_->offerRecovery());
    EXPECT_FALSE(std::filesystem::exists(folder / "1-2-3.tvp"));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("木造柱の設計　(無題)"));
    EXPECT_EQ(window_->modifiedCount(), 0);
}

} // namespace
} // namespace tarvo::gui
