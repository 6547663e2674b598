#include "gui/print/SafeFileDevice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/text/BufferedFileWriter.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

using test::readBytes;
using test::TempDir;

TEST(SafeFileDevice, WritesGoIntoTheFileInOrderAndOnlyForward) {
    TempDir dir;
    const auto path = dir / "out.pdf";
    BufferedFileWriter file(path, 8);
    ASSERT_TRUE(file.open().ok());
    SafeFileDevice device(file);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    EXPECT_EQ(device.write("%PDF-1.4\n", 9), 9);
    EXPECT_EQ(device.write("1 0 obj"), 7);
    EXPECT_EQ(device.pos(), 16);
    // Going back would overwrite what the file already holds.
    EXPECT_FALSE(device.seek(3));
    EXPECT_TRUE(device.seek(16));
    device.close();
    ASSERT_TRUE(file.commit().ok());
    EXPECT_EQ(readBytes(path), "%PDF-1.4\n1 0 obj");
}

TEST(SafeFileDevice, RefusedFileFailsTheWrite) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    BufferedFileWriter file(dir / "folder");
    EXPECT_FALSE(file.open().ok());
    SafeFileDevice device(file);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    EXPECT_EQ(device.write("x", 1), -1);
    EXPECT_EQ(file.result(), SafeWriteStatus::NotARegularFile);
}

} // namespace
} // namespace tarvo::gui
