#include "core/project/ColumnsCsvWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/project/ColumnsCsvReader.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ItemFields.h"
#include "core/project/ProjectFile.h"
#include "core/text/CsvTable.h"
#include "core/text/TextFileDecoding.h"

namespace tarvo {
namespace {

const std::filesystem::path kSamples = TARVO_SAMPLES_DIR;

// The project bytes after the items were written as CSV and read back in
// place of the list's items.
std::string afterRoundTrip(const CommonData& common, const ColumnsData& columns) {
    const ColumnsCsvImport import = readColumnsCsv(writeColumnsCsv(columns), common);
    EXPECT_TRUE(import.accepted()) << (import.problems.empty() ? "" : import.problems.front());
    ColumnsData again;
    again.Replace(import.items);
    return serializeProject(common.input(), again);
}

TEST(ColumnsCsvWriterRoundTrip, EverySampleProjectComesBackBitForBit) {
    int samples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSamples)) {
        if (entry.path().extension() != ".tvp") continue;
        ++samples;
        CommonData common;
        ColumnsData columns;
        RecordingMessageSink messages;
        ASSERT_EQ(LoadProject(entry.path(), common, columns, messages), 0) << entry.path();
        EXPECT_EQ(afterRoundTrip(common, columns), serializeProject(common.input(), columns)) << entry.path();
    }
    EXPECT_GE(samples, 6);
}

TEST(ColumnsCsvWriterRoundTrip, NamesThatLookLikeFormulasComeBackExactly) {
    const std::vector<std::string> names{
        "=CMD|' /C calc'!A0", "+SUM(1)", "-1", "@x", "\tx", "'=x", "''+x", "'plain", "'"};
    CommonData common;
    ColumnsData columns;
    columns.Item(0).Name = names[0];
    for (std::size_t i = 1; i < names.size(); ++i) {
        ColumnMember item;
        item.Name = names[i];
        columns.Append(item);
    }
    const std::string csv = writeColumnsCsv(columns);
    // Names are written as they are; only one that begins with its own guard gets one more.
    EXPECT_NE(csv.find("\r\n=CMD|' /C calc'!A0,"), std::string::npos);
    EXPECT_NE(csv.find("\r\n''=x,"), std::string::npos);
    const ColumnsCsvImport import = readColumnsCsv(csv, common);
    ASSERT_TRUE(import.accepted());
    ASSERT_EQ(import.items.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(import.items[i].Name, names[i]);
}

TEST(ColumnsCsvWriterRoundTrip, EveryInputAwayFromItsDefaultComesBack) {
    CommonData common;
    ColumnsData columns;
    ColumnMember& a = columns.Item(0);
    a.Name = "通し柱, \"A\"\r\n２行目";
    a.ColumnMaterial = {1, 2, true, 3, 2, true, 6, 1, true, {9, 4, 35, 20, 99}, 1, {5, 13, 10, 29, 35}};
    a.BaseMaterial = {0, 1, false, 0, 1, false, 3, 0, true, {20, 2, 7, 6, 5}, 4, {1, 1, 2, 2, 3}};
    a.FloorIndex = 0;
    a.HeightZ = 5.3000000000000007;
    a.WindWidth = 1.365;
    a.Cf = 0.1 + 0.2;
    a.CfDirect = true;
    a.SizeCode = 206;
    a.B = 38;
    a.D = 140;
    a.Lkx = 2440;
    a.Lky = 1220;
    a.Lb = 1830;
    a.Members = 3;
    a.SubMembers = 2;
    a.AutoTenon = false;
    a.TenonB = 12;
    a.TenonD = 7;
    a.AxialForce = {1.5, 2.25, 1e-300, 123456.789, 0};
    a.LbDirect = true;
    a.LkyDirect = true;
    a.BaseNameIndex = 4;
    a.FcvUpper = true;
    a.UseAxisX = true;
    ColumnMember b;
    b.Name = "";
    b.Shape = kRound;
    b.D = 150;
    b.TenonD = -30; // the automatic tenon of an empty section
    columns.Append(b);
    EXPECT_EQ(afterRoundTrip(common, columns), serializeProject(common.input(), columns));
}

TEST(ColumnsCsvWriterFormat, MarkHeaderAndCrLfRows) {
    ColumnsData columns;
    columns.Item(0).Name = "１階柱";
    columns.Append(columns.Item(0));
    const std::string csv = writeColumnsCsv(columns);
    ASSERT_TRUE(csv.starts_with(kUtf8ByteOrderMark));
    const CsvTable table = parseCsv(std::string_view(csv).substr(kUtf8ByteOrderMark.size()));
    ASSERT_EQ(table.error, CsvError::None);
    ASSERT_EQ(table.records.size(), 3u);
    const auto& columnsOfFile = itemFields();
    ASSERT_EQ(table.records[0].cells.size(), columnsOfFile.size());
    for (std::size_t c = 0; c < columnsOfFile.size(); ++c)
        EXPECT_EQ(table.records[0].cells[c], columnsOfFile[c].name);
    EXPECT_EQ(table.records[0].cells.front(), "Name");
    EXPECT_EQ(table.records[1].cells.front(), "１階柱");
    // Every line ends in CR LF; no lone LF.
    std::size_t lf = 0;
    std::size_t crlf = 0;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        if (csv[i] != '\n') continue;
        ++lf;
        if (i > 0 && csv[i - 1] == '\r') ++crlf;
    }
    EXPECT_EQ(lf, 3u);
    EXPECT_EQ(crlf, lf);
}

TEST(ColumnsCsvWriterFormat, EveryInputFieldHasItsColumn) {
    // 1 name, 2 × 20 material values, 24 other values of the item, 3 after the horizontal member.
    EXPECT_EQ(itemFields().size(), 1u + 40u + 24u + 3u);
    for (const char* name :
         {"Name", "SelectProduct", "B", "D", "Lkx", "AxialForce0", "AxialForce4", "BaseSelectProduct",
          "BaseKindOfWood0", "BaseNameIndex", "UseAxisX", "KindOfWood4", "SelectGrade4"})
        EXPECT_GE(findItemField(name), 0) << name;
    EXPECT_EQ(findItemField("Width"), -1);
}

} // namespace
} // namespace tarvo
