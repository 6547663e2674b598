// The grade, size and species lists (spec Part 3.4): entries, selection,
// correction of stored indices, enabling and radio columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/material/MatDataBase.h"

namespace tarvo {
namespace {

using Entries = std::vector<std::string>;

MatInputData product(int kind) {
    MatInputData spec;
    spec.SelectProduct = kind;
    return spec;
}

// ---- species list of the sawn standard -----------------------------------

TEST(SpeciesList, VisualGradeOneColumn) {
    MatInputData spec;
    spec.ProductStandardNormal = 0;
    spec.KindOfWood[0] = 9;
    const ChoiceList list = MatDataBase{}.fillSpeciesList(spec);
    EXPECT_EQ(list.columns, 1);
    ASSERT_EQ(list.entries.size(), 10u);
    EXPECT_EQ(list.entries.front(), "あかまつ");
    EXPECT_EQ(list.entries[3], "ダフリカからまつ");
    EXPECT_EQ(list.entries.back(), "すぎ");
    EXPECT_EQ(list.selected, 9);
    EXPECT_EQ(spec.KindOfWood[0], 9);
}

TEST(SpeciesList, MachineGradeOneColumn) {
    MatInputData spec;
    spec.ProductStandardNormal = 1;
    const ChoiceList list = MatDataBase{}.fillSpeciesList(spec);
    EXPECT_EQ(list.columns, 1);
    ASSERT_EQ(list.entries.size(), 10u);
    EXPECT_EQ(list.entries[2], "ダフリカからまつ");
    EXPECT_EQ(list.entries[6], "からまつ");
    EXPECT_EQ(list.entries.back(), "すぎ");
}

TEST(SpeciesList, UngradedTwoColumnsOf21) {
    MatInputData spec;
    spec.ProductStandardNormal = 2;
    spec.KindOfWood[0] = 20;
    const ChoiceList list = MatDataBase{}.fillSpeciesList(spec);
    EXPECT_EQ(list.columns, 2);
    ASSERT_EQ(list.entries.size(), 21u);
    EXPECT_EQ(list.entries.front(), "あかまつ");
    EXPECT_EQ(list.entries[14], "べいすぎ"); // no trailing space in this list
    EXPECT_EQ(list.entries.back(), "けやき");
    EXPECT_EQ(list.selected, 20);
    spec.ProductStandardNormal = 7; // any other value
    EXPECT_EQ(MatDataBase{}.fillSpeciesList(spec).columns, 2);
}

TEST(SpeciesList, IndexBeyondListIsResetToZero) {
    MatInputData spec;
    spec.ProductStandardNormal = 0;
    spec.KindOfWood[0] = 15; // valid for ungraded, not for visual grade
    const ChoiceList list = MatDataBase{}.fillSpeciesList(spec);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(spec.KindOfWood[0], 0);
    spec.KindOfWood[0] = -3;
    EXPECT_EQ(MatDataBase{}.fillSpeciesList(spec).selected, 0);
    EXPECT_EQ(spec.KindOfWood[0], 0);
}

// ---- grade list: sawn lumber ---------------------------------------------

TEST(GradeList, VisualGradeSixGrades) {
    MatInputData spec = product(kSawnLumber);
    spec.ProductStandardNormal = 0;
    spec.SelectGrade[0] = 5;
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    EXPECT_TRUE(list.enabled);
    EXPECT_EQ(list.entries, (Entries{"甲種１級", "甲種２級", "甲種３級", "乙種１級", "乙種２級", "乙種３級"}));
    EXPECT_EQ(list.selected, 5);
}

TEST(GradeList, MachineGradeListDependsOnSpecies) {
    MatInputData spec = product(kSawnLumber);
    spec.ProductStandardNormal = 1;
    spec.KindOfWood[0] = 6; // からまつ
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries, (Entries{"E50", "E70", "E90", "E110", "E130", "E150"}));
    spec.KindOfWood[0] = 9; // すぎ
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries.size(), 6u);
    spec.KindOfWood[0] = 0; // あかまつ
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries, (Entries{"E70", "E90", "E110", "E130", "E150"}));
    spec.KindOfWood[0] = 5; // とどまつ
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries.front(), "E70");
}

TEST(GradeList, MachineGradeSixthGradeResetOnFiveGradeSpecies) {
    MatInputData spec = product(kSawnLumber);
    spec.ProductStandardNormal = 1;
    spec.KindOfWood[0] = 6;
    spec.SelectGrade[0] = 5;
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).selected, 5);
    spec.KindOfWood[0] = 0;
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(spec.SelectGrade[0], 0);
}

TEST(GradeList, UngradedIsEmptyAndDisabled) {
    MatInputData spec = product(kSawnLumber);
    spec.ProductStandardNormal = 2;
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_FALSE(list.enabled);
    EXPECT_EQ(list.selected, 0);
}

// ---- grade list: 2x4 -----------------------------------------------------

TEST(GradeList, JasTwoByFourWritesTateTsugiInKatakana) {
    MatInputData spec = product(kDimensionLumber);
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    EXPECT_EQ(list.entries, (Entries{"甲種特級", "甲種１級", "甲種２級", "甲種３級", "Construction", "Standard",
                                     "Utility", "タテ継ぎ材"}));
}

TEST(GradeList, UsAndCanadaTwoByFourSevenGrades) {
    const Entries expected{"SS", "No.1", "No.2", "No.3", "Construction", "Standard", "Utility"};
    for (int standard : {1, 2}) {
        MatInputData spec = product(kDimensionLumber);
        spec.ProductStandard2x4 = standard;
        EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries, expected) << standard;
    }
}

TEST(GradeList, MsrGradeLists) {
    MatInputData spec = product(kDimensionLumber);
    spec.UseMSR = true;
    ChoiceList list = MatDataBase{}.fillGradeList(spec);
    ASSERT_EQ(list.entries.size(), 29u);
    EXPECT_EQ(list.entries.front(), "900Fb-1.0E");
    EXPECT_EQ(list.entries.back(), "3300Fb-2.6E");
    spec.ProductStandard2x4 = 1;
    list = MatDataBase{}.fillGradeList(spec);
    ASSERT_EQ(list.entries.size(), 18u);
    EXPECT_EQ(list.entries.front(), "900f-1.0E");
    EXPECT_EQ(list.entries[6], "1650f-1.5E");
    EXPECT_EQ(list.entries.back(), "3300f-2.6E");
    spec.ProductStandard2x4 = 2;
    list = MatDataBase{}.fillGradeList(spec);
    ASSERT_EQ(list.entries.size(), 14u);
    EXPECT_EQ(list.entries.front(), "1200f-1.2E");
    EXPECT_EQ(list.entries[4], "1650f-1.5E");
    EXPECT_EQ(list.entries.back(), "3000f-2.4E");
}

TEST(GradeList, ListPositionIsTheLookupsGradeIndex) {
    MatInputData spec = product(kDimensionLumber);
    spec.UseMSR = true;
    spec.ProductStandard2x4 = 1;
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        spec.SelectGrade[1] = static_cast<int>(i);
        EXPECT_EQ(MatDataBase{}.lookupStrength(spec, 204).description, "MSR製材　(USA)" + list.entries[i]);
    }
}

TEST(GradeList, StoredIndex12StaysForCanadianMsrAndResetsOnSevenGradeList) {
    MatInputData spec = product(kDimensionLumber);
    spec.UseMSR = true;
    spec.ProductStandard2x4 = 2;
    spec.SelectGrade[1] = 12;
    ChoiceList list = MatDataBase{}.fillGradeList(spec);
    EXPECT_EQ(list.selected, 12);
    EXPECT_EQ(spec.SelectGrade[1], 12);
    spec.UseMSR = false;
    list = MatDataBase{}.fillGradeList(spec);
    EXPECT_EQ(list.entries.size(), 7u);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(spec.SelectGrade[1], 0);
}

TEST(GradeList, ResetTouchesOnlyTheCurrentProductsSlot) {
    MatInputData spec = product(kGlulam);
    spec.SelectGrade = {99, 99, 99, 99, 99};
    (void)MatDataBase{}.fillGradeList(spec);
    EXPECT_EQ(spec.SelectGrade[2], 0);
    EXPECT_EQ(spec.SelectGrade[0], 99);
    EXPECT_EQ(spec.SelectGrade[1], 99);
    EXPECT_EQ(spec.SelectGrade[3], 99);
    EXPECT_EQ(spec.SelectGrade[4], 99);
}

TEST(GradeList, NegativeStoredIndexIsReset) {
    MatInputData spec = product(kLvl);
    spec.SelectGrade[3] = -2147483647 - 1;
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(spec.SelectGrade[3], 0);
}

// ---- grade list: glulam, LVL, glulam column ------------------------------

TEST(GradeList, GlulamByLayUp) {
    MatInputData spec = product(kGlulam);
    spec.LaminaCompositionIndex = 2;
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries,
              (Entries{"ME120-F330", "ME105-F300", "ME95-F270", "ME85-F255"}));
    spec.LaminaCompositionIndex = 3;
    ChoiceList list = MatDataBase{}.fillGradeList(spec);
    ASSERT_EQ(list.entries.size(), 11u);
    EXPECT_EQ(list.entries.front(), "E160-F480");
    EXPECT_EQ(list.entries.back(), "E50-F170");
    spec.LaminaCompositionIndex = 1;
    list = MatDataBase{}.fillGradeList(spec);
    ASSERT_EQ(list.entries.size(), 11u);
    EXPECT_EQ(list.entries.front(), "E170-F495");
    EXPECT_EQ(list.entries.back(), "E55-F200");
    spec.LaminaCompositionIndex = 9; // any other lay-up: table S names
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries, list.entries);
}

TEST(GradeList, GlulamSameGradeByLaminaCount) {
    MatInputData spec = product(kGlulam);
    spec.LaminaCompositionIndex = 0;
    spec.LaminaCountIndex = 0;
    ChoiceList list = MatDataBase{}.fillGradeList(spec);
    ASSERT_EQ(list.entries.size(), 11u);
    EXPECT_EQ(list.entries.front(), "E190-F615");
    spec.LaminaCountIndex = 1;
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries.front(), "E190-F555");
    spec.LaminaCountIndex = 2;
    list = MatDataBase{}.fillGradeList(spec);
    EXPECT_EQ(list.entries.front(), "E190-F510");
    EXPECT_EQ(list.entries.back(), "E55-F200");
    spec.LaminaCountIndex = 5; // any other count: the U2 names
    EXPECT_EQ(MatDataBase{}.fillGradeList(spec).entries, list.entries);
}

TEST(GradeList, LvlThirtyGrades) {
    MatInputData spec = product(kLvl);
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    ASSERT_EQ(list.entries.size(), 30u);
    EXPECT_EQ(list.entries[0], "180E 特級");
    EXPECT_EQ(list.entries[1], "180E １級");
    EXPECT_EQ(list.entries[2], "180E ２級");
    EXPECT_EQ(list.entries[3], "160E 特級");
    EXPECT_EQ(list.entries[29], "60E ２級");
}

TEST(GradeList, GlulamColumnShortSpeciesNames) {
    MatInputData spec = product(kGlulamColumn);
    spec.SelectGrade[4] = 35;
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    ASSERT_EQ(list.entries.size(), 36u);
    EXPECT_EQ(list.entries[0], "アピトン");
    EXPECT_EQ(list.entries[19], "ｱﾗｽﾗｲｴﾛｰｼﾀﾞｰ");
    EXPECT_EQ(list.entries[34], "べいすぎ ");
    EXPECT_EQ(list.entries[35], "ﾎﾜｲﾄｻｲﾌﾟﾚｽﾊﾟｲﾝ");
    EXPECT_EQ(list.selected, 35);
}

TEST(GradeList, UnknownProductGivesAnEmptyListAndTouchesNothing) {
    MatInputData spec = product(7);
    spec.SelectGrade = {3, 3, 3, 3, 3};
    const ChoiceList list = MatDataBase{}.fillGradeList(spec);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(spec.SelectGrade, (std::array<std::int32_t, 5>{3, 3, 3, 3, 3}));
}

// ---- size list -----------------------------------------------------------

TEST(SizeList, JasEndJointedOffersEightCodes) {
    MatInputData spec = product(kDimensionLumber);
    spec.SelectGrade[1] = 7;
    const ChoiceList list = MatDataBase{}.fillSizeList(spec, 206);
    EXPECT_EQ(list.entries, (Entries{" 104", " 204", " 206", " 208", " 210", " 212", " 406", " 408"}));
    EXPECT_EQ(list.selected, 2);
}

TEST(SizeList, AnyOtherTwoByFourOffersEleven) {
    const Entries eleven{" 104", " 106", " 203", " 204", " 206", " 208", " 210", " 212", " 404", " 406", " 408"};
    MatInputData spec = product(kDimensionLumber);
    spec.SelectGrade[1] = 6;
    EXPECT_EQ(MatDataBase{}.fillSizeList(spec, 204).entries, eleven);
    spec.SelectGrade[1] = 7;
    spec.ProductStandard2x4 = 2; // grade 7 of another standard
    EXPECT_EQ(MatDataBase{}.fillSizeList(spec, 204).entries, eleven);
    spec.ProductStandard2x4 = 0;
    spec.UseMSR = true; // MSR grade 7
    const ChoiceList list = MatDataBase{}.fillSizeList(spec, 408);
    EXPECT_EQ(list.entries, eleven);
    EXPECT_EQ(list.selected, 10);
}

TEST(SizeList, TwoByFourWithoutMatchingCodeSelectsEntryZero) {
    MatInputData spec = product(kDimensionLumber);
    spec.SelectGrade[1] = 7;
    EXPECT_EQ(MatDataBase{}.fillSizeList(spec, 106).selected, 0); // not on the end-jointed list
    EXPECT_EQ(MatDataBase{}.fillSizeList(spec, 0).selected, 0);
}

TEST(SizeList, GlulamOffersFreeSizeThen404To614) {
    MatInputData spec = product(kGlulam);
    ChoiceList list = MatDataBase{}.fillSizeList(spec, 612);
    EXPECT_EQ(list.entries, (Entries{"任意", " 404", " 406", " 408", " 410", " 412", " 606", " 610", " 612", " 614"}));
    EXPECT_EQ(list.selected, 8);
    list = MatDataBase{}.fillSizeList(spec, 0); // 105 × 105 gives size code 0
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
