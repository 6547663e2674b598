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

} // namespace
} // namespace tarvo::cli
