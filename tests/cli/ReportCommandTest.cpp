#include "cli/ReportCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "support/TestFiles.h"

namespace tarvo::cli {
namespace {

TEST(ReportCommandItemList, ANumberNamedTwiceIsPrintedOnceWhereFirstNamed) {
    std::vector<int> indices;
    ASSERT_TRUE(parseItemList("3,1,2-4,1,3", 5, indices));
    EXPECT_EQ(indices, (std::vector<int>{2, 0, 1, 3}));
    std::string repeated = "1-5";
    for (int i = 0; i < 50; ++i)
        repeated += ",1-5";
    ASSERT_TRUE(parseItemList(repeated, 5, indices));
    EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_FALSE(parseItemList("1,6", 5, indices));
}

TEST(ReportCommandOutput, ControlCharactersOfNamesAreShown) {
    test::TempDir dir;
    CommonData common;
    ColumnsData columns;
    ColumnMember& item = columns.Item(0);
    item.Name = "X\x1b]0;title\a";
    item.B = 105;
    item.D = 105;
    item.Lkx = 2800;
    item.AxialForce = {12, 14, 16, 15, 14};
    RecordingMessageSink messages;
    ASSERT_EQ(SaveProject(dir / "p.tvp", common, columns, messages), 0);
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runReportCommand({(dir / "p.tvp").string()}, SettingsLocation::besideProgram(dir.path()), out, err),
              kReportExitOk)
        << err.str();
    EXPECT_EQ(out.str().find('\x1b'), std::string::npos);
    EXPECT_EQ(out.str().find('\a'), std::string::npos);
    EXPECT_NE(out.str().find("X\xE2\x90\x9B]0;title\xE2\x90\x87"), std::string::npos);
}

TEST(ReportCommandOutput, StoredLayoutWithoutRoomIsRefusedForTheBuiltInOne) {
    test::TempDir dir;
    CommonData common;
    ColumnsData columns;
    ColumnMember& item = columns.Item(0);
    item.B = 105;
    item.D = 105;
    item.Lkx = 2800;
    item.AxialForce = {12, 14, 16, 15, 14};
    RecordingMessageSink messages;
    ASSERT_EQ(SaveProject(dir / "p.tvp", common, columns, messages), 0);
    const SettingsLocation settings = SettingsLocation::besideProgram(dir.path());
    const auto run = [&](std::string& errText) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runReportCommand({(dir / "p.tvp").string()}, settings, out, err), kReportExitOk);
        errText = err.str();
        return out.str();
    };
    std::string err;
    const std::string builtIn = run(err);
    test::writeBytes(settings.settingsFile(), "[Print Layout]\r\nLeftMargin=300\r\nBodyFontSize=0\r\n");
    EXPECT_EQ(run(err), builtIn);
    EXPECT_NE(err.find("BodyFontSize（0 pt）"), std::string::npos) << err;
    EXPECT_NE(err.find("既定の印刷設定で印刷します。"), std::string::npos);
}

// The options put the summary and the list of materials on pages of their
// own before the legend; the stored layout can switch them on as well.
TEST(ReportCommandOutput, SummaryAndMaterialsPagesComeFirst) {
    test::TempDir dir;
    const std::string project = (std::filesystem::path(TARVO_SAMPLES_DIR) / "sawn-lumber-wind.tvp").string();
    const SettingsLocation settings = SettingsLocation::besideProgram(dir.path());
    std::ostringstream plain;
    std::ostringstream err;
    ASSERT_EQ(runReportCommand({project}, settings, plain, err), kReportExitOk) << err.str();
    std::ostringstream out;
    ASSERT_EQ(runReportCommand({project, "--materials", "--summary"}, settings, out, err), kReportExitOk) << err.str();
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("#0※柱の断面検定比一覧\n", 0), 0u);
    const auto materials = text.find("\f\n#0※使用構造材料一覧\n");
    ASSERT_NE(materials, std::string::npos);
    // The report as before follows on a page of its own, after the materials.
    const std::string firstLine = plain.str().substr(0, plain.str().find('\n') + 1);
    EXPECT_NE(text.find("\f\n" + firstLine, materials), std::string::npos);

    test::writeBytes(dir / "Tarvo.ini", "[Print Header]\r\nIsSummaryPrint=1\r\n");
    std::ostringstream stored;
    ASSERT_EQ(runReportCommand({project}, settings, stored, err), kReportExitOk) << err.str();
    EXPECT_EQ(stored.str().rfind("#0※柱の断面検定比一覧\n", 0), 0u);
    EXPECT_EQ(stored.str().find("使用構造材料一覧"), std::string::npos);
}

} // namespace
} // namespace tarvo::cli
