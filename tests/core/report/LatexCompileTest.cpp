// The documents of the shipped sample projects compile with the installed
// pLaTeX: no TeX error, a DVI file, and a PDF (fonts embedded) whose text
// holds every checked item's name and verdicts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "LatexTestSupport.h"
#include "core/report/LatexTypesetRun.h"
#include "core/text/SafeFileWriter.h"

namespace tarvo {
namespace {

std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

std::string withoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\f'; });
    return text;
}

// A name as the PDF shows it: each "-" became "--", which LaTeX sets as "–".
std::string asTypeset(const std::string& name) {
    std::string out;
    for (const char c : withoutBlanks(name))
        out += c == '-' ? std::string("–") : std::string(1, c);
    return out;
}

class LatexCompileTest : public ::testing::TestWithParam<std::string> {};

TEST_P(LatexCompileTest, SampleCompilesWithPlatex) {
    const char* path = std::getenv("PATH");
    const LatexTools tools = findLatexTools(path != nullptr ? path : "");
    if (tools.compiler.empty()) GTEST_SKIP() << "platex is not installed";

    const auto dir = std::filesystem::temp_directory_path() / ("latex-compile-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto project = test::sampleProject(GetParam() + ".tvp");
    const auto tex = dir / (GetParam() + ".tex");
    ASSERT_EQ(SafeFileWriter::replace(tex, test::sampleDocument(project)), SafeWriteStatus::Ok);

    const auto runner = makeLatexToolRunner();
    LatexTypesetRun run(*runner, tools, tex);
    ASSERT_EQ(run.start(), LatexRunStatus::Running);
    ASSERT_EQ(run.wait(), LatexRunStatus::Compiled) << run.firstErrorLine();
    EXPECT_EQ(LatexTypesetRun::firstLogError(run.logFile()), "");

    const auto pdf = dir / (GetParam() + ".pdf");
    const std::string convert = "cd '" + dir.string() + "' && dvipdfmx -f ptex-ipa.map -o '" + pdf.string() + "' '" +
                                run.dviFile().filename().string() + "' 2>&1 && pdffonts '" + pdf.string() + "'";
    const std::string fonts = commandOutput(convert);
    ASSERT_TRUE(std::filesystem::exists(pdf)) << fonts;
    EXPECT_NE(fonts.find("IPAMincho"), std::string::npos) << fonts;

    const std::string text = withoutBlanks(commandOutput("pdftotext -enc UTF-8 '" + pdf.string() + "' -"));
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, project.common);
    for (int i = 0; i < project.columns.Count(); ++i) {
        const ColumnMember& item = project.columns.Item(i);
        const ColumnOutcome outcome = check.CheckColumn(item);
        if (!outcome.computable()) {
            EXPECT_EQ(text.find(asTypeset(item.Name)), std::string::npos) << item.Name;
            continue;
        }
        EXPECT_NE(text.find(asTypeset(item.Name)), std::string::npos) << item.Name;
        const bool anyNg = outcome.OkC != PerLoadCase<bool>{true, true, true, true, true} ||
                           outcome.OkCv != PerLoadCase<bool>{true, true, true, true, true} || !outcome.OkCombined[3] ||
                           !outcome.OkShear[3];
        if (anyNg) {
            EXPECT_NE(text.find("NG"), std::string::npos) << item.Name;
        }
    }
    EXPECT_NE(text.find("OK"), std::string::npos);
    std::filesystem::remove_all(dir);
}

// A name full of TeX specials and characters outside JIS X 0208 still
// compiles and is typeset as written.
TEST(LatexCompileNameTest, HostileNameCompiles) {
    const char* path = std::getenv("PATH");
    const LatexTools tools = findLatexTools(path != nullptr ? path : "");
    if (tools.compiler.empty()) GTEST_SKIP() << "platex is not installed";

    const auto dir = std::filesystem::temp_directory_path() / ("latex-name-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto project = test::sampleProject("glulam-column.tvp");
    project.columns.Item(0).Name = "C-1 50%_{x} #2 ｶﾞﾗｽ①Ⅱ髙 \\end{document} ~^$& <a|b>";
    const auto tex = dir / "Tarvo.tex";
    ASSERT_EQ(SafeFileWriter::replace(tex, test::sampleDocument(project)), SafeWriteStatus::Ok);
    const auto runner = makeLatexToolRunner();
    LatexTypesetRun run(*runner, tools, tex);
    ASSERT_EQ(run.start(), LatexRunStatus::Running);
    EXPECT_EQ(run.wait(), LatexRunStatus::Compiled) << run.firstErrorLine();
    EXPECT_EQ(LatexTypesetRun::firstLogError(run.logFile()), "");
    std::filesystem::remove_all(dir);
}

// The summary and the list of materials are real tables: long enough to
// continue on another page, with hostile names in their cells, they compile
// and are typeset with their captions.
TEST(LatexCompileNameTest, FrontTablesCompileWithHostileNames) {
    const char* path = std::getenv("PATH");
    const LatexTools tools = findLatexTools(path != nullptr ? path : "");
    if (tools.compiler.empty()) GTEST_SKIP() << "platex is not installed";

    const auto dir = std::filesystem::temp_directory_path() / ("latex-tables-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto project = test::sampleProject("mixed-with-ng.tvp");
    const ColumnMember first = project.columns.Item(0);
    for (int i = 0; i < 60; ++i) {
        ColumnMember item = first;
        item.Name = i % 2 == 0 ? "C-1 50%_{x} #2 ｶﾞﾗｽ①Ⅱ髙 \\end{longtable} & ~^$ <a|b>"
                               : "とても長い名称の柱、二階の北側の外壁の通り芯の交点に立つ柱";
        project.columns.Append(item);
    }
    LatexLayout layout;
    layout.IsSummaryPrint = true;
    layout.IsMaterialsPrint = true;
    const std::string document = test::sampleDocument(project, layout);
    EXPECT_NE(document.find("\\usepackage{longtable}"), std::string::npos);
    const auto tex = dir / "Tarvo.tex";
    ASSERT_EQ(SafeFileWriter::replace(tex, document), SafeWriteStatus::Ok);
    const auto runner = makeLatexToolRunner();
    LatexTypesetRun run(*runner, tools, tex);
    ASSERT_EQ(run.start(), LatexRunStatus::Running);
    ASSERT_EQ(run.wait(), LatexRunStatus::Compiled) << run.firstErrorLine();
    EXPECT_EQ(LatexTypesetRun::firstLogError(run.logFile()), "");

    const auto pdf = dir / "Tarvo.pdf";
    commandOutput("cd '" + dir.string() + "' && dvipdfmx -f ptex-ipa.map -o '" + pdf.string() + "' '" +
                  run.dviFile().filename().string() + "' 2>&1");
    const std::string text = withoutBlanks(commandOutput("pdftotext -enc UTF-8 '" + pdf.string() + "' -"));
    EXPECT_NE(text.find("柱の断面検定比一覧（続き）"), std::string::npos);
    EXPECT_NE(text.find("使用構造材料一覧"), std::string::npos);
    EXPECT_NE(text.find("検定不可"), std::string::npos);
    std::filesystem::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Samples, LatexCompileTest,
                         ::testing::Values("sawn-lumber-wind", "dimension-lumber", "glulam-wind-1458", "lvl-wind",
                                           "glulam-column", "mixed-with-ng"),
                         [](const auto& sample) {
                             std::string name = sample.param;
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
} // namespace tarvo
