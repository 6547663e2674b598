#include "core/project/CommonData.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include "core/text/IniFile.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using test::TempDir;
using test::writeBytes;

TEST(CommonDataDefaults, WithoutSettingsFileTheBuiltInDefaultsHold) {
    TempDir dir;
    const CommonData common(dir / "Tarvo.ini");
    EXPECT_EQ(common.WindCalcStandard, 0);
    EXPECT_EQ(common.V0Index, 0);
    EXPECT_EQ(common.RoughIndex, 2);
    EXPECT_EQ(common.SnowEria, 0);
    EXPECT_EQ(common.BuildingHeight, 0.0);
    EXPECT_EQ(common.Up_q, 1.0);
    EXPECT_EQ(common.WoodenStorey, (std::array<bool, 4>{false, false, false, false}));
    EXPECT_EQ(common.VelocityPressure, 0.0);
    EXPECT_EQ(common.Defaults, common.input());
    EXPECT_EQ(common.ColumnMatDefault, MatInputData{});
    EXPECT_EQ(common.ColumnMatDefault.KindOfWood[1], 3);
}

TEST(CommonDataDefaults, CommonSectionWithOnlyRoughIndexChangesOnlyThat) {
    TempDir dir;
    writeBytes(dir / "Tarvo.ini", "[Common]\r\nRoughIndex=0\r\n");
    const CommonData common(dir / "Tarvo.ini");
    CommonInputData expected;
    expected.RoughIndex = 0;
    EXPECT_EQ(common.input(), expected);
    EXPECT_EQ(common.Defaults, expected);
}

TEST(CommonDataDefaults, ChoicesTheProgramCannotOfferReadAsDefaults) {
    // A project started from such values would be saved but refused on loading.
    TempDir dir;
    writeBytes(dir / "Tarvo.ini", "[Common]\r\nWindCalcStandard=2\r\nV0Index=9\r\nRoughIndex=-1\r\nSnowEria=5\r\n"
                                  "[ColumnMat Default]\r\nSelectProduct=5\r\nUseEnvironIndex=3\r\n"
                                  "[BaseMat Default]\r\nSelectProduct=4\r\nUseEnvironIndex=0\r\n");
    const CommonData common(dir / "Tarvo.ini");
    EXPECT_EQ(common.input(), CommonInputData{});
    EXPECT_EQ(common.ColumnMatDefault.SelectProduct, 0);
    EXPECT_EQ(common.ColumnMatDefault.UseEnvironIndex, 2);
    EXPECT_EQ(common.BaseMatDefault.SelectProduct, 4); // the last choices are kept
    EXPECT_EQ(common.BaseMatDefault.UseEnvironIndex, 0);
}

TEST(CommonDataDefaults, AnExistingFileWithoutMaterialKeysReadsTheirFileDefaults) {
    // The initial KindOfWood[1] is 3, but a key missing from an existing file reads 0.
    TempDir dir;
    writeBytes(dir / "Tarvo.ini", "[Common]\r\n");
    const CommonData common(dir / "Tarvo.ini");
    MatInputData expected;
    expected.KindOfWood[1] = 0;
    EXPECT_EQ(common.ColumnMatDefault, expected);
    EXPECT_EQ(common.BaseMatDefault, expected);
}

TEST(CommonDataDefaults, SavedDefaultsStartTheNextProjectButNotItsHeights) {
    TempDir dir;
    CommonData common(dir / "Tarvo.ini");
    common.V0Index = 3; // 36 m/s
    common.BuildingHeight = 8.5;
    common.FloorHeight = {3.0, 2.8, 0, 0};
    RecordingMessageSink messages;
    ASSERT_TRUE(common.SaveCommonDefaults(messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].kind, MessageKind::Information);
    EXPECT_EQ(messages.entries[0].text, "設定を保存しました");

    common.ResetToDefaults();
    EXPECT_EQ(common.V0Index, 3);
    EXPECT_EQ(common.BuildingHeight, 0.0);
    EXPECT_EQ(common.FloorHeight, (std::array<double, 4>{0, 0, 0, 0}));
    EXPECT_EQ(common.VelocityPressure, 0.0);

    const CommonData restarted(dir / "Tarvo.ini");
    EXPECT_EQ(restarted.V0Index, 3);
    EXPECT_EQ(restarted.Defaults.V0Index, 3);
}

TEST(CommonDataDefaults, FailedSaveReportsAndKeepsDefaults) {
    TempDir dir;
    writeBytes(dir / "file", "x");
    CommonData common(dir / "file" / "Tarvo.ini"); // a path under a regular file
    common.V0Index = 4;
    RecordingMessageSink messages;
    EXPECT_FALSE(common.SaveCommonDefaults(messages));
    EXPECT_FALSE(common.SaveMaterialDefault(MaterialDefault::Base, messages));
    ASSERT_EQ(messages.entries.size(), 2u);
    for (const auto& entry : messages.entries) {
        EXPECT_EQ(entry.kind, MessageKind::Error);
        EXPECT_EQ(entry.text, "設定の保存に失敗しました。\n" + (dir / "file" / "Tarvo.ini").string() + "\n" +
                                  std::generic_category().message(ENOTDIR));
    }
    EXPECT_EQ(common.Defaults.V0Index, 0);
    EXPECT_EQ(common.V0Index, 4);
}

TEST(CommonDataMaterials, SavedMaterialIsWrittenKeyByKeyAndReadBack) {
    TempDir dir;
    const auto path = dir / "Tarvo.ini";
    writeBytes(path, "[Print Layout]\r\nTop=10\r\n");
    CommonData common(path);
    MatInputData& m = common.BaseMatDefault;
    m = {1, 2, true, 3, 2, true, 6, 0, true, {1, 2, 3, 4, 5}, 4, {6, 7, 8, 9, 10}};
    RecordingMessageSink messages;
    ASSERT_TRUE(common.SaveMaterialDefault(MaterialDefault::Base, messages));
    EXPECT_EQ(messages.entries.at(0).text, "設定を保存しました");

    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    std::vector<std::string> keys;
    for (const auto& entry : ini.entries("BaseMat Default"))
        keys.push_back(entry.key);
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "ProductStandardNormal", "ProductStandard2x4", "Sorce.UseMSR",    "LaminaCompositionIndex",
                        "LaminaCountIndex",      "UnValuationLamina",  "LVL_Shear_Index", "UseEnvironIndex",
                        "UseEndPosFcv",          "KindOfWood-0",       "KindOfWood-1",    "KindOfWood-2",
                        "KindOfWood-3",          "KindOfWood-4",       "SelectProduct",   "SelectGrade-0",
                        "SelectGrade-1",         "SelectGrade-2",      "SelectGrade-3",   "SelectGrade-4"}));
    EXPECT_EQ(ini.getString("BaseMat Default", "Sorce.UseMSR"), "1");
    EXPECT_EQ(ini.getInt("Print Layout", "Top", 0), 10);

    const CommonData reread(path);
    EXPECT_EQ(reread.BaseMatDefault, m);
    MatInputData unsavedColumn;
    unsavedColumn.KindOfWood[1] = 0;
    EXPECT_EQ(reread.ColumnMatDefault, unsavedColumn);
}

TEST(CommonDataMidHeights, StoreysStackFromTheFloorLevel) {
    CommonData common;
    common.FirstFloorLevel = 0.5;
    common.FloorHeight = {3.0, 2.8, 0, 0};
    common.UpdateMidHeights();
    EXPECT_DOUBLE_EQ(common.MidHeight[0], 2.0);
    EXPECT_DOUBLE_EQ(common.MidHeight[1], 4.9);
    EXPECT_DOUBLE_EQ(common.MidHeight[2], 6.3);
    EXPECT_DOUBLE_EQ(common.MidHeight[3], 6.3);
}

TEST(CommonDataWind, ResetRecomputesTheVelocityPressure) {
    CommonData common;
    common.Defaults.V0Index = 2;
    common.Defaults.BuildingHeight = 10.92;
    common.ResetToDefaults();
    EXPECT_EQ(common.VelocityPressure, 1127.0);
}

} // namespace
} // namespace tarvo
