// Finding the typesetting tools and the compile-and-view run.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "core/report/LatexToolRunner.h"
#include "core/report/LatexTypesetRun.h"
#include "core/text/Cp932Codec.h"

namespace tarvo {
namespace {

class LatexToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("latex-tools-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string program(const std::string& folder, const std::string& name, bool executable = true) {
        std::filesystem::create_directories(dir_ / folder);
        const auto path = dir_ / folder / name;
        std::ofstream(path) << "#!/bin/sh\n";
        ::chmod(path.c_str(), executable ? 0755 : 0644);
        return path.string();
    }
    std::string folder(const std::string& name) { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};

TEST_F(LatexToolsTest, SearchTakesTheFirstOfEachInPathOrder) {
    program("a", "pxdvi", false); // not executable: skipped
    const std::string compiler = program("b", "platex");
    program("c", "platex");
    const std::string viewer = program("c", "pxdvi");
    program("c", "pxdvi-xaw");
    const LatexTools tools = findLatexTools(folder("a") + "::" + folder("b") + "/:" + folder("c"));
    EXPECT_EQ(tools.compiler, compiler);
    EXPECT_EQ(tools.viewer, dir_.string() + "/c/pxdvi-xaw"); // the Japanese xdvi comes first within a folder
    EXPECT_TRUE(tools.pdfConverter.empty());
    (void)viewer;
}

TEST_F(LatexToolsTest, WithoutDviViewerThePdfIsOpenedWithTheDesktop) {
    const std::string converter = program("a", "dvipdfmx");
    const std::string opener = program("b", "xdg-open");
    EXPECT_EQ(findLatexTools(folder("a") + ":" + folder("b")), (LatexTools{"", opener, converter}));
    EXPECT_EQ(findLatexTools(folder("a")), LatexTools{});
    EXPECT_EQ(findLatexTools(""), LatexTools{});
}

// Records the programs it is asked to run; the "compiler" leaves files.
class FakeRunner final : public LatexToolRunner {
public:
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
        std::filesystem::path folder;
    };
    class Done final : public LatexProcess {
    public:
        bool finished() override { return true; }
        int wait() override { return 0; }
        void cancel() override {}
    };

    std::unique_ptr<LatexProcess> start(const std::string& program, const std::vector<std::string>& arguments,
                                        const std::filesystem::path& folder) override {
        started.push_back({program, arguments, folder});
        if (!startWorks) return nullptr;
        if (onStart) onStart(folder);
        return std::make_unique<Done>();
    }
    bool launch(const std::string& program, const std::vector<std::string>& arguments) override {
        launched.push_back({program, arguments, {}});
        return true;
    }

    bool startWorks = true;
    std::function<void(const std::filesystem::path&)> onStart;
    std::vector<Call> started;
    std::vector<Call> launched;
};

TEST_F(LatexToolsTest, CompileRunsInTheTexFolderAndViewsTheDvi) {
    const std::string compiler = program("bin", "platex");
    const std::string viewer = program("bin", "pxdvi");
    std::filesystem::create_directories(dir_ / "out");
    FakeRunner runner;
    runner.onStart = [](const std::filesystem::path& folder) { std::ofstream(folder / "Tarvo.dvi") << "dvi"; };
    LatexTypesetRun run(runner, {compiler, viewer, ""}, dir_ / "out" / "Tarvo.tex");
    ASSERT_EQ(run.start(), LatexRunStatus::Running);
    EXPECT_EQ(run.wait(), LatexRunStatus::Compiled);
    ASSERT_EQ(runner.started.size(), 1u);
    EXPECT_EQ(runner.started[0].program, compiler);
    EXPECT_EQ(runner.started[0].arguments,
              (std::vector<std::string>{"-kanji=sjis", "-interaction=nonstopmode", "Tarvo.tex"}));
    EXPECT_EQ(runner.started[0].folder, dir_ / "out");
    EXPECT_TRUE(run.startViewer());
    ASSERT_EQ(runner.launched.size(), 1u);
    EXPECT_EQ(runner.launched[0].program, viewer);
    EXPECT_EQ(runner.launched[0].arguments, (std::vector<std::string>{(dir_ / "out" / "Tarvo.dvi").string()}));
}

TEST_F(LatexToolsTest, FailedCompileNeverShowsAnOldDviAndNamesTheFirstError) {
    const std::string compiler = program("bin", "platex");
    const std::string viewer = program("bin", "pxdvi");
    std::filesystem::create_directories(dir_ / "out");
    std::ofstream(dir_ / "out" / "Tarvo.dvi") << "old";
    FakeRunner runner;
    runner.onStart = [](const std::filesystem::path& folder) {
        std::ofstream(folder / "Tarvo.log", std::ios::binary)
            << toCp932("This is e-pTeX\r\n(./Tarvo.tex\r\n! Undefined control sequence.\r\nl.7 \\foo\r\n! Later.\r\n");
    };
    LatexTypesetRun run(runner, {compiler, viewer, ""}, dir_ / "out" / "Tarvo.tex");
    run.start();
    EXPECT_EQ(run.wait(), LatexRunStatus::CompileFailed);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out" / "Tarvo.dvi"));
    EXPECT_EQ(run.firstErrorLine(), "! Undefined control sequence.");
    EXPECT_FALSE(run.startViewer());
    EXPECT_TRUE(runner.launched.empty());
}

TEST_F(LatexToolsTest, MissingOrUnstartableCompilerIsReported) {
    FakeRunner runner;
    LatexTypesetRun none(runner, {(dir_ / "nothing").string(), "", ""}, dir_ / "Tarvo.tex");
    EXPECT_EQ(none.start(), LatexRunStatus::NoCompiler);
    EXPECT_TRUE(runner.started.empty());

    runner.startWorks = false;
    LatexTypesetRun broken(runner, {program("bin", "latex"), "", ""}, dir_ / "Tarvo.tex");
    EXPECT_EQ(broken.start(), LatexRunStatus::NotStarted);
    // Only a pLaTeX compiler is given the Shift-JIS and non-stop options.
    EXPECT_EQ(runner.started.at(0).arguments, (std::vector<std::string>{"Tarvo.tex"}));
}

TEST_F(LatexToolsTest, PdfStandInConvertsBeforeOpening) {
    const std::string compiler = program("bin", "platex");
    const std::string converter = program("bin", "dvipdfmx");
    const std::string opener = program("bin", "xdg-open");
    FakeRunner runner;
    runner.onStart = [](const std::filesystem::path& folder) {
        std::ofstream(folder / "Tarvo.dvi") << "dvi";
        std::ofstream(folder / "Tarvo.pdf") << "pdf";
    };
    LatexTypesetRun run(runner, {compiler, opener, converter}, dir_ / "Tarvo.tex");
    run.start();
    ASSERT_EQ(run.wait(), LatexRunStatus::Compiled);
    ASSERT_TRUE(run.startViewer());
    ASSERT_EQ(runner.started.size(), 2u);
    EXPECT_EQ(runner.started[1].arguments,
              (std::vector<std::string>{"-f", "ptex-ipa.map", "-o", "Tarvo.pdf", "Tarvo.dvi"}));
    EXPECT_EQ(runner.launched.at(0).program, opener);
    EXPECT_EQ(runner.launched.at(0).arguments, (std::vector<std::string>{(dir_ / "Tarvo.pdf").string()}));
}

TEST_F(LatexToolsTest, PlatformRunnerClosesStandardInputAndWaits) {
    const auto runner = makeLatexToolRunner();
    // cat with its standard input closed ends at once instead of waiting for keys.
    auto cat = runner->start("/bin/cat", {}, dir_);
    ASSERT_NE(cat, nullptr);
    EXPECT_EQ(cat->wait(), 0);
    EXPECT_TRUE(cat->finished());

    auto pwd = runner->start("/bin/sh", {"-c", "pwd > where.txt; exit 4"}, dir_);
    ASSERT_NE(pwd, nullptr);
    EXPECT_EQ(pwd->wait(), 4);
    std::string where;
    std::getline(std::ifstream(dir_ / "where.txt"), where);
    EXPECT_EQ(std::filesystem::canonical(where), std::filesystem::canonical(dir_));

    EXPECT_EQ(runner->start((dir_ / "no-such-program").string(), {}, dir_), nullptr);
    EXPECT_FALSE(runner->launch((dir_ / "no-such-program").string(), {}));

    auto sleeper = runner->start("/bin/sleep", {"30"}, dir_);
    ASSERT_NE(sleeper, nullptr);
    EXPECT_FALSE(sleeper->finished());
    sleeper->cancel();
    EXPECT_TRUE(sleeper->finished());
}

} // namespace
} // namespace tarvo
