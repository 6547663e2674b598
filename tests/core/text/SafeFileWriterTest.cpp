#include "core/text/SafeFileWriter.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TestFiles.h"

namespace tarvo {
namespace {

using test::modeOf;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

std::size_t entriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(SafeFileWriterReplace, CreatesANewFileWithMode0644) {
    TempDir dir;
    const auto path = dir / "new.bin";
    ASSERT_EQ(SafeFileWriter::replace(path, std::string("a\0b", 3)), SafeWriteStatus::Ok);
    EXPECT_EQ(readBytes(path), std::string("a\0b", 3));
    EXPECT_EQ(modeOf(path), 0644u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(SafeFileWriterReplace, ReplacesContentsAndKeepsTheMode) {
    TempDir dir;
    const auto path = dir / "old.bin";
    writeBytes(path, "a much longer old content");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(SafeFileWriter::replace(path, "new"), SafeWriteStatus::Ok);
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(modeOf(path), 0640u);
    EXPECT_EQ(SafeFileWriter::replace(path, ""), SafeWriteStatus::Ok);
    EXPECT_EQ(readBytes(path), "");
}

TEST(SafeFileWriterReplace, ReadOnlyTargetIsRefusedEvenForAPrivilegedUser) {
    TempDir dir;
    const auto path = dir / "ro.bin";
    writeBytes(path, "keep");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(SafeFileWriter::replace(path, "new"), SafeWriteStatus::ReadOnlyTarget);
    EXPECT_EQ(readBytes(path), "keep");
    EXPECT_EQ(modeOf(path), 0444u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(SafeFileWriterReplace, FoldersAndPathsUnderFilesFailWithoutTraces) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    writeBytes(dir / "file", "x");
    EXPECT_EQ(SafeFileWriter::replace(dir / "folder", "new"), SafeWriteStatus::NotARegularFile);
    EXPECT_EQ(SafeFileWriter::replace(dir / "file" / "x", "new"), SafeWriteStatus::CannotInspect);
    EXPECT_EQ(SafeFileWriter::replace(dir / "missing" / "x", "new"), SafeWriteStatus::CannotCreateTemp);
    EXPECT_EQ(SafeFileWriter::replace("", "new"), SafeWriteStatus::CannotInspect);
    EXPECT_EQ(readBytes(dir / "file"), "x");
    EXPECT_EQ(entriesIn(dir.path()), 2u);
}

TEST(SafeFileWriterReplace, ASymbolicLinkStaysAndItsFileIsReplaced) {
    TempDir dir;
    writeBytes(dir / "real.bin", "old");
    std::filesystem::create_symlink(dir / "real.bin", dir / "link.bin");
    ASSERT_EQ(SafeFileWriter::replace(dir / "link.bin", "new"), SafeWriteStatus::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.bin"));
    EXPECT_EQ(readBytes(dir / "real.bin"), "new");
}

TEST(SafeFileWriterReplace, FailuresCarryTheSystemsReason) {
    TempDir dir;
    writeBytes(dir / "file", "x");
    const SafeWriteResult underFile = SafeFileWriter::replace(dir / "file" / "x.pdf", "new");
    EXPECT_EQ(underFile.systemError, ENOTDIR);
    EXPECT_EQ(describeWriteFailure(underFile), "Not a directory");
    EXPECT_TRUE(underFile.openFailed());
    const SafeWriteResult missing = SafeFileWriter::replace(dir / "missing" / "x.pdf", "new");
    EXPECT_EQ(describeWriteFailure(missing), "No such file or directory");
    EXPECT_EQ(fileErrorMessage(missing, dir / "missing" / "x.pdf"),
              "File Open Error: \n" + (dir / "missing" / "x.pdf").string() + "\nNo such file or directory");
}

TEST(SafeFileWriterTargets, DevicesAndFifosAreRefusedAndLeftAlone) {
    TempDir dir;
    const auto device = dir / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) GTEST_SKIP() << "mknod needs privileges";
    const auto fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const auto& target : {device, fifo}) {
        const SafeWriteResult result = SafeFileWriter::replace(target, "new");
        EXPECT_EQ(result, SafeWriteStatus::NotARegularFile) << target;
        EXPECT_NE(describeWriteFailure(result).find("not a regular file"), std::string::npos);
    }
    struct stat info {};
    ASSERT_EQ(::lstat(device.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    ASSERT_EQ(::lstat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(entriesIn(dir.path()), 2u);
}

TEST(SafeFileWriterTargets, ALinkToAMissingFileCreatesItWhereItPoints) {
    TempDir dir;
    std::filesystem::create_directory(dir / "real");
    std::filesystem::create_symlink("real/new.bin", dir / "link.bin");
    ASSERT_EQ(SafeFileWriter::replace(dir / "link.bin", "new"), SafeWriteStatus::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.bin"));
    EXPECT_EQ(readBytes(dir / "real" / "new.bin"), "new");
}

TEST(SafeFileWriterTargets, APrivateFileKeepsItsModeAndOwner) {
    TempDir dir;
    const auto path = dir / "private.tvp";
    writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    const bool privileged = ::geteuid() == 0;
    if (privileged) {
        ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    }
    ASSERT_EQ(SafeFileWriter::replace(path, "new"), SafeWriteStatus::Ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    if (privileged) {
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 4322u);
    }
}

TEST(SafeFileWriterPieces, AnUncommittedWriterLeavesTheOldFileAndNoTemporaryFile) {
    TempDir dir;
    const auto path = dir / "old.bin";
    writeBytes(path, "old");
    {
        SafeFileWriter writer(path);
        ASSERT_TRUE(writer.open().ok());
        ASSERT_TRUE(writer.write("partial").ok());
        EXPECT_EQ(entriesIn(dir.path()), 2u);
    }
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

// A full file system: a small tmpfs the test mounts, filled up.
class SafeFileWriterFullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, "size=256k") != 0) {
            GTEST_SKIP() << "cannot mount a small tmpfs here (needs root outside a strict container)";
        }
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) ::umount(dir_.path().c_str());
    }
    TempDir dir_;
    bool mounted_ = false;
};

TEST_F(SafeFileWriterFullDisk, TheOldFileStaysAndNothingIsLeftBehind) {
    const auto path = dir_ / "report.pdf";
    writeBytes(path, "old report");
    const SafeWriteResult result = SafeFileWriter::replace(path, std::string(std::size_t{512} * 1024, 'x'));
    EXPECT_EQ(result, SafeWriteStatus::WriteFailed);
    EXPECT_EQ(describeWriteFailure(result), "No space left on device");
    EXPECT_EQ(readBytes(path), "old report");
    EXPECT_EQ(entriesIn(dir_.path()), 1u);
}

// A writer in a child process that stops half-way and waits to be signalled.
class SafeFileWriterInterrupted : public ::testing::Test {
protected:
    // Forks a child that writes half of the new file and then waits; returns
    // once the half is written.
    void startWriter() {
        writeBytes(path_, "old contents");
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        child_ = ::fork();
        ASSERT_GE(child_, 0);
        if (child_ == 0) {
            ::close(ready[0]);
            SafeFileWriter writer(path_);
            writer.open();
            writer.write(std::string(1 << 20, 'n'));
            [[maybe_unused]] const auto sent = ::write(ready[1], "x", 1);
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
    }
    int stopWriter(int signal) {
        ::kill(child_, signal);
        int status = 0;
        ::waitpid(child_, &status, 0);
        return status;
    }
    TempDir dir_;
    std::filesystem::path path_ = dir_ / "project.tvp";
    pid_t child_ = -1;
};

TEST_F(SafeFileWriterInterrupted, SigkillMidWriteLeavesTheOldFileIntact) {
    startWriter();
    EXPECT_EQ(entriesIn(dir_.path()), 2u); // the old file and the half-written temporary file
    const int status = stopWriter(SIGKILL);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readBytes(path_), "old contents");
}

TEST_F(SafeFileWriterInterrupted, SigtermAndSigintRemoveTheTemporaryFile) {
    for (const int signal : {SIGTERM, SIGINT}) {
        startWriter();
        const int status = stopWriter(signal);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(readBytes(path_), "old contents");
        EXPECT_EQ(entriesIn(dir_.path()), 1u) << "signal " << signal;
    }
}

TEST(SafeFileWriterConcurrent, TwoProcessesWritingOneFileLeaveOneWholeVersion) {
    TempDir dir;
    const auto path = dir / "out.pdf";
    const std::string first(2 << 20, 'a');
    const std::string second(3 << 20, 'b');
    pid_t children[2];
    for (int i = 0; i < 2; ++i) {
        children[i] = ::fork();
        ASSERT_GE(children[i], 0);
        if (children[i] == 0) {
            for (int round = 0; round < 5; ++round) {
                if (!SafeFileWriter::replace(path, i == 0 ? first : second).ok()) ::_exit(1);
            }
            ::_exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string result = readBytes(path);
    EXPECT_TRUE(result == first || result == second) << "a mixed file of " << result.size() << " bytes";
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

} // namespace
} // namespace tarvo
