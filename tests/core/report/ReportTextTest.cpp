#include "core/report/ReportText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnMember.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// Species indexes of the catalogue lists.
constexpr int kUngradedAkamatsu = 0;
constexpr int kUngradedHinoki = 5;
constexpr int kUngradedSugi = 13;
constexpr int kLaminaBeimatsu = 17;
constexpr int kLaminaSugi = 34;
constexpr int kColumnHinoki = 9;
constexpr int kColumnSugi = 33;

// Expected report texts: UTF-8, one report line per file line.
ReportLines readExpected(const std::string& name) {
    std::ifstream in(std::string(TARVO_TEST_DATA_DIR) + "/reports/" + name);
    EXPECT_TRUE(in.is_open()) << name;
    ReportLines lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void expectSameText(const ReportLines& actual, const std::string& expectedFile) {
    const ReportLines expected = readExpected(expectedFile);
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i)
        EXPECT_EQ(actual[i], expected[i]) << expectedFile << " line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size()) << expectedFile;
    for (std::size_t i = common; i < actual.size(); ++i)
        ADD_FAILURE() << "extra line: " << actual[i];
}

class ReportTextTest : public ::testing::Test {
protected:
    // Art. 87, V0 34 m/s, category Ⅲ, H 7.5 m; two wooden storeys from 0.5 m.
    void windArt87() { setCommon(0, 2, 7.5, 0.5, 3.0, 2.8); }
    // Notification 1458, V0 36 m/s, category Ⅲ, H 9 m.
    void wind1458() { setCommon(1, 3, 9.0, 0.6, 3.2, 3.0); }
    void noWind() { setCommon(0, 0, 0.0, 0.5, 2.9, 2.7); }

    void setCommon(int basis, int v0Index, double height, double floorLevel, double first, double second) {
        common.WindCalcStandard = basis;
        common.V0Index = v0Index;
        common.RoughIndex = 2;
        common.BuildingHeight = height;
        common.Up_q = 1.0;
        common.FirstFloorLevel = floorLevel;
        common.FloorHeight = {first, second, 0, 0};
        common.WoodenStorey = {true, true, false, false};
        common.UpdateVelocityPressure();
        common.UpdateMidHeights();
    }

    static ColumnMember column(const std::string& name, double b, double d, double lkx, PerLoadCase<double> n) {
        ColumnMember item;
        item.Name = name;
        item.B = b;
        item.D = d;
        item.Lkx = lkx;
        item.AxialForce = n;
        return item;
    }
    void inStorey(ColumnMember& item, int floor, double width) const {
        item.FloorIndex = floor;
        item.HeightZ = common.MidHeight[static_cast<std::size_t>(floor - 1)];
        item.WindWidth = width;
    }
    static void sawn(MatInputData& m, int species) {
        m.SelectProduct = kSawnLumber;
        m.ProductStandardNormal = 2;
        m.KindOfWood[0] = species;
    }
    static void glulam(MatInputData& m, int layUp, int grade, int species) {
        m.SelectProduct = kGlulam;
        m.LaminaCompositionIndex = layUp;
        m.SelectGrade[2] = grade;
        m.KindOfWood[2] = species;
    }
    static void dimension(ColumnMember& item, int sizeCode, int members) {
        item.ColumnMaterial.SelectProduct = kDimensionLumber;
        item.ColumnMaterial.KindOfWood[1] = 3; // S-P-F
        item.ColumnMaterial.SelectGrade[1] = 2;
        item.BaseMaterial = item.ColumnMaterial;
        item.SizeCode = sizeCode;
        item.Members = members;
    }
    static void lvl(MatInputData& m, int grade, int shearClass) {
        m.SelectProduct = kLvl;
        m.SelectGrade[3] = grade;
        m.LVL_Shear_Index = shearClass;
        m.KindOfWood[3] = kLaminaSugi;
    }
    static void glulamColumn(MatInputData& m, int species) {
        m.SelectProduct = kGlulamColumn;
        m.SelectGrade[4] = species;
    }

    void expectItemText(ColumnMember& item, const std::string& expectedFile, int number = 1) {
        ReportLines list{"left from the previous item"};
        ASSERT_TRUE(buildItemText(item, list, number, check)) << expectedFile;
        expectSameText(list, expectedFile);
    }

    MatDataBase catalogue;
    CommonData common;
    ColumnCheck check{catalogue, common};
};

// Sawn lumber with wind: raised bearing factors (1.5, 1.5, 2), service class
// Ⅱ, automatic Cf with kz, a negative force.
TEST_F(ReportTextTest, SawnLumberWithWind) {
    windArt87();
    ColumnMember item = column("１階外壁柱", 105, 105, 2800, {12, 14, 16, 15, -3});
    sawn(item.ColumnMaterial, kUngradedSugi);
    item.ColumnMaterial.UseEnvironIndex = 1;
    item.FcvUpper = true;
    inStorey(item, 1, 0.91);
    expectItemText(item, "sawn-wind.txt");
}

// Without a name the section follows the number on the number line; no tenon
// prints A＝Acv; the column stands at the end of the horizontal member.
TEST_F(ReportTextTest, SawnLumberWithoutWindOrName) {
    noWind();
    ColumnMember item = column("", 120, 120, 2800, {20, 24, 28, 20, 24});
    sawn(item.ColumnMaterial, kUngradedSugi);
    item.ColumnMaterial.UseEnvironIndex = 0;
    item.Members = 2;
    item.AutoTenon = false;
    item.TenonB = 0;
    item.TenonD = 0;
    item.BaseMaterial.UseEndPosFcv = true;
    expectItemText(item, "sawn-no-wind-no-name.txt", 12);
}

// D > 300 gives the size factor line; a hand-entered Cf prints no kz; the
// direct Lky with different radii prints ix and iy.
TEST_F(ReportTextTest, SawnLumberSizeFactorAndDirectCf) {
    windArt87();
    ColumnMember item = column("大断面柱", 120, 360, 3000, {30, 35, 40, 30, 35});
    sawn(item.ColumnMaterial, kUngradedSugi);
    item.LkyDirect = true;
    item.Lky = 1500;
    item.CfDirect = true;
    item.Cf = 1.2;
    item.FloorIndex = 0;
    item.HeightZ = 1.5;
    item.WindWidth = 1.82;
    expectItemText(item, "sawn-size-factor.txt");
}

// With wind but no bending (Lb 0), the wind case is printed like the others;
// a case without force is left out with its bearing line.
TEST_F(ReportTextTest, WindCaseWithoutBending) {
    windArt87();
    ColumnMember item = column("曲げなし柱", 105, 105, 2800, {12, 0, 16, 15, 14});
    sawn(item.ColumnMaterial, kUngradedSugi);
    inStorey(item, 1, 0.91);
    item.LbDirect = true;
    item.Lb = 0;
    expectItemText(item, "wind-without-bending.txt");
}

TEST_F(ReportTextTest, RoundSection) {
    noWind();
    ColumnMember item = column("独立柱（丸太）", 0, 150, 2800, {20, 24, 28, 20, 24});
    item.Shape = kRound;
    sawn(item.ColumnMaterial, kUngradedHinoki);
    sawn(item.BaseMaterial, kUngradedAkamatsu);
    item.BaseNameIndex = 1;
    expectItemText(item, "round-no-wind.txt");
}

// Without a tenon the round post has no shear area, which only wind shear
// needs: without wind it prints in full, the whole section bearing.
TEST_F(ReportTextTest, RoundSectionWithoutTenon) {
    noWind();
    ColumnMember item = column("独立柱（丸太）", 0, 150, 2800, {20, 24, 28, 20, 24});
    item.Shape = kRound;
    item.AutoTenon = false;
    item.TenonB = 0;
    item.TenonD = 0;
    sawn(item.ColumnMaterial, kUngradedHinoki);
    sawn(item.BaseMaterial, kUngradedAkamatsu);
    item.BaseNameIndex = 1;
    ReportLines list;
    ASSERT_TRUE(buildItemText(item, list, 1, check));
    const ReportLines withTenon = readExpected("round-no-wind.txt");
    ASSERT_EQ(list.size(), withTenon.size());
    EXPECT_EQ(list[3], "#2A＝Acv＝176.7cm^2");
    EXPECT_EQ(list[4], withTenon[4]); // slenderness
    EXPECT_EQ(list[6], withTenon[6]); // Fk
    EXPECT_EQ(list[7], withTenon[7]); // the first load case, then its two checks
    EXPECT_EQ(list[8], withTenon[8]);
    EXPECT_EQ(list[9], "#4fcv＝9.00×1.1/3＝3.30N/mm^2,　　σcv/fcv＝1.13/3.30＝0.34　OK");
    EXPECT_EQ(list.back(), "#4fcv＝9.00×2/3＝6.00N/mm^2,　　σcv/fcv＝1.36/6.00＝0.23　OK");
}

// 2x4 lumber: the count prefix only above one piece, the bottom plate as
// horizontal member, no tenon.
TEST_F(ReportTextTest, DimensionLumber) {
    windArt87();
    ColumnMember three = column("耐力壁端部", 38, 89, 2400, {10, 12, 14, 10, 12});
    dimension(three, 204, 3);
    inStorey(three, 1, 0.455);
    expectItemText(three, "dimension-wind.txt");

    noWind();
    ColumnMember one = column("まぐさ受け", 38, 140, 2400, {6, 7, 8, 6, 7});
    dimension(one, 206, 1);
    expectItemText(one, "dimension-no-wind.txt", 2);
}

// 同一等級構成 with wind bending: plain "Fb" but "Fsy"; Notification 1458
// prints Cpe･Gpe; the species follows the material text.
TEST_F(ReportTextTest, GlulamSameGradeNotification1458) {
    wind1458();
    ColumnMember item = column("集成材管柱", 105, 105, 2800, {15, 18, 21, 15, 18});
    glulam(item.ColumnMaterial, 0, 8, kLaminaSugi);
    inStorey(item, 1, 0.91);
    expectItemText(item, "glulam-same-grade-1458.txt");
}

// Un-evaluated laminae: the option line, x-axis names and the size factor
// applied to Fbx.
TEST_F(ReportTextTest, GlulamUnevaluatedLaminaeWithSizeFactor) {
    windArt87();
    ColumnMember item = column("吹抜け大断面柱", 150, 360, 5400, {40, 48, 56, 40, 48});
    glulam(item.ColumnMaterial, 1, 4, kLaminaSugi);
    item.ColumnMaterial.UnValuationLamina = true;
    item.LkyDirect = true;
    item.Lky = 2700;
    inStorey(item, 1, 2.73);
    expectItemText(item, "glulam-unevaluated-size-factor.txt");
}

// A wide symmetric glulam section takes the y axis for both strengths
// unless the x axis is forced.
TEST_F(ReportTextTest, GlulamWideSectionAxes) {
    windArt87();
    ColumnMember item = column("大断面正方形柱", 360, 360, 3000, {50, 60, 70, 50, 60});
    glulam(item.ColumnMaterial, 1, 4, kLaminaSugi); // Fbx 30.0, Fby 21.6, Fsx 2.7, Fsy 2.1
    inStorey(item, 1, 0.91);
    auto has = [](const ReportLines& lines, const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    };
    ReportLines list;
    ASSERT_TRUE(buildItemText(item, list, 1, check));
    EXPECT_TRUE(has(list, "#2基準強度(N/mm^2)　　Fc＝23.20,　Fcv＝9.00,　Fsy＝2.10"));
    EXPECT_TRUE(has(list, "#3寸法効果係数 Kz＝0.980,　Fby＝0.980×21.6＝21.17"));
    EXPECT_TRUE(has(list, "#4fsy＝2.10×2/3＝1.40 N/mm^2"));

    item.UseAxisX = true;
    ASSERT_TRUE(buildItemText(item, list, 1, check));
    EXPECT_TRUE(has(list, "#2基準強度(N/mm^2)　　Fc＝23.20,　Fcv＝9.00,　Fsx＝2.70"));
    EXPECT_TRUE(has(list, "#3寸法効果係数 Kz＝0.980,　Fbx＝0.980×30.0＝29.40"));
    EXPECT_TRUE(has(list, "#4fsx＝2.70×2/3＝1.80 N/mm^2"));
}

// Square glulam in service class Ⅰ: both options share one line, equal radii
// with a direct Lky print one i and both lengths, and without un-evaluated
// laminae the y-axis names appear without a size factor.
TEST_F(ReportTextTest, GlulamSquareOptionsAndEqualRadii) {
    windArt87();
    ColumnMember item = column("集成材 正方形", 150, 150, 2800, {20, 0, 0, 10, 0});
    glulam(item.ColumnMaterial, 1, 4, kLaminaSugi); // Fc 23.2, Fbx 30.0, Fby 21.6, Fsx 2.7, Fsy 2.1
    item.ColumnMaterial.UseEnvironIndex = 0;        // all strengths × 0.7
    item.ColumnMaterial.UnValuationLamina = true;   // shear × 0.6 more
    item.LkyDirect = true;
    item.Lky = 1500;
    inStorey(item, 1, 0.91);
    auto has = [](const ReportLines& lines, const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    };
    ReportLines list;
    ASSERT_TRUE(buildItemText(item, list, 3, check));
    EXPECT_TRUE(has(list, "#2幅はぎ未評価ラミナを含む　　　使用環境区分 Ⅰ"));
    EXPECT_TRUE(has(list, "#2i＝4.33cm,　 Lkx＝280.0cm,　Lky＝150.0cm,　 λ＝65,　η＝0.653"));
    EXPECT_TRUE(has(list, "#2基準強度(N/mm^2)　　Fc＝16.24,　Fcv＝6.30,　Fsx＝1.13,　Fbx＝21.00"));

    item.ColumnMaterial.UnValuationLamina = false;
    ASSERT_TRUE(buildItemText(item, list, 3, check));
    EXPECT_TRUE(has(list, "#2使用環境区分 Ⅰ"));
    EXPECT_TRUE(has(list, "#2基準強度(N/mm^2)　　Fc＝16.24,　Fcv＝6.30,　Fsy＝1.47,　Fby＝15.12"));
    EXPECT_TRUE(has(list, "#4fsy＝1.47×2/3＝0.98 N/mm^2"));
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const std::string& line) { return line.find("σb/fby＝") != std::string::npos; }),
              1);
}

// A round section names no piece count, however many pieces are entered.
TEST_F(ReportTextTest, RoundSectionPrintsNoCount) {
    noWind();
    ColumnMember item = column("", 0, 150, 2800, {20, 0, 0, 0, 0});
    item.Shape = kRound;
    item.Members = 2;
    sawn(item.ColumnMaterial, kUngradedHinoki);
    ReportLines list;
    ASSERT_TRUE(buildItemText(item, list, 1, check));
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front(), "&#0 1. @150φ　ひのき　無等級材");
}

TEST_F(ReportTextTest, GlulamWithoutWind) {
    noWind();
    ColumnMember item = column("集成材通し柱", 120, 240, 3000, {30, 36, 42, 30, 36});
    glulam(item.ColumnMaterial, 1, 3, kLaminaBeimatsu);
    item.ColumnMaterial.UnValuationLamina = true; // no wind: no option line
    expectItemText(item, "glulam-no-wind.txt");
}

TEST_F(ReportTextTest, Lvl) {
    windArt87();
    ColumnMember deep = column("LVL縦長柱", 90, 360, 2800, {20, 24, 28, 20, 24});
    lvl(deep.ColumnMaterial, 4, 0);
    deep.UseAxisX = true;
    inStorey(deep, 1, 1.82);
    expectItemText(deep, "lvl-wind.txt");

    noWind();
    ColumnMember square = column("LVL管柱", 105, 105, 2800, {14, 16, 18, 14, 16});
    lvl(square.ColumnMaterial, 10, 3);
    expectItemText(square, "lvl-no-wind.txt");
}

// Glulam column: with wind and the bearing check omitted, and without wind.
TEST_F(ReportTextTest, GlulamColumn) {
    windArt87();
    ColumnMember omitted = column("化粧柱", 105, 105, 2700, {15, 18, 21, 15, 18});
    glulamColumn(omitted.ColumnMaterial, kColumnSugi);
    omitted.BaseMaterial.SelectProduct = kGlulamColumn;
    inStorey(omitted, 2, 0.91);
    expectItemText(omitted, "glulam-column-wind.txt");

    noWind();
    ColumnMember bearing = column("化粧柱 ひのき", 120, 120, 2700, {20, 24, 28, 20, 24});
    glulamColumn(bearing.ColumnMaterial, kColumnHinoki);
    expectItemText(bearing, "glulam-column-no-wind.txt");
}

TEST_F(ReportTextTest, FailingCheckLeavesListUntouched) {
    noWind();
    ColumnMember noLength = column("座屈長さなし", 105, 105, 0, {10, 0, 0, 0, 0});
    ReportLines list{"kept"};
    EXPECT_FALSE(buildItemText(noLength, list, 1, check));
    EXPECT_EQ(list, ReportLines{"kept"});

    ColumnMember outOfRange = column("範囲外", 150, 150, 2700, {10, 0, 0, 0, 0});
    glulamColumn(outOfRange.ColumnMaterial, kColumnSugi);
    EXPECT_FALSE(buildItemText(outOfRange, list, 1, check));
    EXPECT_EQ(list, ReportLines{"kept"});
}

// A wall width without wind (or without a height) computes no Cf, so the
// coefficient another item left behind must not be printed as this item's.
TEST_F(ReportTextTest, WindDataLineShowsNoCoefficientOfAnotherItem) {
    windArt87();
    ColumnMember windy = column("風あり", 105, 105, 2800, {10, 0, 0, 10, 0});
    inStorey(windy, 1, 0.91);
    ASSERT_TRUE(check.CheckColumn(windy).AutoCf);

    ColumnMember noHeight = column("高さなし", 105, 105, 2800, {10, 0, 0, 10, 0});
    noHeight.FloorIndex = 0;
    noHeight.WindWidth = 0.91;
    ReportLines list;
    ASSERT_TRUE(buildItemText(noHeight, list, 2, check));
    const auto windLine = std::find_if(
        list.begin(), list.end(), [](const std::string& line) { return line.rfind("#2地盤面からの高さ", 0) == 0; });
    ASSERT_NE(windLine, list.end());
    EXPECT_EQ(*windLine, "#2地盤面からの高さ Z＝0.00m,　Cf＝0.000,　風圧の負担巾 W＝0.91m");
}

// A name is user text: markup characters in it must not tab, superscript or
// insert the label.
TEST_F(ReportTextTest, MarkupCharactersInANameArePrintedAsTyped) {
    noWind();
    ColumnMember item = column("C#2@A^2", 105, 105, 2800, {10, 0, 0, 0, 0});
    ReportLines list;
    ASSERT_TRUE(buildItemText(item, list, 3, check));
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0], "&#0 3. C＃2＠A＾2");
}

// Piece counts from a damaged file may not fit an int when summed.
TEST_F(ReportTextTest, HugePieceCountsPrintWithoutOverflow) {
    noWind();
    ColumnMember item = column("", 105, 105, 2800, {10, 0, 0, 0, 0});
    item.Members = 2000000000;
    item.SubMembers = 2000000000;
    ReportLines list;
    ASSERT_TRUE(buildItemText(item, list, 1, check));
    EXPECT_NE(list[0].find("×4000000000本"), std::string::npos) << list[0];
}

// Numbers of every place at the widest the field limits allow: a small
// section under the largest forces, wind on a wall 1000 m wide. Every number
// keeps the width of an ordinary one, in a form that says its size.
TEST_F(ReportTextTest, WidestNumbersKeepTheirPlacesWidth) {
    windArt87();
    ColumnMember item = column("", 30, 30, 1200, {1000000, 0, 1000000, 1000000, 1000000});
    inStorey(item, 1, 1000);
    ReportLines list;
    ASSERT_TRUE(buildItemText(item, list, 1, check));
    bool anyCompact = false;
    for (const std::string& line : list) {
        // Runs of digits, points and exponents: one number each.
        std::size_t pos = 0;
        while ((pos = line.find_first_of("0123456789", pos)) != std::string::npos) {
            const std::size_t end = line.find_first_not_of("0123456789.e-", pos);
            const std::string number = line.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
            EXPECT_LE(number.size(), static_cast<std::size_t>(kReportNumberWidth)) << number << " in " << line;
            anyCompact = anyCompact || number.find('e') != std::string::npos;
            pos = end == std::string::npos ? line.size() : end;
        }
    }
    EXPECT_TRUE(anyCompact);
    const auto force =
        std::find_if(list.begin(), list.end(), [](const std::string& l) { return l.find("N＝") != std::string::npos; });
    ASSERT_NE(force, list.end());
    EXPECT_NE(force->find("N＝1.000e6kN"), std::string::npos) << *force;
}

class ReportHeaderTest : public ReportTextTest {
protected:
    ReportLines header() {
        ReportLines lines{"before"};
        buildHeaderText(lines, common, columns);
        EXPECT_EQ(lines.front(), "before"); // the header is appended
        lines.erase(lines.begin());
        return lines;
    }
    void setKinds(std::initializer_list<ProductKind> kinds) {
        columns.Reset();
        bool first = true;
        for (ProductKind kind : kinds) {
            ColumnMember item;
            item.ColumnMaterial.SelectProduct = kind;
            if (first) {
                columns.Item(0) = item;
                first = false;
            } else {
                columns.Append(item);
            }
        }
    }
    ColumnsData columns;
};

TEST_F(ReportHeaderTest, WindArt87WithEveryNote) {
    windArt87();
    setKinds({kSawnLumber, kLvl, kGlulam});
    expectSameText(header(), "header-art87-all-notes.txt");
}

TEST_F(ReportHeaderTest, WindNotification1458WithoutNotes) {
    wind1458();
    setKinds({kSawnLumber, kDimensionLumber});
    expectSameText(header(), "header-1458-no-notes.txt");
}

TEST_F(ReportHeaderTest, NotesFollowTheProductKinds) {
    windArt87();
    const std::string general = "#1　（注） 許容応力度 fb・fs の添字'x'・'y' は下記による。";
    const std::string glulamNote =
        "#1　　　構造用集成材　添字'x'は接着層に平行する軸を、添字'y'は接着層に直交する軸を示す。";
    const std::string lvlNote =
        "#1　　　構造用単板積層材　添字'x'は接着層に直交する軸を、添字'y'は接着層に平行する軸を示す。";

    setKinds({kSawnLumber, kGlulamColumn}); // the glulam column counts as glulam
    ReportLines lines = header();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[9], general);
    EXPECT_EQ(lines[10], glulamNote);

    setKinds({kLvl});
    lines = header();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[9], general);
    EXPECT_EQ(lines[10], lvlNote);
}

TEST_F(ReportHeaderTest, ShortLegendWithoutWind) {
    noWind();
    setKinds({kGlulam, kLvl}); // no notes without wind
    expectSameText(header(), "header-no-wind.txt");
}

} // namespace
} // namespace tarvo
