#include "core/project/FileHistory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/text/Cp932Codec.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using std::filesystem::path;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// A folder with a few project files and the history file beside them.
class FileHistoryTest : public ::testing::Test {
protected:
    path project(const std::string& name) {
        path file = dir_ / name;
        writeBytes(file, "project");
        return file;
    }
    // "p<i>.tvp"; appended piece by piece (g++ 12 warns falsely on "p" + to_string).
    path numbered(int i) {
        std::string name = std::to_string(i);
        name.insert(name.begin(), 'p');
        name += ".tvp";
        return project(name);
    }
    path historyFile() const { return dir_ / "Tarvo_File.history"; }

    TempDir dir_;
};

TEST_F(FileHistoryTest, OpeningAThenBListsAOnlyAndSavesBThenA) {
    const path a = project("A.tvp");
    const path b = project("通し柱.tvp");
    FileHistory history;
    history.load(historyFile());
    EXPECT_FALSE(history.remake(a)); // nothing was open before
    EXPECT_TRUE(history.remake(b));
    EXPECT_EQ(history.entries(), std::vector<path>{a});
    EXPECT_EQ(history.currentFile(), b);

    ASSERT_TRUE(history.save());
    EXPECT_EQ(readBytes(historyFile()), toCp932(b.string()) + "\r\n" + a.string() + "\r\n");
}

TEST_F(FileHistoryTest, ReopeningAnEntryTakesItOutOfTheList) {
    const path a = project("A.tvp");
    const path b = project("B.tvp");
    FileHistory history;
    history.remake(a);
    history.remake(b);
    EXPECT_TRUE(history.remake(a));
    EXPECT_EQ(history.entries(), std::vector<path>{b});
    // A new project keeps the list and its file goes on top.
    EXPECT_TRUE(history.remake(path()));
    EXPECT_EQ(history.entries(), (std::vector<path>{a, b}));
    EXPECT_TRUE(history.currentFile().empty());
}

TEST_F(FileHistoryTest, NamesDifferingOnlyInLetterCaseAreTwoProjects) {
    const path upper = project("A.tvp");
    const path lower = project("a.tvp");
    FileHistory history;
    history.remake(upper);
    history.remake(lower);
    history.remake(path());
    EXPECT_EQ(history.entries(), (std::vector<path>{lower, upper}));
}

TEST_F(FileHistoryTest, AVanishedCurrentFileDoesNotEnterTheList) {
    const path a = project("A.tvp");
    FileHistory history;
    history.remake(a);
    std::filesystem::remove(a);
    EXPECT_FALSE(history.remake(project("B.tvp")));
    EXPECT_TRUE(history.entries().empty());
}

TEST_F(FileHistoryTest, KeepsAtMostTenEntries) {
    FileHistory history;
    std::vector<path> files;
    for (int i = 0; i < 12; ++i) {
        files.push_back(numbered(i));
        history.remake(files.back());
    }
    ASSERT_EQ(history.entries().size(), 10u);
    EXPECT_EQ(history.entries().front(), files[10]);
    EXPECT_EQ(history.entries().back(), files[1]);
    // Saving under the current name keeps all ten: the current file is not
    // put on top and taken out again at the cost of the oldest entry.
    history.remake(files[11]);
    EXPECT_EQ(history.entries().size(), 10u);
    EXPECT_EQ(history.entries().back(), files[1]);
}

TEST_F(FileHistoryTest, LoadDropsVanishedRepeatedAndBrokenLinesAndReadsBareLineFeeds) {
    const path a = project("A.tvp");
    const path b = project("B.tvp");
    writeBytes(historyFile(), a.string() + "\r\n" + (dir_ / "gone.tvp").string() + "\n\r\n" + a.string() +
                                  "\r\n\x80\x80\r\n" + b.string());
    FileHistory history;
    history.load(historyFile());
    EXPECT_EQ(history.entries(), (std::vector<path>{a, b}));
    EXPECT_TRUE(history.currentFile().empty());
}

TEST_F(FileHistoryTest, LoadKeepsTheFirstTenEntries) {
    std::string lines;
    std::vector<path> files;
    for (int i = 0; i < 12; ++i) {
        files.push_back(numbered(i));
        lines += files.back().string() + "\r\n";
    }
    writeBytes(historyFile(), lines);
    FileHistory history;
    history.load(historyFile());
    EXPECT_EQ(history.entries(), std::vector<path>(files.begin(), files.begin() + 10));
}

TEST_F(FileHistoryTest, MissingOrUnreadableFileGivesAnEmptyHistory) {
    FileHistory missing;
    missing.load(historyFile());
    EXPECT_TRUE(missing.entries().empty());
    std::filesystem::create_directory(historyFile());
    FileHistory folder;
    folder.load(historyFile());
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(FileHistoryTest, PathsCodePage932CannotHoldStayInTheListButNotInTheFile) {
    const path euro = project("price€.tvp"); // no CP932 form at all
    const path wave = project("a〜b.tvp");   // would come back as "a～b.tvp", another file
    const path broken = project("\xff.tvp"); // not UTF-8
    const path plain = project("plain.tvp");
    FileHistory history;
    history.load(historyFile());
    for (const path& file : {plain, euro, wave, broken})
        history.remake(file);
    history.remake(path());
    EXPECT_EQ(history.entries().size(), 4u);
    ASSERT_TRUE(history.save());
    EXPECT_EQ(readBytes(historyFile()), plain.string() + "\r\n");
}

TEST_F(FileHistoryTest, EmptyListWritesNothing) {
    writeBytes(historyFile(), "kept as it is\r\n");
    FileHistory history;
    history.load(historyFile()); // the line names no file: the list is empty
    ASSERT_TRUE(history.entries().empty());
    EXPECT_TRUE(history.save());
    EXPECT_EQ(readBytes(historyFile()), "kept as it is\r\n");
}

TEST_F(FileHistoryTest, AnUnchangedListIsNotWrittenAgain) {
    const path a = project("A.tvp");
    writeBytes(historyFile(), a.string() + "\r\n");
    // A read-only file would refuse a write: saving succeeds only because
    // nothing needs to be written.
    ASSERT_EQ(::chmod(historyFile().c_str(), 0444), 0);
    FileHistory history;
    history.load(historyFile());
    EXPECT_TRUE(history.save());
    history.remake(project("B.tvp"));
    EXPECT_FALSE(history.save());
    EXPECT_EQ(readBytes(historyFile()), a.string() + "\r\n");
}

TEST_F(FileHistoryTest, FirstSaveMakesTheMissingConfigurationFolder) {
    const path file = dir_ / "config" / "tarvo-posts" / "Tarvo_File.history";
    FileHistory history;
    history.load(file);
    const path a = project("A.tvp");
    history.remake(a);
    history.remake({});
    ASSERT_TRUE(history.save());
    EXPECT_EQ(readBytes(file), a.string() + "\r\n");
}

TEST_F(FileHistoryTest, SaveFailsWhereNoFileCanBeWritten) {
    writeBytes(dir_ / "file", "x");
    FileHistory history;
    history.load(dir_ / "file" / "Tarvo_File.history");
    history.remake(project("A.tvp"));
    EXPECT_FALSE(history.save());
}

} // namespace
} // namespace tarvo
