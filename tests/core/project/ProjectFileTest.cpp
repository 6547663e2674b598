#include "core/project/ProjectFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/text/Cp932Codec.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

const std::filesystem::path kFixtures = std::filesystem::path(TARVO_TEST_DATA_DIR) / "projects";

std::int32_t int32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t u = 0;
    for (std::size_t i = 4; i-- > 0;)
        u = (u << 8) | static_cast<unsigned char>(bytes.at(offset + i));
    return static_cast<std::int32_t>(u);
}

std::string slotAt(const std::string& bytes, std::size_t offset) {
    return bytes.substr(offset, 4);
}

std::string slot(unsigned b0, unsigned b1, unsigned b2, unsigned b3) {
    return {static_cast<char>(b0), static_cast<char>(b1), static_cast<char>(b2), static_cast<char>(b3)};
}

// A project in which every input differs from its default.
void fillProject(CommonData& common, ColumnsData& columns) {
    common.WindCalcStandard = 1;
    common.V0Index = 5;
    common.RoughIndex = 3;
    common.BuildingHeight = 9.75;
    common.Up_q = 1.25;
    common.FirstFloorLevel = 0.45;
    common.FloorHeight = {2.9, 2.7, 2.6, 2.5};
    common.WoodenStorey = {true, false, true, true};
    common.SnowEria = 1;

    ColumnMember& a = columns.Item(0);
    a.Name = "１階外壁間柱";
    a.ColumnMaterial = {1, 2, true, 3, 2, true, 6, 1, true, {1, 2, 3, 4, 5}, 2, {5, 4, 3, 2, 1}};
    a.BaseMaterial = {0x0201, 1, false, 0, 1, false, 3, 0, true, {9, 8, 7, 6, 5}, 4, {1, 1, 2, 2, 3}};
    a.FloorIndex = 0;
    a.HeightZ = 3.5;
    a.WindWidth = 0.91;
    a.Cf = 1.3;
    a.CfDirect = true;
    a.Shape = kRound;
    a.SizeCode = 206;
    a.B = 0;
    a.D = 150;
    a.Lkx = 2800;
    a.Lky = 2400;
    a.Lb = 2600;
    a.Members = 2;
    a.SubMembers = 1;
    a.TenonB = 33; // entered by hand
    a.TenonD = 91;
    a.AxialForce = {1.5, 2.5, 3.5, 4.5, 5.5};
    a.LbDirect = true;
    a.LkyDirect = true;
    a.AutoTenon = false;
    a.BaseNameIndex = 3;
    a.FcvUpper = true;
    a.UseAxisX = true;

    ColumnMember b;
    b.Name = "";
    columns.Append(b);
    ColumnMember c;
    c.Name = "通し柱 ～①髙 (north)";
    c.B = 120;
    c.D = 120;
    columns.Append(c);
}

TEST(ProjectFileLayout, OneItemWithJapaneseNameIs122Plus345Bytes) {
    CommonData common;
    ColumnsData columns;
    columns.Item(0).Name = "１階外壁間柱";
    const std::string bytes = serializeProject(common.input(), columns);
    ASSERT_EQ(bytes.size(), 122u + 345u);
    EXPECT_EQ(bytes.substr(0, 20), std::string("Tarvo_Posts") + std::string(9, '\0'));
    EXPECT_EQ(bytes.substr(20, 10), std::string(TARVO_VERSION_TEXT) + std::string(10 - 7, '\0'));
    EXPECT_EQ(int32At(bytes, 118), 1);
    EXPECT_EQ(int32At(bytes, 122 + 160), 13);
    EXPECT_EQ(bytes.substr(122 + 164, 13), toCp932("１階外壁間柱") + '\0');
}

TEST(ProjectFileLayout, EmptyNameIsLengthOneAndOneZeroByte) {
    CommonData common;
    ColumnsData columns;
    const std::string bytes = serializeProject(common.input(), columns);
    ASSERT_EQ(bytes.size(), 122u + 333u);
    EXPECT_EQ(int32At(bytes, 122 + 160), 1);
    EXPECT_EQ(bytes[122 + 164], '\0');
    EXPECT_EQ(int32At(bytes, 122 + 165), 1); // FloorIndex follows directly
}

TEST(ProjectFileLayout, FlagSlotsCarryTheFollowingBytesOfTheInputBlock) {
    CommonData common;
    ColumnsData columns;
    common.WoodenStorey = {true, false, true, true};
    common.SnowEria = 0x0201;
    ColumnMember& m = columns.Item(0);
    m.LkyDirect = true;
    m.LbDirect = false;
    m.AutoTenon = true;
    m.CfDirect = true;
    m.FcvUpper = false;
    m.UseAxisX = true;
    m.BaseMaterial.ProductStandardNormal = 0x0403;
    const std::string bytes = serializeProject(common.input(), columns);

    EXPECT_EQ(slotAt(bytes, 90), slot(1, 0, 1, 1));
    EXPECT_EQ(slotAt(bytes, 94), slot(0, 1, 1, 0x01));
    EXPECT_EQ(slotAt(bytes, 98), slot(1, 1, 0x01, 0x02));
    EXPECT_EQ(slotAt(bytes, 102), slot(1, 0x01, 0x02, 0));
    EXPECT_EQ(int32At(bytes, 106), 0x0201);

    const std::size_t item = 122;                                 // empty name: t = 0
    EXPECT_EQ(slotAt(bytes, item + 297), slot(1, 1, 0, 0x03));    // LkyDirect
    EXPECT_EQ(slotAt(bytes, item + 301), slot(0, 1, 1, 0));       // LbDirect
    EXPECT_EQ(slotAt(bytes, item + 305), slot(1, 0, 0x03, 0x04)); // AutoTenon
    EXPECT_EQ(slotAt(bytes, item + 317), slot(1, 0, 0, 0));       // CfDirect
    EXPECT_EQ(slotAt(bytes, item + 325), slot(0, 1, 0, 0));       // FcvUpper
    EXPECT_EQ(slotAt(bytes, item + 329), slot(1, 0, 0, 0));       // UseAxisX
}

TEST(ProjectFileLayout, SeparatelyWrittenFixtureReadsAndWritesBackByteForByte) {
    const std::string fixture = readBytes(kFixtures / "valid_two_items.tvp");
    ASSERT_FALSE(fixture.empty());
    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(kFixtures / "valid_two_items.tvp", common, columns, messages), 0);
    EXPECT_TRUE(messages.entries.empty());
    ASSERT_EQ(columns.Count(), 2);
    EXPECT_EQ(common.V0Index, 2);
    EXPECT_EQ(common.BuildingHeight, 10.92);
    EXPECT_EQ(common.WoodenStorey, (std::array<bool, 4>{true, true, false, false}));
    const ColumnMember& second = columns.Item(1);
    EXPECT_EQ(second.Name, "通し柱");
    EXPECT_EQ(second.BaseMaterial.ProductStandardNormal, 0x0201);
    EXPECT_EQ(second.BaseMaterial.SelectProduct, 2);
    EXPECT_FALSE(second.AutoTenon);
    EXPECT_EQ(second.TenonB, 40.0);
    EXPECT_EQ(second.AxialForce[4], 22.0);
    EXPECT_EQ(second.Cf, 1.2);
    EXPECT_TRUE(second.CfDirect && second.LkyDirect && second.LbDirect && second.FcvUpper && second.UseAxisX);
    EXPECT_EQ(second.BaseNameIndex, 1);
    EXPECT_EQ(serializeProject(common.input(), columns), fixture);
}

TEST(ProjectFileRoundTrip, EveryInputSurvivesSaveAndLoad) {
    TempDir dir;
    const auto path = dir / "project.tvp";
    CommonData saved;
    ColumnsData savedColumns;
    fillProject(saved, savedColumns);
    RecordingMessageSink messages;
    ASSERT_EQ(SaveProject(path, saved, savedColumns, messages), 0);

    CommonData loaded;
    ColumnsData loadedColumns;
    ASSERT_EQ(LoadProject(path, loaded, loadedColumns, messages), 0);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(loaded.input(), saved.input());
    ASSERT_EQ(loadedColumns.Count(), savedColumns.Count());
    for (int i = 0; i < savedColumns.Count(); ++i) {
        EXPECT_EQ(loadedColumns.Item(i).input(), savedColumns.Item(i).input()) << "item " << i;
    }
    // Derived values follow the loaded block.
    EXPECT_DOUBLE_EQ(loaded.MidHeight[0], 0.45 + 1.45);
    EXPECT_GT(loaded.VelocityPressure, 0.0);
}

class ProjectFileLoadFailure : public ::testing::Test {
protected:
    void SetUp() override {
        fillProject(common_, columns_);
        common_.UpdateMidHeights();
        commonBefore_ = common_.input();
        midBefore_ = common_.MidHeight;
        itemsBefore_.clear();
        for (int i = 0; i < columns_.Count(); ++i)
            itemsBefore_.push_back(columns_.Item(i).input());
    }
    // Loads `path`, expects failure with `message` + path (+ the reason, when
    // given), and an untouched project.
    void expectRefused(const std::filesystem::path& path, const std::string& message, const std::string& reason = {}) {
        RecordingMessageSink messages;
        EXPECT_EQ(LoadProject(path, common_, columns_, messages), 1);
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].kind, MessageKind::Error);
        EXPECT_EQ(messages.entries[0].text, message + path.string() + (reason.empty() ? "" : "\n" + reason));
        EXPECT_EQ(common_.input(), commonBefore_);
        EXPECT_EQ(common_.MidHeight, midBefore_);
        ASSERT_EQ(columns_.Count(), static_cast<int>(itemsBefore_.size()));
        for (std::size_t i = 0; i < itemsBefore_.size(); ++i) {
            EXPECT_EQ(columns_.Item(static_cast<int>(i)).input(), itemsBefore_[i]);
        }
    }
    void expectUnreadable(const std::string& name, const std::string& bytes) {
        const auto path = dir_ / name;
        writeBytes(path, bytes);
        expectRefused(path, "データの読み込みに失敗しました。\n");
    }
    std::string validFile() const { return readBytes(kFixtures / "valid_two_items.tvp"); }

    TempDir dir_;
    CommonData common_;
    ColumnsData columns_;
    CommonInputData commonBefore_;
    std::array<double, kStoreyCount> midBefore_{};
    std::vector<MemberInputData> itemsBefore_;
};

TEST_F(ProjectFileLoadFailure, MissingFileOrFolderCannotBeOpened) {
    expectRefused(dir_ / "none.tvp", "ファイルを開くことが出来ませんでした。\n", "No such file or directory");
    expectRefused(dir_.path(), "ファイルを開くことが出来ませんでした。\n", "Is a directory");
    writeBytes(dir_ / "file", "x");
    expectRefused(dir_ / "file" / "p.tvp", "ファイルを開くことが出来ませんでした。\n", "Not a directory");
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
    expectRefused(dir_ / "fifo", "ファイルを開くことが出来ませんでした。\n",
                  "not a regular file (a device, a FIFO or a socket)");
    expectRefused(dir_ / std::string(300, 'n'), "ファイルを開くことが出来ませんでした。\n", "File name too long");
}

TEST_F(ProjectFileLoadFailure, AnotherIdentifierOrAShortFileIsAnotherFormat) {
    expectRefused(kFixtures / "other_identifier.tvp", "ファイル形式が違います。\n");
    writeBytes(dir_ / "short.tvp", "Tarvo_Posts");
    expectRefused(dir_ / "short.tvp", "ファイル形式が違います。\n");
    writeBytes(dir_ / "empty.tvp", "");
    expectRefused(dir_ / "empty.tvp", "ファイル形式が違います。\n");
}

TEST_F(ProjectFileLoadFailure, DamagedFixturesLeaveCommonBlockAndItemsAsTheyWere) {
    // Unlike a field-by-field reader, a file cut inside the second item does not
    // leave the file's common block in force either.
    for (const char* name : {"cut_in_second_item.tvp", "absurd_count.tvp", "name_past_end.tvp", "zero_count.tvp"}) {
        SCOPED_TRACE(name);
        expectRefused(kFixtures / name, "データの読み込みに失敗しました。\n");
    }
}

TEST_F(ProjectFileLoadFailure, FileCutAnywhereIsUnreadable) {
    const std::string valid = validFile();
    for (std::size_t length = 30; length < valid.size(); length += 7) {
        expectUnreadable("cut.tvp", valid.substr(0, length));
    }
}

TEST_F(ProjectFileLoadFailure, BadCountsNameLengthsAndValuesAreUnreadable) {
    const std::string valid = validFile();
    const auto with = [&](std::size_t offset, std::int32_t value) {
        std::string bytes = valid;
        const auto u = static_cast<std::uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFFu);
        return bytes;
    };
    expectUnreadable("negative-count.tvp", with(118, -1));
    expectUnreadable("count-too-big.tvp", with(118, 3));
    expectUnreadable("zero-name.tvp", with(122 + 160, 0));
    expectUnreadable("negative-name.tvp", with(122 + 160, -5));
    expectUnreadable("roughness.tvp", with(38, 4));
    expectUnreadable("members.tvp", with(122 + 164 + 13 + 68, 0)); // Members of item 1
    std::string infinite = valid;
    infinite.replace(42, 8, std::string("\x00\x00\x00\x00\x00\x00\xF0\x7F", 8)); // BuildingHeight = +inf
    expectUnreadable("infinite.tvp", infinite);
}

TEST(ProjectFileLoad, TrailingBytesAreIgnoredAndBadNameBytesAreReplaced) {
    TempDir dir;
    std::string bytes = readBytes(kFixtures / "valid_two_items.tvp");
    bytes[122 + 164] = static_cast<char>(0x80); // not a Shift-JIS byte
    bytes += "trailing";
    writeBytes(dir / "p.tvp", bytes);
    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(dir / "p.tvp", common, columns, messages), 0);
    EXPECT_EQ(columns.Item(0).Name.substr(0, 3), "\xEF\xBF\xBD");
    EXPECT_EQ(columns.Count(), 2);
}

TEST(ProjectFileSave, ReadOnlyFileIsRefusedAndKept) {
    TempDir dir;
    const auto path = dir / "p.tvp";
    writeBytes(path, "old contents");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
    EXPECT_EQ(SaveProject(path, common, columns, messages), 1);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.entries[0].text, "データの保存に失敗しました。\n" + path.string() +
                                            "\nthe file is marked read-only; it was left unchanged");
    EXPECT_EQ(readBytes(path), "old contents");
}

TEST(ProjectFileSave, FullDiskFailsAndKeepsTheOldFile) {
    TempDir dir;
    const auto path = dir / "p.tvp";
    CommonData common;
    ColumnsData small;
    NullMessageSink messages;
    ASSERT_EQ(SaveProject(path, common, small, messages), 0);
    const std::string before = readBytes(path);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child can write no file larger than 4 KiB: the disk is "full".
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ColumnsData big;
        for (int i = 0; i < 100; ++i)
            big.Append(ColumnMember{});
        NullMessageSink quiet;
        ::_exit(SaveProject(path, common, big, quiet));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1); // no temporary file left
}

TEST(ProjectFileSpeed, TenThousandItemsSaveAndLoadQuickly) {
    TempDir dir;
    const auto path = dir / "big.tvp";
    CommonData common;
    ColumnsData columns;
    columns.Item(0).Name = "柱-0";
    for (int i = 1; i < 10000; ++i) {
        ColumnMember item;
        item.Name = "柱-" + std::to_string(i);
        item.B = 105 + i % 10;
        columns.Append(item);
    }
    NullMessageSink messages;
    using Clock = std::chrono::steady_clock;
    const auto t0 = Clock::now();
    ASSERT_EQ(SaveProject(path, common, columns, messages), 0);
    const auto t1 = Clock::now();
    ColumnsData loaded;
    ASSERT_EQ(LoadProject(path, common, loaded, messages), 0);
    const auto t2 = Clock::now();
    ASSERT_EQ(loaded.Count(), 10000);
    EXPECT_EQ(loaded.Item(9999).Name, "柱-9999");
    // The file (3.4 MB) is decoded a piece at a time: every item across the seams reads back.
    int differing = 0;
    for (int i = 0; i < 10000; ++i)
        differing += loaded.Item(i).input() == columns.Item(i).input() ? 0 : 1;
    EXPECT_EQ(differing, 0);
    const auto ms = [](auto d) { return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); };
    std::printf("save %lld ms, load %lld ms\n", static_cast<long long>(ms(t1 - t0)),
                static_cast<long long>(ms(t2 - t1)));
    // Generous bounds for a shared machine; they catch quadratic behaviour, not milliseconds.
    EXPECT_LT(ms(t1 - t0), 1000);
    EXPECT_LT(ms(t2 - t1), 1000);
}

} // namespace
} // namespace tarvo
