// The LaTeX document: whole documents of the sample projects against
// expected documents (stored in UTF-8, compared after converting the
// writer's code page 932), and the rules that the samples do not reach.
#include <gtest/gtest.h>

#include "LatexTestSupport.h"
#include "core/report/LatexItemText.h"
#include "core/text/Cp932Codec.h"

namespace tarvo {
namespace {

using test::readFile;
using test::sampleDocument;
using test::sampleProject;

const std::filesystem::path kExpectedDir = std::filesystem::path(TARVO_TEST_DATA_DIR) / "latex";

class LatexSampleDocumentTest : public ::testing::TestWithParam<const char*> {};

// sawn-lumber-wind: basis 0 wind legend, automatic and hand-entered Cf, sill
// factors, end position, round section, wind case with and without bending.
// glulam-wind-1458: basis 1, species appended, lay-up axis names, size
// factor, width-jointed laminae. lvl-wind: LVL note, axis by UseAxisX, size
// factor of LVL. glulam-column: no wind, bearing omitted, a failing item.
TEST_P(LatexSampleDocumentTest, MatchesExpectedDocument) {
    auto project = sampleProject(std::string(GetParam()) + ".tvp");
    const std::string expected = readFile(kExpectedDir / (std::string(GetParam()) + ".tex"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(toUtf8(sampleDocument(project)), expected);
}

INSTANTIATE_TEST_SUITE_P(Samples, LatexSampleDocumentTest,
                         ::testing::Values("sawn-lumber-wind", "glulam-wind-1458", "lvl-wind", "glulam-column"));

// 2x4 counts ("3--204"), lintel-support pieces, hyphens in names and
// material texts, no wind, and the layout switches: page counter, no title,
// no indent, a paragraph space of 0.
TEST(LatexDocumentTest, DimensionLumberWithLayoutSwitches) {
    auto project = sampleProject("dimension-lumber.tvp");
    LatexLayout layout;
    layout.FirstPageNo = 5;
    layout.IsTitlePrint = false;
    layout.Indent = 0;
    layout.ParagraphSpace = 0;
    EXPECT_EQ(toUtf8(sampleDocument(project, layout)), readFile(kExpectedDir / "dimension-lumber.tex"));
}

TEST(LatexDocumentTest, BytesAreCodePage932) {
    auto project = sampleProject("sawn-lumber-wind.tvp");
    const std::string bytes = sampleDocument(project);
    EXPECT_NE(bytes.find("\x82\x50\x8a\x4b\x8a\x4f\x95\xc7\x8a\xd4\x92\x8c"), std::string::npos); // １階外壁間柱
    EXPECT_EQ(bytes.find("１階外壁間柱"), std::string::npos);
    EXPECT_TRUE(cp932ToUtf8(bytes).ok);
}

TEST(LatexDocumentTest, HeaderTitleAndPageStyle) {
    auto project = sampleProject("glulam-column.tvp");
    LatexLayout layout;
    layout.Title = "第１章　柱の設計  \r\n２行目\n";
    layout.ParagraphSpace = 7;
    const std::string doc =
        toUtf8(sampleDocument(project, layout, "\\documentclass{jarticle}\r\n\\usepackage{amsmath}"));
    EXPECT_EQ(doc.substr(0, 200).find("\\documentclass{jarticle}\n\\usepackage{amsmath}\n\\pagestyle{empty}\n"
                                      "\\def\\labelenumi{\\theenumi)}\n\n\\begin{document}\n"
                                      "第１章　柱の設計\n\n２行目\n\n\\vspace{7mm}\n\n\\begin{itemize}\n"),
              0u);

    layout.IsHeaderPrint = false;
    layout.Title.clear();
    const std::string bare = toUtf8(sampleDocument(project, layout));
    EXPECT_EQ(bare.substr(0, bare.find("\\item")), "\\documentclass[a4j]{jarticle}\n\\pagestyle{empty}\n"
                                                   "\\def\\labelenumi{\\theenumi)}\n\n\\begin{document}\n"
                                                   "\\parindent=5mm\n\\begin{enumerate}\n");
}

class FailingSink final : public LatexSink {
public:
    explicit FailingSink(int failAt) : failAt_(failAt) {}
    std::int64_t write(std::string_view bytes) override {
        ++calls;
        return calls == failAt_ ? -1 : static_cast<std::int64_t>(bytes.size());
    }
    int calls = 0;

private:
    int failAt_;
};

TEST(LatexDocumentTest, WriteFailureEndsTheDocument) {
    auto project = sampleProject("sawn-lumber-wind.tvp");
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, project.common);
    LatexWriter writer(check, {}, std::string(kDefaultLatexHeader));

    FailingSink atOpening(1);
    EXPECT_EQ(writer.writeLatexDocument(project.columns, atOpening), -1);
    EXPECT_EQ(atOpening.calls, 1);

    FailingSink atSecondItem(3);
    EXPECT_EQ(writer.writeLatexDocument(project.columns, atSecondItem), -1);
    EXPECT_EQ(atSecondItem.calls, 3);

    // Opening, five items, closing; the result is the closing's byte count.
    FailingSink never(0);
    EXPECT_EQ(writer.writeLatexDocument(project.columns, never),
              static_cast<std::int64_t>(LatexWriter::kClosingText.size()));
    EXPECT_EQ(never.calls, 7);
}

class LatexItemTest : public ::testing::Test {
protected:
    LatexItemTest() : project_(sampleProject("glulam-wind-1458.tvp")), check_(catalogue_, project_.common) {}

    // The item's text as the document holds it, back in UTF-8.
    std::string itemText(ColumnMember& item) {
        LatexWriter writer(check_, {}, {});
        LatexBufferSink sink;
        const std::int64_t written = writer.writeLatexItem(item, sink);
        EXPECT_EQ(written, static_cast<std::int64_t>(sink.text.size()));
        return toUtf8(sink.text);
    }

    samples::SampleProject project_;
    MatDataBase catalogue_;
    ColumnCheck check_;
};

TEST_F(LatexItemTest, FailedCheckWritesNothing) {
    ColumnMember item = project_.columns.Item(0);
    item.Lkx = 0;
    LatexWriter writer(check_, {}, {});
    LatexBufferSink sink;
    EXPECT_EQ(writer.writeLatexItem(item, sink), 0);
    EXPECT_TRUE(sink.text.empty());
}

TEST_F(LatexItemTest, NameIsEscapedAndHyphensDoubled) {
    ColumnMember item = project_.columns.Item(1);
    item.Name = "C-1 50%_{x} #2 ｶﾞﾗｽ①";
    const std::string text = itemText(item);
    EXPECT_EQ(text.substr(0, text.find("{\\it use }")), "\\item {\\bf C--1 50\\%\\_\\{x\\} \\#2 ガラス(1)}\n\n");
}

TEST_F(LatexItemTest, EmptyNameKeepsTheSectionInTheItemLine) {
    ColumnMember item = project_.columns.Item(1);
    item.Name.clear();
    const std::string text = itemText(item);
    EXPECT_EQ(text.substr(0, text.find("\\qquad")),
              "\\item {{\\it use } $b\\times D=105\\times105$~~同一等級構成構造用集成材　E75--F270 (すぎ)}\n\n");
}

TEST_F(LatexItemTest, WidthJointedLaminaeAndServiceClassShareOneLine) {
    ColumnMember item = project_.columns.Item(3);
    item.ColumnMaterial.UseEnvironIndex = 0;
    // pLaTeX has no Roman numeral in JIS X 0208: "Ⅰ" is set as "I".
    EXPECT_NE(itemText(item).find("\n\n\\qquad 幅はぎ未評価ラミナを含む\\qquad 使用環境区分 I\n\n\\qquad 土台  "),
              std::string::npos);
    item.ColumnMaterial.UseEnvironIndex = 1;
    EXPECT_NE(itemText(item).find("\\qquad 使用環境区分 II\n\n"), std::string::npos);

    // Without wind on the item the width-jointed note is left out.
    item.WindWidth = 0;
    const std::string noWind = itemText(item);
    EXPECT_EQ(noWind.find("幅はぎ"), std::string::npos);
    EXPECT_EQ(noWind.find("A_s="), std::string::npos);
    EXPECT_EQ(noWind.find("地盤面"), std::string::npos);
}

TEST_F(LatexItemTest, ZeroForceCasesAreLeftOutAndNegativeForcesPrinted) {
    ColumnMember item = project_.columns.Item(1);
    item.AxialForce = {15, 0, 0, 0, -5};
    const std::string text = itemText(item);
    EXPECT_EQ(text.find("長期積雪時\\>"), std::string::npos);
    EXPECT_EQ(text.find("風荷重時\\>"), std::string::npos);
    EXPECT_NE(text.find("　　地震荷重時\\>：\\>$N=-5.0\\,kN$ \\\\ \n"), std::string::npos);
    // The wind case without force has no bending: the strengths stop at Fcv.
    EXPECT_NE(text.find("F_{cv}=9.00$\n\n"), std::string::npos);
}

// A wall width without a height computes no Cf, so the coefficient the item
// checked before left behind must not be printed as this item's.
TEST_F(LatexItemTest, WindDataLineShowsNoCoefficientOfAnotherItem) {
    ColumnMember windy = project_.columns.Item(0);
    ASSERT_NE(itemText(windy).find("C_{pe}\\cdot G_{pe}=2.450,"), std::string::npos);

    ColumnMember noHeight = project_.columns.Item(1);
    noHeight.FloorIndex = 0;
    noHeight.HeightZ = 0;
    const std::string text = itemText(noHeight);
    EXPECT_NE(text.find("　　地盤面からの高さ $Z=0.00\\,m,\\quad C_f=0.000,\\quad 風圧の負担巾 W=0.91\\,m$\n"),
              std::string::npos);
    EXPECT_EQ(text.find("G_{pe}"), std::string::npos);
}

TEST_F(LatexItemTest, LkyEnteredGivesBothBucklingLengths) {
    ColumnMember item = project_.columns.Item(1); // 105 × 105: ix = iy
    item.LkyDirect = true;
    item.Lky = 1400;
    EXPECT_NE(itemText(item).find("　　$i=3.03\\,cm,\\quad l_{kx}=280.0\\,cm,\\quad l_{ky}=140.0\\,cm,"),
              std::string::npos);
}

} // namespace
} // namespace tarvo
