#include "core/text/BufferedFileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TestFiles.h"

namespace tarvo {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(BufferedFileWriter, PiecesOfAnySizeMakeTheFileInOrder) {
    TempDir dir;
    const auto path = dir / "out.tex";
    BufferedFileWriter file(path, 16);
    ASSERT_TRUE(file.open().ok());
    std::string expected;
    // Pieces below, at and above the buffer size, and an empty one.
    const std::string pieces[] = {"abc", "0123456789abcdef", "", "x", std::string(40, 'y'), std::string("z\0z", 3)};
    for (const std::string& piece : pieces) {
        EXPECT_TRUE(file.write(piece));
        expected += piece;
    }
    ASSERT_TRUE(file.commit().ok());
    EXPECT_EQ(readBytes(path), expected);
}

TEST(BufferedFileWriter, TargetChangesOnlyWithTheCommit) {
    TempDir dir;
    const auto path = dir / "out.csv";
    writeBytes(path, "old");
    {
        BufferedFileWriter file(path, 4);
        ASSERT_TRUE(file.open().ok());
        EXPECT_TRUE(file.write("new contents, more than the buffer"));
        EXPECT_EQ(readBytes(path), "old");
    }
    // Given up without a commit: the old file stays, no temporary file is left.
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(BufferedFileWriter, RefusedTargetFailsEveryWriteAndTheCommit) {
    TempDir dir;
    const auto folder = dir / "folder";
    std::filesystem::create_directory(folder);
    BufferedFileWriter file(folder);
    EXPECT_EQ(file.open(), SafeWriteStatus::NotARegularFile);
    EXPECT_FALSE(file.write("text"));
    EXPECT_EQ(file.commit(), SafeWriteStatus::NotARegularFile);
    EXPECT_EQ(file.result(), SafeWriteStatus::NotARegularFile);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

} // namespace
} // namespace tarvo
