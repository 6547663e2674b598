#include "core/text/SafeFileWriter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

} // namespace
} // namespace tarvo
