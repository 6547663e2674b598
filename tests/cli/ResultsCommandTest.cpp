#include "cli/ResultsCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/ExportCommand.h"
#include "core/text/CsvTable.h"
#include "core/text/TextFileDecoding.h"
#include "support/TestFiles.h"

namespace tarvo::cli {
namespace {

using test::readBytes;
using test::TempDir;

const std::filesystem::path kSamples = TARVO_SAMPLES_DIR;

int runResults(const std::vector<std::string>& args, const TempDir& dir, std::string& err) {
    std::ostringstream out;
    std::ostringstream errStream;
    const int status = runResultsCommand(args, dir / "Tarvo.ini", out, errStream);
    err = errStream.str();
    return status;
}

TEST(ResultsCommand, WritesOneRowPerItemWithVerdicts) {
    TempDir dir;
    const auto csv = dir / "results.csv";
    std::string err;
    ASSERT_EQ(runResults({(kSamples / "mixed-with-ng.tvp").string(), "-o", csv.string()}, dir, err), kCsvExitDone)
        << err;
    const std::string bytes = readBytes(csv);
    ASSERT_TRUE(bytes.starts_with(kUtf8ByteOrderMark));
    const CsvTable table = parseCsv(std::string_view(bytes).substr(kUtf8ByteOrderMark.size()));
    ASSERT_EQ(table.records.size(), 5u);
    EXPECT_EQ(table.records[0].cells[0], "No");
    EXPECT_EQ(table.records[2].cells[1], "１階柱 過大軸力");
    EXPECT_NE(bytes.find(",NG"), std::string::npos);
    EXPECT_NE(bytes.find("細長比が 150 を超えています。"), std::string::npos);
}

TEST(ResultsCommand, FailuresWriteNothing) {
    TempDir dir;
    std::string err;
    const auto csv = dir / "results.csv";
    EXPECT_EQ(runResults({(dir / "none.tvp").string(), "-o", csv.string()}, dir, err), kCsvExitFailed);
    EXPECT_FALSE(std::filesystem::exists(csv));
    test::writeBytes(dir / "file", "x");
    const auto unwritable = dir / "file" / "results.csv";
    EXPECT_EQ(runResults({(kSamples / "lvl-wind.tvp").string(), "-o", unwritable.string()}, dir, err), kCsvExitFailed);
    EXPECT_NE(err.find("CSV ファイルの書き出しに失敗しました。"), std::string::npos) << err;
    EXPECT_EQ(runResults({(kSamples / "lvl-wind.tvp").string()}, dir, err), kCsvExitFailed);
}

} // namespace
} // namespace tarvo::cli
