#include "core/project/ColumnsCsvFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/project/ResultsCsvWriter.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

const std::filesystem::path kCsv = std::filesystem::path(TARVO_TEST_DATA_DIR) / "csv";
const std::filesystem::path kSamples = TARVO_SAMPLES_DIR;

struct Project {
    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
};

void loadSample(Project& p, const char* file) {
    ASSERT_EQ(LoadProject(kSamples / file, p.common, p.columns, p.messages), 0);
}

TEST(ColumnsCsvFileImport, AppendsAfterTheListAndTellsWhere) {
    Project p;
    loadSample(p, "sawn-lumber-wind.tvp");
    const int before = p.columns.Count();
    const CsvImportOutcome outcome =
        ImportColumnsCsv(kCsv / "quoted-names.csv", p.common, p.columns, CsvImportMode::Append, p.messages);
    EXPECT_TRUE(outcome.imported);
    EXPECT_EQ(outcome.firstIndex, before);
    EXPECT_EQ(outcome.count, 5);
    EXPECT_EQ(p.columns.Count(), before + 5);
    EXPECT_EQ(p.columns.Item(before).Name, "柱, 通り1");
    EXPECT_TRUE(p.messages.entries.empty());
}

TEST(ColumnsCsvFileImport, ReplacesTheList) {
    Project p;
    loadSample(p, "sawn-lumber-wind.tvp");
    const CsvImportOutcome outcome =
        ImportColumnsCsv(kCsv / "name-and-forces.csv", p.common, p.columns, CsvImportMode::Replace, p.messages);
    EXPECT_TRUE(outcome.imported);
    EXPECT_EQ(outcome.firstIndex, 0);
    EXPECT_EQ(p.columns.Count(), 2);
    EXPECT_EQ(p.columns.Item(1).Name, "C2");
}

TEST(ColumnsCsvFileImport, RefusedFileChangesNothingAndListsItsProblems) {
    for (const auto mode : {CsvImportMode::Append, CsvImportMode::Replace}) {
        Project p;
        loadSample(p, "mixed-with-ng.tvp");
        const std::string before = serializeProject(p.common.input(), p.columns);
        const auto path = kCsv / "refused" / "many-problems.csv";
        EXPECT_FALSE(ImportColumnsCsv(path, p.common, p.columns, mode, p.messages).imported);
        EXPECT_EQ(serializeProject(p.common.input(), p.columns), before);
        ASSERT_EQ(p.messages.entries.size(), 1u);
        const std::string& text = p.messages.entries[0].text;
        EXPECT_EQ(p.messages.entries[0].kind, MessageKind::Error);
        EXPECT_TRUE(text.starts_with("CSV ファイルを読み込めませんでした。\n" + path.string() + "\n2 行目 B: "))
            << text;
        EXPECT_NE(text.find("\n11 行目 B: \"x10\" は数値ではありません。\nほか 2 件"), std::string::npos) << text;
        EXPECT_EQ(text.find("12 行目"), std::string::npos);
    }
}

TEST(ColumnsCsvFileImport, MissingFileCannotBeOpened) {
    Project p;
    TempDir dir;
    const auto path = dir / "none.csv";
    EXPECT_FALSE(ImportColumnsCsv(path, p.common, p.columns, CsvImportMode::Append, p.messages).imported);
    ASSERT_EQ(p.messages.entries.size(), 1u);
    EXPECT_EQ(p.messages.entries[0].text,
              "ファイルを開くことが出来ませんでした。\n" + path.string() + "\nNo such file or directory");
    EXPECT_EQ(p.columns.Count(), 1);
}

TEST(ColumnsCsvFileImport, AFileAboveTheLimitSaysItIsTooLargeAndNamesTheLimit) {
    Project p;
    TempDir dir;
    const auto path = dir / "huge.csv";
    writeBytes(path, "Name\n" + std::string(kMaxCsvFileBytes, 'n'));
    EXPECT_FALSE(ImportColumnsCsv(path, p.common, p.columns, CsvImportMode::Append, p.messages).imported);
    ASSERT_EQ(p.messages.entries.size(), 1u);
    EXPECT_EQ(p.messages.entries[0].text,
              "CSV ファイルが大きすぎます。読み込めるのは 64 MiB までです。\n" + path.string());
    EXPECT_EQ(p.columns.Count(), 1);
}

TEST(ColumnsCsvFileExport, ItemsFileReadsBackIntoTheSameProject) {
    Project p;
    loadSample(p, "glulam-wind-1458.tvp");
    TempDir dir;
    const auto path = dir / "items.csv";
    ASSERT_EQ(ExportColumnsCsv(path, p.columns, p.messages), 0);
    Project q;
    loadSample(q, "glulam-wind-1458.tvp");
    ASSERT_TRUE(ImportColumnsCsv(path, q.common, q.columns, CsvImportMode::Replace, q.messages).imported);
    EXPECT_EQ(serializeProject(q.common.input(), q.columns), serializeProject(p.common.input(), p.columns));
}

TEST(ColumnsCsvFileExport, FailureLeavesTheOldFileAndSaysSo) {
    Project p;
    TempDir dir;
    // A path below a regular file cannot be written, even as root.
    writeBytes(dir / "file", "x");
    const auto path = dir / "file" / "items.csv";
    EXPECT_EQ(ExportColumnsCsv(path, p.columns, p.messages), 1);
    ASSERT_EQ(p.messages.entries.size(), 1u);
    EXPECT_EQ(p.messages.entries[0].text,
              "CSV ファイルの書き出しに失敗しました。\n" + path.string() + "\nNot a directory");

    const MatDataBase catalogue;
    ColumnCheck check(catalogue, p.common);
    EXPECT_EQ(ExportResultsCsv(path, p.columns, check, p.messages), 1);
    EXPECT_EQ(p.messages.entries.size(), 2u);
}

TEST(ColumnsCsvFileExport, ResultsFileHoldsOneRowPerItem) {
    Project p;
    loadSample(p, "mixed-with-ng.tvp");
    TempDir dir;
    const auto path = dir / "results.csv";
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, p.common);
    ASSERT_EQ(ExportResultsCsv(path, p.columns, check, p.messages), 0);
    const std::string bytes = readBytes(path);
    std::size_t lines = 0;
    for (const char c : bytes)
        lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(lines, static_cast<std::size_t>(p.columns.Count()) + 1);
    EXPECT_NE(bytes.find("１階柱 過大軸力"), std::string::npos);
}

} // namespace
} // namespace tarvo
