#include "core/text/IniFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/text/Cp932Codec.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(IniFileReading, SectionsAndKeysAreFoundWithoutRegardToCaseInFileOrder) {
    const IniFile ini = IniFile::parse("; settings\r\n[Common]\r\nV0Index = 3\r\nroughindex=0\r\n"
                                       "[Print Layout]\r\nTop=10\r\n");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Common", "Print Layout"}));
    EXPECT_EQ(ini.getInt("COMMON", "v0index", 0), 3);
    EXPECT_EQ(ini.getInt("common", "RoughIndex", 2), 0);
    EXPECT_EQ(ini.entries("Common"), (std::vector<IniFile::Entry>{{"V0Index", "3"}, {"roughindex", "0"}}));
    EXPECT_FALSE(ini.find("Print Layout", "V0Index").has_value());
}

TEST(IniFileReading, MissingOrUnusableValuesGiveTheDefault) {
    const IniFile ini = IniFile::parse("[S]\nword=abc\nhalf=12x\nbig=99999999999\nneg=-4\nplus=+7\nempty=\n");
    EXPECT_EQ(ini.getInt("S", "missing", 5), 5);
    EXPECT_EQ(ini.getInt("Other", "word", 5), 5);
    EXPECT_EQ(ini.getInt("S", "word", 5), 5);
    EXPECT_EQ(ini.getInt("S", "half", 5), 5);
    EXPECT_EQ(ini.getInt("S", "big", 5), 5);
    EXPECT_EQ(ini.getInt("S", "empty", 5), 5);
    EXPECT_EQ(ini.getInt("S", "neg", 5), -4);
    EXPECT_EQ(ini.getInt("S", "plus", 5), 7);
    EXPECT_EQ(ini.getString("S", "empty", "x"), "");
    EXPECT_EQ(ini.getString("S", "missing", "x"), "x");
}

TEST(IniFileReading, BoolsAreStoredAsOneAndZero) {
    const IniFile ini = IniFile::parse("[S]\non=1\noff=0\nodd=2\n");
    EXPECT_TRUE(ini.getBool("S", "on", false));
    EXPECT_FALSE(ini.getBool("S", "off", true));
    EXPECT_TRUE(ini.getBool("S", "odd", false));
    EXPECT_TRUE(ini.getBool("S", "missing", true));
}

TEST(IniFileReading, FirstOfDuplicatedKeysWinsAndQuotesAreDropped) {
    const IniFile ini = IniFile::parse("[S]\nk=1\nK=2\npath=\"C:\\Program Files\\x\"\nno equals sign\n");
    EXPECT_EQ(ini.getInt("S", "k", 0), 1);
    EXPECT_EQ(ini.getString("S", "path"), "C:\\Program Files\\x");
}

TEST(IniFileReading, Cp932TextIsReadAsUtf8) {
    // "表" ends in 0x5C, an ASCII byte value: it must stay part of its character.
    const IniFile ini = IniFile::parse(toCp932("[Print Header]\nTitle=構造計算書 表\n"));
    EXPECT_EQ(ini.getString("Print Header", "Title"), "構造計算書 表");
}

TEST(IniFileWriting, OtherSectionsKeepEveryByte) {
    const std::string before = toCp932("; 設定\r\n[LaTeX2e]\r\nCompiler = platex.exe\r\n\r\n[Common]\r\nV0Index=1\r\n"
                                       "Old=9\r\n\r\n[Print Layout]\r\nTop=10\r\n; note\r\nBottom=\"5\"\r\n");
    IniFile ini = IniFile::parse(before);
    ini.setSection("common", {{"V0Index", "3"}, {"RoughIndex", "0"}});
    const std::string after = ini.toBytes();
    // The written key changes in its line, the new key follows the section's
    // keys, and the key this program does not write stays.
    EXPECT_EQ(after, toCp932("; 設定\r\n[LaTeX2e]\r\nCompiler = platex.exe\r\n\r\n[Common]\r\nV0Index=3\r\n"
                             "Old=9\r\nRoughIndex=0\r\n\r\n[Print Layout]\r\nTop=10\r\n; note\r\nBottom=\"5\"\r\n"));
}

TEST(IniFileWriting, KeysAreRewrittenInPlaceWhateverTheirCase) {
    IniFile ini = IniFile::parse("[Common]\nroughindex = 1\n; kept\nSnowEria=0");
    ini.setSection("Common", {{"RoughIndex", "3"}, {"SnowEria", "1"}, {"V0Index", "2"}});
    EXPECT_EQ(ini.toBytes(), "[Common]\nRoughIndex=3\n; kept\nSnowEria=1\nV0Index=2\n");
    EXPECT_EQ(ini.getInt("Common", "roughINDEX", 0), 3);
}

TEST(IniFileWriting, MissingSectionIsAppendedWithTheFilesLineEnds) {
    IniFile ini = IniFile::parse("[A]\nx=1");
    ini.setSection("B", {{"y", "２"}});
    EXPECT_EQ(ini.toBytes(), "[A]\nx=1\n[B]\ny=" + toCp932("２") + "\n");
    EXPECT_EQ(ini.getString("B", "y"), "２");
}

TEST(IniFileWriting, WriteSectionCreatesAMissingFileAndKeepsTheRest) {
    TempDir dir;
    const auto path = dir / "Tarvo.ini";
    ASSERT_TRUE(IniFile::writeSection(path, "Common", {{"V0Index", "3"}}));
    EXPECT_EQ(readBytes(path), "[Common]\r\nV0Index=3\r\n");

    ASSERT_TRUE(IniFile::writeSection(path, "BaseMat Default", {{"SelectProduct", "4"}}));
    ASSERT_TRUE(IniFile::writeSection(path, "Common", {{"V0Index", "5"}}));
    IniFile reread;
    ASSERT_TRUE(reread.load(path));
    EXPECT_EQ(reread.getInt("Common", "V0Index", 0), 5);
    EXPECT_EQ(reread.getInt("BaseMat Default", "SelectProduct", 0), 4);
}

TEST(IniFileWriting, WriteSectionMakesTheMissingConfigurationFolder) {
    TempDir dir;
    const auto path = dir / "config" / "tarvo-posts" / "Tarvo.ini";
    ASSERT_TRUE(IniFile::writeSection(path, "Common", {{"V0Index", "3"}}));
    EXPECT_EQ(readBytes(path), "[Common]\r\nV0Index=3\r\n");
}

TEST(IniFileWriting, FailedWriteLeavesTheFileAsItWas) {
    TempDir dir;
    const auto path = dir / "Tarvo.ini";
    writeBytes(path, "[Common]\nV0Index=1\n");
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(IniFile::writeSection(path, "Common", {{"V0Index", "3"}}));
    EXPECT_EQ(readBytes(path), "[Common]\nV0Index=1\n");
    // A path under a regular file cannot be written at all.
    EXPECT_FALSE(IniFile::writeSection(path / "Tarvo.ini", "Common", {{"V0Index", "3"}}));
}

} // namespace
} // namespace tarvo
