#include "core/project/ColumnsCsvReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/check/ColumnCheck.h"
#include "core/project/CommonData.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using test::readBytes;

const std::filesystem::path kCsv = std::filesystem::path(TARVO_TEST_DATA_DIR) / "csv";

ColumnsCsvImport readFixture(const std::string& name, const CommonData& common = CommonData()) {
    return readColumnsCsv(readBytes(kCsv / name), common);
}

std::string allProblems(const ColumnsCsvImport& import) {
    std::string text;
    for (const auto& p : import.problems)
        text += p + "\n";
    return text;
}

// The only problem of a refused text; empty when it was accepted.
std::string onlyProblem(std::string_view csv) {
    const ColumnsCsvImport import = readColumnsCsv(csv, CommonData());
    EXPECT_EQ(import.problemCount, import.accepted() ? 0 : 1) << allProblems(import);
    EXPECT_TRUE(import.accepted() || import.items.empty());
    return import.problems.empty() ? std::string() : import.problems.front();
}

// A common block with wind: storeys of 3.0 and 2.8 m above a floor at 0.5 m.
CommonData windyCommon() {
    CommonData common;
    common.BuildingHeight = 7.5;
    common.FloorHeight = {3.0, 2.8, 0, 0};
    common.WoodenStorey = {true, true, false, false};
    common.UpdateVelocityPressure();
    common.UpdateMidHeights();
    return common;
}

// ---- encodings and separators ---------------------------------------------

TEST(ColumnsCsvReaderEncoding, Utf8WithAndWithoutMarkGiveTheSameItems) {
    const ColumnsCsvImport bom = readFixture("utf8-bom-crlf.csv");
    const ColumnsCsvImport plain = readFixture("utf8-lf.csv");
    ASSERT_TRUE(bom.accepted()) << allProblems(bom);
    ASSERT_TRUE(plain.accepted()) << allProblems(plain);
    ASSERT_EQ(bom.items.size(), 2u);
    EXPECT_EQ(bom.items[0].Name, "１階外壁間柱");
    EXPECT_EQ(bom.items[1].Name, "２階柱");
    EXPECT_EQ(bom.items[1].AxialForce[0], 8.5);
    EXPECT_EQ(bom.items[1].Lkx, 2700);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(bom.items[i].input(), plain.items[i].input());
}

TEST(ColumnsCsvReaderEncoding, CodePage932FromAJapaneseSpreadsheet) {
    const ColumnsCsvImport import = readFixture("cp932-spreadsheet.csv");
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    // The row of empty cells a spreadsheet leaves at the end is no item.
    ASSERT_EQ(import.items.size(), 2u);
    EXPECT_EQ(import.items[0].Name, "通り①～② ﾎﾟｰﾁ柱");
    EXPECT_EQ(import.items[1].Name, "髙橋邸 管柱");
    EXPECT_EQ(import.items[0].AxialForce[0], 10.5);
    EXPECT_EQ(import.items[1].B, 120);
}

TEST(ColumnsCsvReaderEncoding, TabSeparatedTextTakesCommasAndQuotesInNames) {
    const ColumnsCsvImport import = readFixture("tab-separated.txt");
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    ASSERT_EQ(import.items.size(), 2u);
    EXPECT_EQ(import.items[0].Name, "柱 A,B 通り");
    EXPECT_EQ(import.items[1].Name, "5\"角柱");
    EXPECT_EQ(import.items[1].D, 150);
}

TEST(ColumnsCsvReaderEncoding, QuotedNamesKeepCommasQuotesAndLineBreaks) {
    const ColumnsCsvImport import = readFixture("quoted-names.csv");
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    ASSERT_EQ(import.items.size(), 5u);
    EXPECT_EQ(import.items[0].Name, "柱, 通り1");
    EXPECT_EQ(import.items[1].Name, "5\"角 \"特注\"");
    EXPECT_EQ(import.items[2].Name, "２行の\r\n名前");
    EXPECT_EQ(import.items[3].Name, "LF だけの\n改行");
    EXPECT_EQ(import.items[4].Name, "after");
    EXPECT_EQ(import.items[4].AxialForce[0], 11);
}

// ---- values the file does not give ----------------------------------------

TEST(ColumnsCsvReaderDefaults, NameAndForcesOnlyTakeTheDefaultsOfANewItem) {
    CommonData common;
    common.ColumnMatDefault.SelectProduct = kGlulam;
    common.ColumnMatDefault.KindOfWood[2] = 17;
    common.BaseMatDefault.KindOfWood[0] = 13;
    const ColumnsCsvImport import = readFixture("name-and-forces.csv", common);
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    ASSERT_EQ(import.items.size(), 2u);
    const ColumnMember& c1 = import.items[0];
    EXPECT_EQ(c1.Name, "C1");
    EXPECT_EQ(c1.AxialForce, (PerLoadCase<double>{12.345, 14, 16, 15, 14}));
    EXPECT_EQ(import.items[1].AxialForce[4], 7.5);
    EXPECT_EQ(c1.ColumnMaterial, common.ColumnMatDefault);
    EXPECT_EQ(c1.BaseMaterial, common.BaseMatDefault);
    const ColumnMember fresh;
    EXPECT_EQ(c1.Members, fresh.Members);
    EXPECT_EQ(c1.FloorIndex, fresh.FloorIndex);
    EXPECT_EQ(c1.AutoTenon, fresh.AutoTenon);
    EXPECT_EQ(c1.B, 0);
    EXPECT_EQ(c1.HeightZ, 0); // no wind: no storey height
}

TEST(ColumnsCsvReaderDefaults, EmptyCellsAndBlankRowsTakeDefaults) {
    const ColumnsCsvImport import =
        readColumnsCsv("Name,Members,AutoTenon,B\nC1,,,105\n,,,\n\nC2,3,0,\n", CommonData());
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    ASSERT_EQ(import.items.size(), 2u);
    EXPECT_EQ(import.items[0].Members, 1);
    EXPECT_TRUE(import.items[0].AutoTenon);
    EXPECT_EQ(import.items[1].Members, 3);
    EXPECT_FALSE(import.items[1].AutoTenon);
    EXPECT_EQ(import.items[1].B, 0);
}

TEST(ColumnsCsvReaderDefaults, AutomaticTenonFollowsTheSectionUnlessGiven) {
    const ColumnsCsvImport import = readColumnsCsv("Name,B,D,TenonD\nC1,105,120,\nC2,105,120,50\n", CommonData());
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    ColumnMember rule = import.items[0];
    ApplyAutoTenon(rule);
    EXPECT_EQ(import.items[0].TenonB, rule.TenonB);
    EXPECT_EQ(import.items[0].TenonD, 90);
    EXPECT_EQ(import.items[1].TenonB, rule.TenonB);
    EXPECT_EQ(import.items[1].TenonD, 50);
}

TEST(ColumnsCsvReaderDefaults, WithWindAnItemInAStoreyTakesItsMidHeight) {
    const CommonData common = windyCommon();
    ASSERT_GT(common.VelocityPressure, 0);
    const ColumnsCsvImport import = readColumnsCsv("Name,FloorIndex,HeightZ\nC1,2,\nC2,1,4.25\nC3,0,\n", common);
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    EXPECT_EQ(import.items[0].HeightZ, common.MidHeight[1]);
    EXPECT_EQ(import.items[1].HeightZ, 4.25);
    EXPECT_EQ(import.items[2].HeightZ, 0);
}

// ---- the checks of the fields ---------------------------------------------

TEST(ColumnsCsvReaderFieldChecks, ValuesAreCheckedAsTypedIntoTheirFields) {
    const ColumnsCsvImport import = readColumnsCsv("Name,Members,B,Lkx,AxialForce0,WindWidth,Cf,AutoTenon,TenonB\n"
                                                   "C1,1,105.4,2799.5,12.345,1.365,0.0005,0,29.6\n"
                                                   "C2,2.5,1e2, 2800 ,1E1,0,0,FALSE,30\n",
                                                   CommonData());
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    const ColumnMember& c1 = import.items[0];
    EXPECT_EQ(c1.Members, 1);
    EXPECT_EQ(c1.B, 105);                // whole millimetres
    EXPECT_EQ(c1.Lkx, 2800);             // halves away from zero
    EXPECT_EQ(c1.TenonB, 30);            // a tenon entered by hand is a whole number too
    EXPECT_EQ(c1.AxialForce[0], 12.345); // real numbers keep their decimals
    EXPECT_EQ(c1.WindWidth, 1.365);
    EXPECT_EQ(c1.Cf, 0.0005);
    const ColumnMember& c2 = import.items[1];
    EXPECT_EQ(c2.Members, 3);
    EXPECT_EQ(c2.B, 100);
    EXPECT_EQ(c2.Lkx, 2800);
    EXPECT_EQ(c2.AxialForce[0], 10);
    EXPECT_FALSE(c2.AutoTenon);
}

TEST(ColumnsCsvReaderFieldChecks, ComputedTenonStandsAsWritten) {
    // The automatic tenon of the empty section is negative; the check recomputes it anyway.
    const ColumnsCsvImport import = readColumnsCsv("Name,AutoTenon,TenonB,TenonD\nC1,1,30,-30\n", CommonData());
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    EXPECT_EQ(import.items[0].TenonD, -30);
    EXPECT_NE(onlyProblem("Name,AutoTenon,TenonD\nC1,0,-30\n").find("負の値"), std::string::npos);
}

TEST(ColumnsCsvReaderFieldChecks, ColumnNamesIgnoreCaseAndBlanks) {
    const ColumnsCsvImport import = readColumnsCsv("name , AXIALFORCE0\nC1,5\n", CommonData());
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    EXPECT_EQ(import.items[0].AxialForce[0], 5);
}

TEST(ColumnsCsvReaderFieldChecks, FlagsAreZeroOneTrueOrFalse) {
    const ColumnsCsvImport import =
        readColumnsCsv("Name,CfDirect,UseAxisX,BaseUseEndPosFcv\nC1,1,true,TRUE\nC2,0,False,0\n", CommonData());
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    EXPECT_TRUE(import.items[0].CfDirect);
    EXPECT_TRUE(import.items[0].UseAxisX);
    EXPECT_TRUE(import.items[0].BaseMaterial.UseEndPosFcv);
    EXPECT_FALSE(import.items[1].UseAxisX);
    EXPECT_EQ(onlyProblem("Name,CfDirect\nC1,2\n"), "2 行目 CfDirect: \"2\" は 0 か 1 ではありません。");
}

// ---- lists ---------------------------------------------------------------

TEST(ColumnsCsvReaderLists, GradeOfTheColumnsProductIsCheckedAgainstItsList) {
    // Machine grade: five grades below species 6, six from species 6 on.
    EXPECT_EQ(onlyProblem("Name,SelectProduct,ProductStandardNormal,KindOfWood0,SelectGrade0\nC1,0,1,6,5\n"), "");
    EXPECT_EQ(onlyProblem("Name,SelectProduct,ProductStandardNormal,KindOfWood0,SelectGrade0\nC1,0,1,0,5\n"),
              "2 行目 SelectGrade0: 5 は選択肢 0～4 にありません。");
    // Glulam lay-up 2 offers four grades.
    EXPECT_NE(onlyProblem("Name,SelectProduct,LaminaCompositionIndex,SelectGrade2\nC1,2,2,4\n"), "");
    EXPECT_EQ(onlyProblem("Name,SelectProduct,LaminaCompositionIndex,SelectGrade2\nC1,2,2,3\n"), "");
    // A slot of another product keeps any value of its longest list.
    EXPECT_EQ(onlyProblem("Name,SelectProduct,SelectGrade1\nC1,0,28\n"), "");
    EXPECT_NE(onlyProblem("Name,SelectProduct,SelectGrade1\nC1,0,29\n"), "");
}

TEST(ColumnsCsvReaderLists, SpeciesShapeAndSizeCodeLists) {
    // Visual grade lists ten species, ungraded twenty-one; the horizontal member is always ungraded.
    EXPECT_NE(onlyProblem("Name,ProductStandardNormal,KindOfWood0\nC1,0,10\n"), "");
    EXPECT_EQ(onlyProblem("Name,ProductStandardNormal,KindOfWood0\nC1,2,20\n"), "");
    EXPECT_EQ(onlyProblem("Name,BaseKindOfWood0\nC1,20\n"), "");
    EXPECT_NE(onlyProblem("Name,BaseKindOfWood0\nC1,21\n"), "");
    // Round sections are sawn lumber only.
    EXPECT_EQ(onlyProblem("Name,SelectProduct,Shape\nC1,0,1\n"), "");
    EXPECT_EQ(onlyProblem("Name,SelectProduct,Shape\nC1,2,1\n"), "2 行目 Shape: 1 は選択肢 0～0 にありません。");
    // Size codes of the product's size list, or 0.
    EXPECT_EQ(onlyProblem("Name,SelectProduct,SizeCode\nC1,1,204\n"), "");
    EXPECT_EQ(onlyProblem("Name,SelectProduct,SizeCode\nC1,2,0\n"), "");
    EXPECT_EQ(onlyProblem("Name,SelectProduct,SizeCode\nC1,0,204\n"),
              "2 行目 SizeCode: 204 は選べるサイズにありません。");
    EXPECT_NE(onlyProblem("Name,KindOfWood4\nC1,-1\n"), "");
    EXPECT_EQ(onlyProblem("Name,KindOfWood4\nC1,77\n"), "");
}

// ---- refused files --------------------------------------------------------

TEST(ColumnsCsvReaderRefused, EveryKindOfBadValueNamesItsLineAndColumn) {
    struct Case {
        const char* file;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"refused/unknown-column.csv", {"1 行目 Width: 項目の欄の名前ではありません。"}},
        {"refused/not-a-number.csv",
         {"3 行目 D: \"abc\" は数値ではありません。", "4 行目 AxialForce0: \"1,5\" は数値ではありません。"}},
        {"refused/outside-list.csv",
         {"2 行目 SelectGrade2: 11 は選択肢 0～10 にありません。",
          "3 行目 SelectProduct: 5 は選択肢 0～4 にありません。", "4 行目 FloorIndex: 7 は選択肢 0～4 にありません。"}},
        {"refused/negative-size.csv",
         {"2 行目 D: 負の値 -105 は入力できません。", "3 行目 AxialForce0: 負の値 -12 は入力できません。"}},
        {"refused/unclosed-quote.csv", {"3 行目: 引用符 \" で始まる値が閉じられていません。"}},
        {"refused/neither-encoding.csv", {"3 行目: UTF-8 としてもシフト JIS としても読めないバイトがあります。"}},
        {"refused/utf16.txt", {"1 行目: UTF-16 のファイルは読めません。UTF-8 の CSV として保存してください。"}},
    };
    for (const Case& c : cases) {
        const ColumnsCsvImport import = readFixture(c.file);
        EXPECT_FALSE(import.accepted()) << c.file;
        EXPECT_TRUE(import.items.empty()) << c.file;
        EXPECT_EQ(import.problems, c.problems) << c.file;
        EXPECT_EQ(import.problemCount, static_cast<int>(c.problems.size())) << c.file;
    }
}

TEST(ColumnsCsvReaderRefused, TenProblemsAreListedAndAllCounted) {
    const ColumnsCsvImport import = readFixture("refused/many-problems.csv");
    EXPECT_EQ(import.problemCount, 12);
    ASSERT_EQ(import.problems.size(), static_cast<std::size_t>(kMaxListedCsvProblems));
    EXPECT_EQ(import.problems.front(), "2 行目 B: \"x1\" は数値ではありません。");
    EXPECT_EQ(import.problems.back(), "11 行目 B: \"x10\" は数値ではありません。");
}

TEST(ColumnsCsvReaderRefused, HeaderProblems) {
    EXPECT_EQ(onlyProblem("B,D\n105,105\n"), "1 行目: 名前の列 Name がありません。");
    EXPECT_EQ(onlyProblem("Name,B,b\nC1,1,2\n"), "1 行目 b: 同じ欄の列が二つあります。");
    EXPECT_EQ(onlyProblem(""), "1 行目: 見出しの行がありません。");
    EXPECT_EQ(onlyProblem("Name,B\r\n"), "2 行目: 項目の行がありません。");
    // A column without a header may stay empty, but must not hold a value.
    EXPECT_EQ(onlyProblem("Name,,B\nC1,,105\n"), "");
    EXPECT_EQ(onlyProblem("Name,B\nC1,105,,\n"), "");
    EXPECT_EQ(onlyProblem("Name,B\nC1,105,7\n"), "2 行目 3 列目: 見出しのない列に値があります。");
}

TEST(ColumnsCsvReaderRefused, WholeNumbersMustBeWholeAndFit) {
    EXPECT_EQ(onlyProblem("Name,SelectProduct\nC1,1.5\n"), "2 行目 SelectProduct: \"1.5\" は整数ではありません。");
    EXPECT_EQ(onlyProblem("Name,Members\nC1,3e9\n"), "2 行目 Members: \"3e9\" は大きすぎます。");
    EXPECT_EQ(onlyProblem("Name,B\nC1,1e999\n"), "2 行目 B: \"1e999\" は数値ではありません。");
    EXPECT_EQ(onlyProblem("Name,AxialForce0\nC1,nan\n"), "2 行目 AxialForce0: \"nan\" は数値ではありません。");
}

TEST(ColumnsCsvReaderRefused, ValuesOutsideTheirFieldsLimitsAreNeverClamped) {
    EXPECT_EQ(onlyProblem("Name,Members\nC1,0\n"), "2 行目 Members: 0 は 1 より小さい値です。");
    EXPECT_EQ(onlyProblem("Name,B\nC1,1e300\n"), "2 行目 B: 1e+300 は 100000 を超えています。");
    EXPECT_EQ(onlyProblem("Name,Lkx\nC1,100001\n"), "2 行目 Lkx: 100001 は 100000 を超えています。");
    EXPECT_EQ(onlyProblem("Name,AxialForce3\nC1,1000000.5\n"),
              "2 行目 AxialForce3: 1000000.5 は 1000000 を超えています。");
    EXPECT_EQ(onlyProblem("Name,SubMembers\nC1,1001\n"), "2 行目 SubMembers: 1001 は 1000 を超えています。");
    EXPECT_EQ(onlyProblem("Name,HeightZ,Cf\nC1,1000,101\n"), "2 行目 Cf: 101 は 100 を超えています。");
    // Even a tenon the program computes stays within its field.
    EXPECT_EQ(onlyProblem("Name,AutoTenon,TenonB\nC1,1,1e300\n"), "2 行目 TenonB: 1e+300 は 100000 を超えています。");
    // The limits themselves are taken.
    EXPECT_EQ(onlyProblem("Name,B,Members,AxialForce0\nC1,100000,1000,1000000\n"), "");
}

TEST(ColumnsCsvReaderRefused, NamesCodePage932CannotHoldNameTheCharacter) {
    const ColumnsCsvImport import = readColumnsCsv(
        "Name,B\nC1 \xF0\x9F\x98\x80,105\ncaf\xC3\xA9,105\n\xE9\x80\x9A\xE3\x82\x8A\xE2\x91\xA0,105\n", CommonData());
    EXPECT_EQ(import.problems, (std::vector<std::string>{
                                   "2 行目 Name: \"\xF0\x9F\x98\x80\" はシフト JIS（コードページ 932）にない文字です。",
                                   "3 行目 Name: \"\xC3\xA9\" はシフト JIS（コードページ 932）にない文字です。"}));
    // Japanese names with the characters of code page 932 ("通り①") are taken.
    EXPECT_EQ(onlyProblem("Name\n\xE9\x80\x9A\xE3\x82\x8A\xE2\x91\xA0\n"), "");
}

TEST(ColumnsCsvReaderNames, AnApostropheGuardingAFormulaCharacterIsTakenAway) {
    const ColumnsCsvImport import =
        readColumnsCsv("Name\n'=SUM(1)\n'+1\n'-x\n'@x\n\"'\tx\"\n''=x\n'plain\n=raw\n", CommonData());
    ASSERT_TRUE(import.accepted()) << allProblems(import);
    std::vector<std::string> names;
    for (const ColumnMember& item : import.items)
        names.push_back(item.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"=SUM(1)", "+1", "-x", "@x", "\tx", "'=x", "'plain", "=raw"}));
}

TEST(ColumnsCsvReaderRefused, TextAfterAClosingQuote) {
    EXPECT_EQ(onlyProblem("Name,B\n\"C1\"x,105\n"), "2 行目: 引用符 \" で閉じた値の後に文字があります。");
}

} // namespace
} // namespace tarvo
