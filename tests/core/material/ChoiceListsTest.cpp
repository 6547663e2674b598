// The grade, size and species lists: entries, selection,
// correction of stored indices, enabling and radio columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/material/MatDataBase.h"

namespace tarvo {
namespace {

using Entries = std::vector<std::string>;

MatInputData product(int kind) {
    MatInputData selection;
    selection.SelectProduct = kind;
    return selection;
}

// ---- species list of the sawn standard -----------------------------------

TEST(SpeciesList, VisualGradeOneColumn) {
    MatInputData selection;
    selection.ProductStandardNormal = 0;
    selection.KindOfWood[0] = 9;
    const ChoiceList list = MatDataBase{}.fillSpeciesList(selection);
    EXPECT_EQ(list.columns, 1);
    ASSERT_EQ(list.entries.size(), 10u);
    EXPECT_EQ(list.entries.front(), "あかまつ");
    EXPECT_EQ(list.entries[3], "ダフリカからまつ");
    EXPECT_EQ(list.entries.back(), "すぎ");
    EXPECT_EQ(list.selected, 9);
    EXPECT_EQ(selection.KindOfWood[0], 9);
}

TEST(SpeciesList, MachineGradeOneColumn) {
    MatInputData selection;
    selection.ProductStandardNormal = 1;
    const ChoiceList list = MatDataBase{}.fillSpeciesList(selection);
    EXPECT_EQ(list.columns, 1);
    ASSERT_EQ(list.entries.size(), 10u);
    EXPECT_EQ(list.entries[2], "ダフリカからまつ");
    EXPECT_EQ(list.entries[6], "からまつ");
    EXPECT_EQ(list.entries.back(), "すぎ");
}

TEST(SpeciesList, UngradedTwoColumnsOf21) {
    MatInputData selection;
    selection.ProductStandardNormal = 2;
    selection.KindOfWood[0] = 20;
    const ChoiceList list = MatDataBase{}.fillSpeciesList(selection);
    EXPECT_EQ(list.columns, 2);
    ASSERT_EQ(list.entries.size(), 21u);
    EXPECT_EQ(list.entries.front(), "あかまつ");
    EXPECT_EQ(list.entries[14], "べいすぎ"); // no trailing space in this list
    EXPECT_EQ(list.entries.back(), "けやき");
    EXPECT_EQ(list.selected, 20);
    selection.ProductStandardNormal = 7; // any other value
    EXPECT_EQ(MatDataBase{}.fillSpeciesList(selection).columns, 2);
}

TEST(SpeciesList, IndexBeyondListIsResetToZero) {
    MatInputData selection;
    selection.ProductStandardNormal = 0;
    selection.KindOfWood[0] = 15; // valid for ungraded, not for visual grade
    const ChoiceList list = MatDataBase{}.fillSpeciesList(selection);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(selection.KindOfWood[0], 0);
    selection.KindOfWood[0] = -3;
    EXPECT_EQ(MatDataBase{}.fillSpeciesList(selection).selected, 0);
    EXPECT_EQ(selection.KindOfWood[0], 0);
}

// ---- grade list: sawn lumber ---------------------------------------------

TEST(GradeList, VisualGradeSixGrades) {
    MatInputData selection = product(kSawnLumber);
    selection.ProductStandardNormal = 0;
    selection.SelectGrade[0] = 5;
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    EXPECT_TRUE(list.enabled);
    EXPECT_EQ(list.entries, (Entries{"甲種１級", "甲種２級", "甲種３級", "乙種１級", "乙種２級", "乙種３級"}));
    EXPECT_EQ(list.selected, 5);
}

TEST(GradeList, MachineGradeListDependsOnSpecies) {
    MatInputData selection = product(kSawnLumber);
    selection.ProductStandardNormal = 1;
    selection.KindOfWood[0] = 6; // からまつ
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries, (Entries{"E50", "E70", "E90", "E110", "E130", "E150"}));
    selection.KindOfWood[0] = 9; // すぎ
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries.size(), 6u);
    selection.KindOfWood[0] = 0; // あかまつ
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries, (Entries{"E70", "E90", "E110", "E130", "E150"}));
    selection.KindOfWood[0] = 5; // とどまつ
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries.front(), "E70");
}

TEST(GradeList, MachineGradeSixthGradeResetOnFiveGradeSpecies) {
    MatInputData selection = product(kSawnLumber);
    selection.ProductStandardNormal = 1;
    selection.KindOfWood[0] = 6;
    selection.SelectGrade[0] = 5;
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).selected, 5);
    selection.KindOfWood[0] = 0;
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(selection.SelectGrade[0], 0);
}

TEST(GradeList, UngradedIsEmptyAndDisabled) {
    MatInputData selection = product(kSawnLumber);
    selection.ProductStandardNormal = 2;
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_FALSE(list.enabled);
    EXPECT_EQ(list.selected, 0);
}

// ---- grade list: 2x4 -----------------------------------------------------

TEST(GradeList, JasTwoByFourWritesTateTsugiInKatakana) {
    MatInputData selection = product(kDimensionLumber);
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    EXPECT_EQ(list.entries, (Entries{"甲種特級", "甲種１級", "甲種２級", "甲種３級", "Construction", "Standard",
                                     "Utility", "タテ継ぎ材"}));
}

TEST(GradeList, UsAndCanadaTwoByFourSevenGrades) {
    const Entries expected{"SS", "No.1", "No.2", "No.3", "Construction", "Standard", "Utility"};
    for (int standard : {1, 2}) {
        MatInputData selection = product(kDimensionLumber);
        selection.ProductStandard2x4 = standard;
        EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries, expected) << standard;
    }
}

TEST(GradeList, MsrGradeLists) {
    MatInputData selection = product(kDimensionLumber);
    selection.UseMSR = true;
    ChoiceList list = MatDataBase{}.fillGradeList(selection);
    ASSERT_EQ(list.entries.size(), 29u);
    EXPECT_EQ(list.entries.front(), "900Fb-1.0E");
    EXPECT_EQ(list.entries.back(), "3300Fb-2.6E");
    selection.ProductStandard2x4 = 1;
    list = MatDataBase{}.fillGradeList(selection);
    ASSERT_EQ(list.entries.size(), 18u);
    EXPECT_EQ(list.entries.front(), "900f-1.0E");
    EXPECT_EQ(list.entries[6], "1650f-1.5E");
    EXPECT_EQ(list.entries.back(), "3300f-2.6E");
    selection.ProductStandard2x4 = 2;
    list = MatDataBase{}.fillGradeList(selection);
    ASSERT_EQ(list.entries.size(), 14u);
    EXPECT_EQ(list.entries.front(), "1200f-1.2E");
    EXPECT_EQ(list.entries[4], "1650f-1.5E");
    EXPECT_EQ(list.entries.back(), "3000f-2.4E");
}

TEST(GradeList, ListPositionIsTheLookupsGradeIndex) {
    MatInputData selection = product(kDimensionLumber);
    selection.UseMSR = true;
    selection.ProductStandard2x4 = 1;
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        selection.SelectGrade[1] = static_cast<int>(i);
        EXPECT_EQ(MatDataBase{}.lookupStrength(selection, 204).description, "MSR製材　(USA)" + list.entries[i]);
    }
}

TEST(GradeList, StoredIndex12StaysForCanadianMsrAndResetsOnSevenGradeList) {
    MatInputData selection = product(kDimensionLumber);
    selection.UseMSR = true;
    selection.ProductStandard2x4 = 2;
    selection.SelectGrade[1] = 12;
    ChoiceList list = MatDataBase{}.fillGradeList(selection);
    EXPECT_EQ(list.selected, 12);
    EXPECT_EQ(selection.SelectGrade[1], 12);
    selection.UseMSR = false;
    list = MatDataBase{}.fillGradeList(selection);
    EXPECT_EQ(list.entries.size(), 7u);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(selection.SelectGrade[1], 0);
}

TEST(GradeList, ResetTouchesOnlyTheCurrentProductsSlot) {
    MatInputData selection = product(kGlulam);
    selection.SelectGrade = {99, 99, 99, 99, 99};
    (void)MatDataBase{}.fillGradeList(selection);
    EXPECT_EQ(selection.SelectGrade[2], 0);
    EXPECT_EQ(selection.SelectGrade[0], 99);
    EXPECT_EQ(selection.SelectGrade[1], 99);
    EXPECT_EQ(selection.SelectGrade[3], 99);
    EXPECT_EQ(selection.SelectGrade[4], 99);
}

TEST(GradeList, NegativeStoredIndexIsReset) {
    MatInputData selection = product(kLvl);
    selection.SelectGrade[3] = -2147483647 - 1;
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(selection.SelectGrade[3], 0);
}

// ---- grade list: glulam, LVL, glulam column ------------------------------

TEST(GradeList, GlulamByLayUp) {
    MatInputData selection = product(kGlulam);
    selection.LaminaCompositionIndex = 2;
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries,
              (Entries{"ME120-F330", "ME105-F300", "ME95-F270", "ME85-F255"}));
    selection.LaminaCompositionIndex = 3;
    ChoiceList list = MatDataBase{}.fillGradeList(selection);
    ASSERT_EQ(list.entries.size(), 11u);
    EXPECT_EQ(list.entries.front(), "E160-F480");
    EXPECT_EQ(list.entries.back(), "E50-F170");
    selection.LaminaCompositionIndex = 1;
    list = MatDataBase{}.fillGradeList(selection);
    ASSERT_EQ(list.entries.size(), 11u);
    EXPECT_EQ(list.entries.front(), "E170-F495");
    EXPECT_EQ(list.entries.back(), "E55-F200");
    selection.LaminaCompositionIndex = 9; // any other lay-up: table S names
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries, list.entries);
}

TEST(GradeList, GlulamSameGradeByLaminaCount) {
    MatInputData selection = product(kGlulam);
    selection.LaminaCompositionIndex = 0;
    selection.LaminaCountIndex = 0;
    ChoiceList list = MatDataBase{}.fillGradeList(selection);
    ASSERT_EQ(list.entries.size(), 11u);
    EXPECT_EQ(list.entries.front(), "E190-F615");
    selection.LaminaCountIndex = 1;
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries.front(), "E190-F555");
    selection.LaminaCountIndex = 2;
    list = MatDataBase{}.fillGradeList(selection);
    EXPECT_EQ(list.entries.front(), "E190-F510");
    EXPECT_EQ(list.entries.back(), "E55-F200");
    selection.LaminaCountIndex = 5; // any other count: the U2 names
    EXPECT_EQ(MatDataBase{}.fillGradeList(selection).entries, list.entries);
}

TEST(GradeList, LvlThirtyGrades) {
    MatInputData selection = product(kLvl);
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    ASSERT_EQ(list.entries.size(), 30u);
    EXPECT_EQ(list.entries[0], "180E 特級");
    EXPECT_EQ(list.entries[1], "180E １級");
    EXPECT_EQ(list.entries[2], "180E ２級");
    EXPECT_EQ(list.entries[3], "160E 特級");
    EXPECT_EQ(list.entries[29], "60E ２級");
}

TEST(GradeList, GlulamColumnShortSpeciesNames) {
    MatInputData selection = product(kGlulamColumn);
    selection.SelectGrade[4] = 35;
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    ASSERT_EQ(list.entries.size(), 36u);
    EXPECT_EQ(list.entries[0], "アピトン");
    EXPECT_EQ(list.entries[19], "ｱﾗｽﾗｲｴﾛｰｼﾀﾞｰ");
    EXPECT_EQ(list.entries[34], "べいすぎ ");
    EXPECT_EQ(list.entries[35], "ﾎﾜｲﾄｻｲﾌﾟﾚｽﾊﾟｲﾝ");
    EXPECT_EQ(list.selected, 35);
}

TEST(GradeList, UnknownProductGivesAnEmptyListAndTouchesNothing) {
    MatInputData selection = product(7);
    selection.SelectGrade = {3, 3, 3, 3, 3};
    const ChoiceList list = MatDataBase{}.fillGradeList(selection);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(selection.SelectGrade, (std::array<std::int32_t, 5>{3, 3, 3, 3, 3}));
}

// ---- size list -----------------------------------------------------------

TEST(SizeList, JasEndJointedOffersEightCodes) {
    MatInputData selection = product(kDimensionLumber);
    selection.SelectGrade[1] = 7;
    const ChoiceList list = MatDataBase{}.fillSizeList(selection, 206);
    EXPECT_EQ(list.entries, (Entries{" 104", " 204", " 206", " 208", " 210", " 212", " 406", " 408"}));
    EXPECT_EQ(list.selected, 2);
}

TEST(SizeList, AnyOtherTwoByFourOffersEleven) {
    const Entries eleven{" 104", " 106", " 203", " 204", " 206", " 208", " 210", " 212", " 404", " 406", " 408"};
    MatInputData selection = product(kDimensionLumber);
    selection.SelectGrade[1] = 6;
    EXPECT_EQ(MatDataBase{}.fillSizeList(selection, 204).entries, eleven);
    selection.SelectGrade[1] = 7;
    selection.ProductStandard2x4 = 2; // grade 7 of another standard
    EXPECT_EQ(MatDataBase{}.fillSizeList(selection, 204).entries, eleven);
    selection.ProductStandard2x4 = 0;
    selection.UseMSR = true; // MSR grade 7
    const ChoiceList list = MatDataBase{}.fillSizeList(selection, 408);
    EXPECT_EQ(list.entries, eleven);
    EXPECT_EQ(list.selected, 10);
}

TEST(SizeList, TwoByFourWithoutMatchingCodeSelectsEntryZero) {
    MatInputData selection = product(kDimensionLumber);
    selection.SelectGrade[1] = 7;
    EXPECT_EQ(MatDataBase{}.fillSizeList(selection, 106).selected, 0); // not on the end-jointed list
    EXPECT_EQ(MatDataBase{}.fillSizeList(selection, 0).selected, 0);
}

TEST(SizeList, GlulamOffersFreeSizeThen404To614) {
    MatInputData selection = product(kGlulam);
    ChoiceList list = MatDataBase{}.fillSizeList(selection, 612);
    EXPECT_EQ(list.entries, (Entries{"任意", " 404", " 406", " 408", " 410", " 412", " 606", " 610", " 612", " 614"}));
    EXPECT_EQ(list.selected, 8);
    list = MatDataBase{}.fillSizeList(selection, 0); // 105 × 105 gives size code 0
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(list.entries[0], "任意");
    EXPECT_TRUE(list.enabled);
}

TEST(SizeList, OtherProductsOnlyFreeSize) {
    for (int kind : {kSawnLumber, kLvl, kGlulamColumn}) {
        const ChoiceList list = MatDataBase{}.fillSizeList(product(kind), 204);
        EXPECT_EQ(list.entries, (Entries{"任意"})) << kind;
        EXPECT_EQ(list.selected, 0);
    }
}

} // namespace
} // namespace tarvo
