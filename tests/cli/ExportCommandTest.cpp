#include "cli/ExportCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/ImportCommand.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "support/TestFiles.h"

namespace tarvo::cli {
namespace {

using test::readBytes;
using test::TempDir;

const std::filesystem::path kSamples = TARVO_SAMPLES_DIR;

struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

template <typename Command>
CommandResult run(Command command, const std::vector<std::string>& args, const TempDir& dir) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, dir / "Tarvo.ini", out, err);
    return {status, out.str(), err.str()};
}

TEST(ExportCommand, SampleExportedAndImportedIntoANewProjectKeepsEveryItem) {
    TempDir dir;
    const auto sample = kSamples / "dimension-lumber.tvp";
    const auto csv = dir / "items.csv";
    const CommandResult exported = run(runExportCommand, {sample.string(), "-o", csv.string()}, dir);
    ASSERT_EQ(exported.status, kCsvExitDone) << exported.err;
    const auto project = dir / "new.tvp";
    const CommandResult imported = run(runImportCommand, {csv.string(), "-o", project.string()}, dir);
    ASSERT_EQ(imported.status, kCsvExitDone) << imported.err;

    CommonData common;
    ColumnsData original;
    ColumnsData again;
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(sample, common, original, messages), 0);
    ASSERT_EQ(LoadProject(project, common, again, messages), 0);
    ASSERT_EQ(again.Count(), original.Count());
    for (int i = 0; i < original.Count(); ++i)
        EXPECT_EQ(again.Item(i).input(), original.Item(i).input()) << i;
}

TEST(ExportCommand, UnreadableProjectWritesNothing) {
    TempDir dir;
    const auto csv = dir / "items.csv";
    const CommandResult r = run(runExportCommand, {(dir / "none.tvp").string(), "-o", csv.string()}, dir);
    EXPECT_EQ(r.status, kCsvExitFailed);
    EXPECT_NE(r.err.find("ファイルを開くことが出来ませんでした。"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST(ExportCommand, NeverWritesOverTheProject) {
    TempDir dir;
    const auto project = dir / "p.tvp";
    std::filesystem::copy_file(kSamples / "lvl-wind.tvp", project);
    const std::string before = readBytes(project);
    const CommandResult r = run(runExportCommand, {project.string(), "-o", project.string()}, dir);
    EXPECT_EQ(r.status, kCsvExitFailed);
    EXPECT_EQ(readBytes(project), before);
}

TEST(ExportCommand, BadUsage) {
    TempDir dir;
    EXPECT_EQ(run(runExportCommand, {}, dir).status, kCsvExitFailed);
    EXPECT_EQ(run(runExportCommand, {"a.tvp"}, dir).status, kCsvExitFailed);
    EXPECT_EQ(run(runExportCommand, {"a.tvp", "-o"}, dir).status, kCsvExitFailed);
    EXPECT_EQ(run(runExportCommand, {"a.tvp", "--into", "b.tvp", "-o", "c.csv"}, dir).status, kCsvExitFailed);
    const CommandResult twoInputs = run(runExportCommand, {"a.tvp", "b.tvp", "-o", "c.csv"}, dir);
    EXPECT_EQ(twoInputs.status, kCsvExitFailed);
    EXPECT_NE(twoInputs.err.find("Usage: tarvo-posts export FILE.tvp -o ITEMS.csv"), std::string::npos);
}

TEST(ExportCommand, CsvCommandsAreSubcommandsNeverTheWindow) {
    for (const char* command : {"export", "results", "import"})
        EXPECT_FALSE(opensWindow({command})) << command;
    std::ostringstream usage;
    printUsage(usage);
    for (const char* line : {"tarvo-posts export FILE.tvp -o ITEMS.csv", "tarvo-posts results FILE.tvp -o RESULTS.csv",
                             "tarvo-posts import ITEMS.csv -o FILE.tvp [--into EXISTING.tvp]"})
        EXPECT_NE(usage.str().find(line), std::string::npos) << line;
}

} // namespace
} // namespace tarvo::cli
