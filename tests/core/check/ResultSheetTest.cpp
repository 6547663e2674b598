#include "core/check/ResultSheet.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/ReportCanvas.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"
#include "core/report/ItemPresentation.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// The colours the sheet uses by name, so that failures read plainly.
std::string colourName(RgbColor c) {
    if (c.red == 0 && c.green == 0 && c.blue == 0) return "black";
    if (c.red == 0 && c.green == 0 && c.blue == 255) return "blue";
    if (c.red == 255 && c.green == 0 && c.blue == 0) return "red";
    return formatText("rgb(%d, %d, %d)", c.red, c.green, c.blue);
}

// Records every text with its place and colour; every UTF-8 code point is
// 10 px wide. It starts green, so a sheet that does not set black shows.
class RecordingCanvas final : public ReportCanvas {
public:
    struct Text {
        int x;
        int y;
        RgbColor color;
        std::string text;
    };
    static constexpr int kAdvance = 10;

    void setFont(std::string_view name, int heightPx, FontStyle style) override {
        font = std::string(name);
        height = heightPx;
        regular = style == kRegularStyle;
    }
    int textWidth(std::string_view text) override {
        int points = 0;
        for (const char c : text)
            points += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        return points * kAdvance;
    }
    void drawText(int x, int y, std::string_view text) override { texts.push_back({x, y, color, std::string(text)}); }
    void setColor(RgbColor c) override { color = c; }
    void fillRect(const PixelRect&) override {}
    void setClipRect(const PixelRect&) override {}
    void clearClip() override {}
    int pixelsPerInch() const override { return 96; }

    // The texts of each line (same y) joined, lines in drawing order.
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        int lastY = -1;
        for (const Text& t : texts) {
            if (result.empty() || t.y != lastY) result.emplace_back();
            result.back() += t.text;
            lastY = t.y;
        }
        return result;
    }
    const Text* find(std::string_view text) const {
        for (const Text& t : texts) {
            if (t.text == text) return &t;
        }
        return nullptr;
    }

    std::vector<Text> texts;
    RgbColor color{0, 255, 0};
    std::string font;
    int height = 0;
    bool regular = false;
};

// Line step 16 (13 + 3); label column at 7 + 40, case text at 7 + 50 + 20.
class ResultSheetTest : public ::testing::Test {
protected:
    static ColumnMember column(double b, double d, int kind = kSawnLumber, double lkx = 2800) {
        ColumnMember item;
        item.ColumnMaterial.SelectProduct = kind;
        item.B = b;
        item.D = d;
        item.Lkx = lkx;
        item.AxialForce[0] = 10;
        return item;
    }
    // q = 1000 on a wall 0.91 m wide, Cf 1.0, 20 kN in the wind case:
    // for 105 × 105 sawn lumber M = 0.89 kN·m.
    void addWind(ColumnMember& item) {
        common.VelocityPressure = 1000;
        item.AxialForce[3] = 20;
        item.HeightZ = 3;
        item.WindWidth = 0.91;
        item.Cf = 1.0;
        item.CfDirect = true;
    }
    // Checks and draws on a fresh canvas; returns the check's code.
    std::int32_t checkAndDraw(const ColumnMember& item, const ResultSheetFont& font = {}) {
        r = check.CheckColumn(item);
        canvas = RecordingCanvas{};
        bottom = DrawResultSheet(PresentItem(item, r, check), canvas, font);
        return r.ResultCode;
    }
    // The texts of the column's lookup as the sheet shows them.
    [[nodiscard]] MatData columnTexts(const ColumnMember& item) const { return PresentItem(item, r, check).column; }
    // The column's line and the horizontal member's line.
    [[nodiscard]] std::vector<std::string> materialLines(const ColumnMember& item) const {
        const ItemPresentation p = PresentItem(item, r, check);
        return {"柱" + p.column.description, std::string(r.BaseDisplayName) + p.base.speciesName};
    }
    static std::vector<std::string> plus(std::vector<std::string> lines, const std::vector<std::string>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    }

    MatDataBase catalogue;
    CommonData common;
    ColumnCheck check{catalogue, common};
    ColumnOutcome r;
    RecordingCanvas canvas;
    int bottom = 0;
};

TEST_F(ResultSheetTest, CheckedItemLayout) {
    // 105 × 105: A 110.25 and Acv 87.75 print with their halves rounded up.
    ColumnMember item = column(105, 105);
    item.AxialForce = {10, 30, 0, 0, 50};
    ASSERT_EQ(checkAndDraw(item), kCheckOk);
    EXPECT_EQ(canvas.lines(), plus(materialLines(item), {
                                                            "A=110.3,  Acv=87.8,  i=3.03",
                                                            "λ=92,  η=0.376,  Fk=8.35 (Fc=22.20),  Fcv=9.00",
                                                            "常　時： σc/fk=0.30,  σc/fcv=0.35  OK",
                                                            "長期積雪時： σc/fk=0.68,  σc/fcv=0.80  OK",
                                                            "地震荷重時： σc/fk=0.81,  σc/fcv=0.95  OK",
                                                        }));
    ASSERT_EQ(canvas.texts.size(), 18u);
    EXPECT_EQ(canvas.font, "ＭＳ Ｐゴシック");
    EXPECT_EQ(canvas.height, 13);
    EXPECT_TRUE(canvas.regular);
    const auto at = [&](std::size_t i) { return std::pair{canvas.texts[i].x, canvas.texts[i].y}; };
    EXPECT_EQ(at(0), std::pair(7, 2));   // 柱
    EXPECT_EQ(at(1), std::pair(47, 2));  // behind the widest label "横架材　"
    EXPECT_EQ(at(2), std::pair(7, 18));  // horizontal member
    EXPECT_EQ(at(3), std::pair(47, 18)); // its species
    EXPECT_EQ(at(4), std::pair(7, 34));  // section
    EXPECT_EQ(at(5), std::pair(7, 52));  // slenderness, 2 px apart
    EXPECT_EQ(at(6), std::pair(7, 70));  // first case, 2 px apart
    EXPECT_EQ(at(7), std::pair(57, 70)); // "： " behind the widest case name
    EXPECT_EQ(at(8), std::pair(77, 70));
    EXPECT_EQ(at(9), std::pair(77 + 26 * 10, 70)); // the mark right behind the ratios
    EXPECT_EQ(at(17), std::pair(77 + 26 * 10, 102));
    EXPECT_EQ(bottom, 118);

    // A larger font widens the step; the mark needs both verdicts.
    item.AxialForce = {30, 0, 0, 0, 0}; // σc/fk 0.89 but σc/fcv 1.04
    checkAndDraw(item, {"Century", 20});
    EXPECT_EQ(bottom, 2 + 4 * 23 + 2 * 2 + 23);
    EXPECT_EQ(canvas.lines().back(), "常　時： σc/fk=0.89,  σc/fcv=1.04  NG");
    EXPECT_EQ(colourName(canvas.texts.back().color), "red");
}

TEST_F(ResultSheetTest, WindOnAndOff) {
    ColumnMember item = column(105, 105);
    item.AxialForce[3] = 20;
    ASSERT_EQ(checkAndDraw(item), kCheckOk); // no wind: the wind case like any other
    EXPECT_EQ(canvas.lines().size(), 6u);
    EXPECT_EQ(canvas.lines()[4], "常　時： σc/fk=0.30,  σc/fcv=0.35  OK");
    EXPECT_EQ(canvas.lines()[5], "風荷重時： σc/fk=0.33,  σc/fcv=0.38  OK");

    addWind(item); // bearing, then compression with bending, then shear
    ASSERT_EQ(checkAndDraw(item), kCheckOk);
    ASSERT_EQ(r.Wind->M, 0.89);
    const std::vector<std::string> lines = canvas.lines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[4], "As=22.5,  Z=192.9,  Fs=2.40,  Fb=28.20");
    EXPECT_EQ(lines[6], "風荷重時： σc/fcv=0.38  OK");
    EXPECT_EQ(lines[7], "σc/fk＋σb/fb=0.57  OK");
    EXPECT_EQ(lines[8], "τ/fs=0.53  OK");
    EXPECT_EQ(canvas.find("σc/fk＋σb/fb=0.57  ")->x, 77);
    EXPECT_EQ(canvas.find("τ/fs=0.53  ")->x, 77);
    EXPECT_EQ(bottom, canvas.texts.back().y + 16);

    item.AxialForce[3] = 0; // wind case without force: not listed, wind line stays
    ASSERT_EQ(checkAndDraw(item), kCheckOk);
    EXPECT_EQ(canvas.lines().size(), 6u);
    EXPECT_EQ(canvas.lines()[4], "As=22.5,  Z=192.9,  Fs=2.40,  Fb=28.20");

    item.AxialForce[3] = 20;
    for (const double height : {3.0, -3.0}) {
        item.HeightZ = height;
        item.WindWidth = height > 0 ? 0 : -0.91; // no wall carried: no wind line, no bending
        ASSERT_EQ(checkAndDraw(item), kCheckOk);
        EXPECT_EQ(canvas.lines().size(), 6u) << height;
        EXPECT_EQ(canvas.lines()[5], "風荷重時： σc/fk=0.33,  σc/fcv=0.38  OK");
    }
}

TEST_F(ResultSheetTest, BearingCheckOmitted) {
    ColumnMember item = column(105, 105);
    item.AxialForce = {60, 0, 0, 20, 0};
    item.BaseMaterial.SelectProduct = kGlulamColumn;
    item.FcvUpper = true; // no bearing, so no note on it
    item.BaseMaterial.UseEndPosFcv = true;
    addWind(item);
    ASSERT_EQ(checkAndDraw(item), kCheckOk);
    EXPECT_EQ(canvas.lines(), (std::vector<std::string>{
                                  "柱" + columnTexts(item).description,
                                  "A=110.3,  i=3.03",
                                  "λ=92,  η=0.376,  Fk=8.35 (Fc=22.20)",
                                  "As=22.5,  Z=192.9,  Fs=2.40,  Fb=28.20",
                                  "常　時： σc/fk=1.78  NG", // OkC alone decides
                                  "風荷重時： ",             // the bearing line stays empty
                                  "σc/fk＋σb/fb=0.57  OK",
                                  "τ/fs=0.53  OK",
                              }));
}

TEST_F(ResultSheetTest, TooSlenderShowsLambdaInRedWithOneDecimal) {
    ColumnMember item = column(0, 120, kSawnLumber, 4570.2); // round, i = 3 cm: λ 152.34
    item.Shape = kRound;
    ASSERT_EQ(checkAndDraw(item), kCheckTooSlender);
    EXPECT_EQ(canvas.lines(), plus(materialLines(item), {"A=113.1,  Acv=86.1,  i=3.00", "λ=152.3"}));
    EXPECT_EQ(colourName(canvas.texts.back().color), "red");
    EXPECT_EQ(canvas.texts.back().y, 34 + 18);
    EXPECT_EQ(colourName(canvas.color), "black");
}

// Each code shows the lines of the values its check computed, never zeros
// of values it did not reach nor numbers of an earlier check.
TEST_F(ResultSheetTest, CodesThatStopTheCheck) {
    ColumnMember item = column(0, 0);
    item.ColumnMaterial.UseEnvironIndex = 1;
    ASSERT_EQ(checkAndDraw(item), kCheckNoSection);
    EXPECT_EQ(canvas.lines(), plus(materialLines(item), {"使用環境区分Ⅱ"}));
    EXPECT_EQ(bottom, 34 + 16);

    item = column(105, 105);
    item.AxialForce[0] = 0;
    ASSERT_EQ(checkAndDraw(item), kCheckNoAxialForce);
    EXPECT_EQ(canvas.lines().size(), 4u);
    EXPECT_EQ(canvas.lines()[3], "λ=92,  η=0.376,  Fk=8.35 (Fc=22.20),  Fcv=9.00");

    item = column(105, 105, kSawnLumber, 0);
    addWind(item);
    ASSERT_EQ(checkAndDraw(item), kCheckNoBucklingLength); // strengths known, no λ
    EXPECT_EQ(canvas.lines(),
              plus(materialLines(item), {"A=110.3,  Acv=87.8,  i=3.03", "As=22.5,  Z=192.9,  Fs=2.40,  Fb=28.20"}));

    // Drawn right after a full check of a similar item, then stopped before the section values.
    const auto stoppedEarly = [&](const ColumnMember& stopped, std::int32_t expected) {
        ColumnMember previous = stopped;
        previous.B = previous.D = 105;
        previous.AxialForce = {10, 0, 0, 0, 0};
        previous.ColumnMaterial.UnValuationLamina = false;
        previous.AutoTenon = true;
        addWind(previous);
        ASSERT_EQ(checkAndDraw(previous), kCheckOk);
        ASSERT_EQ(checkAndDraw(stopped), expected);
        EXPECT_EQ(canvas.lines(), materialLines(stopped)) << expected;
    };
    stoppedEarly(column(89, 120, kGlulamColumn), kCheckGlulamColumnRange);
    item = column(150, 120, kGlulam);
    item.ColumnMaterial.LaminaCompositionIndex = 2;
    item.ColumnMaterial.UnValuationLamina = true;
    stoppedEarly(item, kCheckUnevaluatedLaminaWidth);
    item = column(105, 105);
    item.AxialForce[0] = 1e308; // results cleared
    stoppedEarly(item, kCheckResultNotFinite);

    // No strengths in use: the section line alone, no wind line of zeros.
    item = column(105, 105);
    item.ColumnMaterial.KindOfWood[0] = 99;
    addWind(item);
    ASSERT_EQ(checkAndDraw(item), kCheckColumnMaterialWithoutStrengths);
    EXPECT_EQ(canvas.lines().size(), 3u);
    EXPECT_EQ(canvas.lines().back(), "A=110.3,  Acv=87.8,  i=3.03");

    // Refused for an area a load case would divide by: no zero radius of
    // gyration or strength, and no verdict.
    std::vector<ColumnMember> refused(3, column(105, 105));
    refused[0].AutoTenon = false;
    refused[0].TenonB = refused[0].TenonD = 105;
    refused[1] = column(0, 150);
    refused[1].Shape = kRound;
    refused[1].AutoTenon = false;
    refused[1].TenonB = 0;
    refused[2] = refused[1];
    refused[2].AutoTenon = true;
    refused[2].SubMembers = -1; // damaged file: no pieces, no section modulus
    const std::int32_t codes[] = {kCheckNoBearingArea, kCheckNoShearArea, kCheckNoSectionModulus};
    for (std::size_t i = 0; i < refused.size(); ++i) {
        addWind(refused[i]);
        ASSERT_EQ(checkAndDraw(refused[i]), codes[i]);
        for (const auto& t : canvas.texts) {
            EXPECT_EQ(t.text.find("i=0.00"), std::string::npos) << codes[i];
            EXPECT_EQ(t.text.find("Fb=0.00"), std::string::npos) << codes[i];
            EXPECT_TRUE(t.text != "OK" && t.text != "NG") << codes[i];
        }
    }
}

TEST_F(ResultSheetTest, EnvironmentClasses) {
    for (const auto& [index, line] : {std::pair{0, "使用環境区分Ⅰ"}, std::pair{1, "使用環境区分Ⅱ"}}) {
        ColumnMember item = column(105, 105);
        item.ColumnMaterial.UseEnvironIndex = index;
        ASSERT_EQ(checkAndDraw(item), kCheckOk);
        ASSERT_NE(canvas.find(line), nullptr) << index;
        EXPECT_EQ(canvas.find(line)->x, 7);
        EXPECT_EQ(canvas.find(line)->y, 34);
        EXPECT_EQ(canvas.lines().size(), 6u);
    }
    ColumnMember item = column(105, 105);
    ASSERT_EQ(item.ColumnMaterial.UseEnvironIndex, 2);
    checkAndDraw(item);
    EXPECT_EQ(canvas.lines().size(), 5u);
}

TEST_F(ResultSheetTest, WindStrengthLabelsNameTheStrengthsInUse) {
    struct Row {
        int kind;
        double b, d;
        int layUp;
        bool unevaluated, axisX;
        const char* labels;
        double MatStrengths::*shear;
        double MatStrengths::*bending; // null: not printed with an axis
    };
    const Row rows[] = {
        {kGlulam, 150, 120, 1, false, false, "Fsy Fby", &MatStrengths::Fsy, &MatStrengths::Fby},
        {kGlulam, 150, 150, 1, true, false, "Fsx Fbx", &MatStrengths::Fsx,
         &MatStrengths::Fbx}, // square counts as b ≥ D
        {kGlulam, 150, 120, 0, false, false, "Fsy Fb", &MatStrengths::Fsy, &MatStrengths::Fby},
        {kGlulam, 120, 150, 1, false, false, "Fsx Fbx", &MatStrengths::Fsx, &MatStrengths::Fbx},
        {kGlulam, 150, 120, 2, false, true, "Fsx Fbx", &MatStrengths::Fsx, &MatStrengths::Fbx},
        {kGlulam, 120, 150, 0, false, false, "Fsx Fb", &MatStrengths::Fsx, &MatStrengths::Fbx},
        {kLvl, 150, 120, 0, false, false, "Fsy Fb", &MatStrengths::Fsy, &MatStrengths::Fbx},
        {kGlulamColumn, 120, 105, 0, false, false, "Fsy Fb", &MatStrengths::Fsy, &MatStrengths::Fbx},
        {kLvl, 105, 150, 0, false, false, "Fsx Fb", &MatStrengths::Fsx, &MatStrengths::Fbx},
        {kGlulamColumn, 120, 105, 0, false, true, "Fsx Fb", &MatStrengths::Fsx, &MatStrengths::Fbx},
        {kSawnLumber, 150, 120, 0, false, false, "Fs Fb", &MatStrengths::Fsx, &MatStrengths::Fbx},
        {kDimensionLumber, 38, 89, 0, false, false, "Fs Fb", &MatStrengths::Fsx, &MatStrengths::Fbx},
    };
    for (const Row& row : rows) {
        ColumnMember item = column(row.b, row.d, row.kind);
        item.SizeCode = row.kind == kDimensionLumber ? 204 : 0;
        item.ColumnMaterial.LaminaCompositionIndex = row.layUp;
        item.ColumnMaterial.UnValuationLamina = row.unevaluated;
        item.UseAxisX = row.axisX;
        addWind(item);
        ASSERT_EQ(checkAndDraw(item), kCheckOk) << row.labels;
        const std::string labels(row.labels);
        const std::string shear = labels.substr(0, labels.find(' '));
        const std::string bending = labels.substr(labels.find(' ') + 1);
        // Un-evaluated laminae of lay-up 1 are reduced by the lookup already.
        const std::string expected =
            formatText("As=%.1f,  Z=%.1f,  %s=%.2f,  %s=%.2f", r.Section->As, r.Section->SectionModulus, shear.c_str(),
                       r.ColumnStrength.*row.shear, bending.c_str(), r.ColumnStrength.*row.bending);
        EXPECT_NE(canvas.find(expected), nullptr) << row.labels << " " << row.b << "x" << row.d;
    }
}

TEST_F(ResultSheetTest, NotesAndColours) {
    ColumnMember item = column(150, 150, kGlulam);
    item.ColumnMaterial.UnValuationLamina = true;
    item.FcvUpper = true;
    item.BaseMaterial.UseEndPosFcv = true;
    item.AxialForce = {10, 300, 0, 20, 0};
    addWind(item);
    ASSERT_EQ(checkAndDraw(item), kCheckOk);
    const auto* species = canvas.find(columnTexts(item).speciesName);
    const auto* laminae = canvas.find("（未評価ラミナを含む）");
    ASSERT_TRUE(species && laminae);
    EXPECT_EQ(species->x, 47);
    EXPECT_EQ(species->y, 18);
    EXPECT_EQ(laminae->x, 47 + canvas.textWidth(species->text));
    EXPECT_EQ(laminae->y, 18);
    const auto* raised = canvas.find("許容めり込み応力度を 1.5･Fcv/3, 2.0･Fcv/3 とする");
    ASSERT_NE(raised, nullptr);
    EXPECT_EQ(raised->y, 50);
    const auto* endPosition = canvas.find("（材端）");
    ASSERT_NE(endPosition, nullptr);
    const auto& slenderness = canvas.texts[static_cast<std::size_t>(endPosition - canvas.texts.data()) - 1];
    EXPECT_EQ(slenderness.text.substr(0, 2), "λ");
    EXPECT_EQ(endPosition->x, 7 + canvas.textWidth(slenderness.text));
    EXPECT_EQ(endPosition->y, slenderness.y);

    // Blue notes and OK marks, red NG marks; everything else black.
    int ok = 0, ng = 0;
    for (const auto& t : canvas.texts) {
        if (t.text == "OK") {
            ++ok;
            EXPECT_EQ(colourName(t.color), "blue");
        } else if (t.text == "NG") {
            ++ng;
            EXPECT_EQ(colourName(t.color), "red");
        } else if (&t == laminae || &t == endPosition) {
            EXPECT_EQ(colourName(t.color), "blue");
        } else {
            EXPECT_EQ(colourName(t.color), "black") << t.text;
        }
    }
    EXPECT_EQ(ok, 4);
    EXPECT_EQ(ng, 1);
    EXPECT_EQ(colourName(canvas.color), "black");

    item.ColumnMaterial.UnValuationLamina = false; // no note; no species line without wind
    checkAndDraw(item);
    EXPECT_EQ(canvas.find("（未評価ラミナを含む）"), nullptr);
    EXPECT_EQ(canvas.lines()[1], columnTexts(item).speciesName);
    common.VelocityPressure = 0;
    checkAndDraw(item);
    EXPECT_EQ(canvas.lines()[1], materialLines(item)[1]);
}

} // namespace
} // namespace tarvo
