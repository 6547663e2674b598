#include "cli/ImportCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/ExportCommand.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "support/TestFiles.h"

namespace tarvo::cli {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

const std::filesystem::path kSamples = TARVO_SAMPLES_DIR;
const std::filesystem::path kCsv = std::filesystem::path(TARVO_TEST_DATA_DIR) / "csv";

struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

CommandResult runImport(const std::vector<std::string>& args, const TempDir& dir) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runImportCommand(args, dir / "Tarvo.ini", out, err);
    return {status, out.str(), err.str()};
}

struct Loaded {
    CommonData common;
    ColumnsData columns;
};

void load(const std::filesystem::path& path, Loaded& p) {
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(path, p.common, p.columns, messages), 0) << path;
}

TEST(ImportCommandNewProject, ItemsWithTheStoredDefaultMaterials) {
    TempDir dir;
    writeBytes(dir / "Tarvo.ini", "[ColumnMat Default]\r\nSelectProduct=2\r\n");
    const auto project = dir / "new.tvp";
    const CommandResult r = runImport({(kCsv / "name-and-forces.csv").string(), "-o", project.string()}, dir);
    ASSERT_EQ(r.status, kCsvExitDone) << r.err;
    EXPECT_EQ(r.out, "2 items imported, 2 in " + project.string() + "\n");
    Loaded p;
    load(project, p);
    ASSERT_EQ(p.columns.Count(), 2);
    EXPECT_EQ(p.columns.Item(0).Name, "C1");
    EXPECT_EQ(p.columns.Item(0).ColumnMaterial.SelectProduct, kGlulam);
    EXPECT_EQ(p.common.BuildingHeight, CommonData().BuildingHeight);
}

TEST(ImportCommandExisting, AppendsToTheProjectInPlace) {
    TempDir dir;
    const auto project = dir / "p.tvp";
    std::filesystem::copy_file(kSamples / "sawn-lumber-wind.tvp", project);
    Loaded before;
    load(project, before);
    const CommandResult r =
        runImport({(kCsv / "cp932-spreadsheet.csv").string(), "--into", project.string(), "-o", project.string()}, dir);
    ASSERT_EQ(r.status, kCsvExitDone) << r.err;
    Loaded after;
    load(project, after);
    ASSERT_EQ(after.columns.Count(), before.columns.Count() + 2);
    EXPECT_EQ(after.columns.Item(0).input(), before.columns.Item(0).input());
    EXPECT_EQ(after.columns.Item(before.columns.Count()).Name, "通り①～② ﾎﾟｰﾁ柱");
    EXPECT_EQ(after.common.input(), before.common.input());
}

TEST(ImportCommandExisting, TwoImportsIntoOneProjectAtOnceLoseNoItems) {
    TempDir dir;
    const auto project = dir / "p.tvp";
    std::filesystem::copy_file(kSamples / "sawn-lumber-wind.tvp", project);
    Loaded before;
    load(project, before);
    constexpr int kRows = 3000;
    constexpr int kRounds = 3;
    for (const char* name : {"a", "b"}) {
        std::string csv = "Name,B,D,Lkx,AxialForce0\n";
        for (int i = 0; i < kRows; ++i)
            csv += std::string(name) + std::to_string(i) + ",105,105,2800,10\n";
        writeBytes(dir / (std::string(name) + ".csv"), csv);
    }
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            const auto csv = dir / (c == 0 ? "a.csv" : "b.csv");
            for (int round = 0; round < kRounds; ++round) {
                if (runImport({csv.string(), "--into", project.string(), "-o", project.string()}, dir).status != 0)
                    ::_exit(1);
            }
            ::_exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Loaded after;
    load(project, after);
    EXPECT_EQ(after.columns.Count(), before.columns.Count() + 2 * kRounds * kRows);
}

TEST(ImportCommandRefused, AProjectPastTheReadersLimitIsNeverWritten) {
    TempDir dir;
    const auto project = dir / "p.tvp";
    std::filesystem::copy_file(kSamples / "sawn-lumber-wind.tvp", project);
    // Names of 40 MiB: one fits the project file, a second would take it past the reader's limit.
    writeBytes(dir / "big.csv", "Name\n" + std::string(40 << 20, 'n') + "\n");
    ASSERT_EQ(runImport({(dir / "big.csv").string(), "--into", project.string(), "-o", project.string()}, dir).status,
              kCsvExitDone);
    const std::string before = readBytes(project);
    const CommandResult r =
        runImport({(dir / "big.csv").string(), "--into", project.string(), "-o", project.string()}, dir);
    EXPECT_EQ(r.status, kCsvExitFailed);
    EXPECT_NE(r.err.find("プロジェクトファイルが上限の 64 MiB を超えます。"), std::string::npos) << r.err;
    EXPECT_TRUE(readBytes(project) == before);
}

TEST(ImportCommandRefused, RefusedFileWritesNothingAndListsItsProblems) {
    TempDir dir;
    const auto project = dir / "p.tvp";
    std::filesystem::copy_file(kSamples / "mixed-with-ng.tvp", project);
    const std::string before = readBytes(project);
    const CommandResult r = runImport(
        {(kCsv / "refused" / "outside-list.csv").string(), "--into", project.string(), "-o", project.string()}, dir);
    EXPECT_EQ(r.status, kCsvExitFailed);
    EXPECT_NE(r.err.find("CSV ファイルを読み込めませんでした。"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("3 行目 SelectProduct: 5 は選択肢 0～4 にありません。"), std::string::npos) << r.err;
    EXPECT_EQ(readBytes(project), before);

    const auto fresh = dir / "fresh.tvp";
    EXPECT_EQ(runImport({(kCsv / "refused" / "unknown-column.csv").string(), "-o", fresh.string()}, dir).status,
              kCsvExitFailed);
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

TEST(ImportCommandRefused, UnreadableInputsAndOutputs) {
    TempDir dir;
    const auto csv = dir / "items.csv";
    std::filesystem::copy_file(kCsv / "utf8-lf.csv", csv);
    // The CSV file itself as the output.
    const std::string before = readBytes(csv);
    const CommandResult self = runImport({csv.string(), "-o", csv.string()}, dir);
    EXPECT_EQ(self.status, kCsvExitFailed);
    EXPECT_EQ(readBytes(csv), before);
    // A project to append to that cannot be read.
    EXPECT_EQ(
        runImport({csv.string(), "--into", (dir / "none.tvp").string(), "-o", (dir / "o.tvp").string()}, dir).status,
        kCsvExitFailed);
    EXPECT_FALSE(std::filesystem::exists(dir / "o.tvp"));
    // A project that cannot be written.
    writeBytes(dir / "file", "x");
    const CommandResult unwritable = runImport({csv.string(), "-o", (dir / "file" / "o.tvp").string()}, dir);
    EXPECT_EQ(unwritable.status, kCsvExitFailed);
    EXPECT_NE(unwritable.err.find("データの保存に失敗しました。"), std::string::npos);
    // Usage.
    EXPECT_EQ(runImport({csv.string()}, dir).status, kCsvExitFailed);
    EXPECT_EQ(runImport({csv.string(), "-o", "x.tvp", "--into"}, dir).status, kCsvExitFailed);
}

} // namespace
} // namespace tarvo::cli
