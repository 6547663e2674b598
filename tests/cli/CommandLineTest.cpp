#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestFiles.h"

namespace tarvo::cli {
namespace {

using std::filesystem::path;

const path kSamples = TARVO_SAMPLES_DIR;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun run(const std::vector<std::string>& args, const SettingsLocation& settings) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(args, settings, out, err);
    return {status, out.str(), err.str()};
}

TEST(CommandLineVersion, PrintsTheProgramsVersionWithoutAWindow) {
    EXPECT_FALSE(opensWindow({"--version"}));
    const CommandRun version = run({"--version"}, SettingsLocation::besideProgram(::testing::TempDir()));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tarvo-posts ") + TARVO_VERSION_TEXT + "\n");
    EXPECT_TRUE(version.err.empty());
    // Extra words make it a usage error.
    EXPECT_EQ(run({"--version", "x"}, SettingsLocation::besideProgram(::testing::TempDir())).status, 2);
}

TEST(CommandLineLatex, SummaryAndMaterialsOptionsAddTheirTables) {
    test::TempDir dir;
    const SettingsLocation settings = SettingsLocation::besideProgram(dir.path());
    const path tex = dir / "out.tex";
    const CommandRun latex =
        run({"latex", (kSamples / "lvl-wind.tvp").string(), "-o", tex.string(), "--summary", "--materials"}, settings);
    ASSERT_EQ(latex.status, 0) << latex.err;
    const std::string document = test::readBytes(tex);
    EXPECT_NE(document.find("\\usepackage{longtable}"), std::string::npos);
    const auto count = [&document](const std::string& what) {
        std::size_t n = 0;
        for (auto at = document.find(what); at != std::string::npos; at = document.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("\\begin{longtable}"), 2u);
    EXPECT_EQ(run({"latex", (kSamples / "lvl-wind.tvp").string(), "--summery"}, settings).status, 2);
}

// The LaTeX header is one of the files the settings location places: the
// command reads the one of the chosen folder, never another.
class CommandLineSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(program());
        std::filesystem::create_directories(config() / "tarvo-posts");
        test::writeBytes(program() / "LatexHeader.txt", "\\documentclass{beside-program}\r\n");
        test::writeBytes(config() / "tarvo-posts" / "LatexHeader.txt", "\\documentclass{in-config}\r\n");
    }
    path program() const { return dir_ / "bin"; }
    path config() const { return dir_ / "config"; }
    std::string latexHeaderUsed(const SettingsLocation& settings) {
        const path tex = dir_ / "out.tex";
        const CommandRun latex =
            run({"latex", (kSamples / "sawn-lumber-wind.tvp").string(), "-o", tex.string()}, settings);
        EXPECT_EQ(latex.status, 0) << latex.err;
        const std::string text = test::readBytes(tex);
        return text.substr(0, text.find('\n') + 1);
    }

    test::TempDir dir_;
};

TEST_F(CommandLineSettingsTest, InstalledProgramReadsTheConfigurationFolder) {
    const SettingsLocation installed = SettingsLocation::choose(program(), false, {config().string(), ""});
    EXPECT_EQ(latexHeaderUsed(installed), "\\documentclass{in-config}\n");
}

TEST_F(CommandLineSettingsTest, PortableProgramReadsBesideItself) {
    const SettingsLocation portable = SettingsLocation::choose(program(), true, {config().string(), ""});
    EXPECT_EQ(latexHeaderUsed(portable), "\\documentclass{beside-program}\n");
}

} // namespace
} // namespace tarvo::cli
