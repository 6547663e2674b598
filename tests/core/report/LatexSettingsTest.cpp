// Section "LaTeX2e" of the settings file and the header file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "LatexTestSupport.h"
#include "core/text/Cp932Codec.h"
#include "core/text/IniFile.h"

namespace tarvo {
namespace {

class LatexSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("latex-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string touch(const std::string& name) {
        const auto path = dir_ / name;
        std::ofstream(path) << "x";
        return path.string();
    }
    void writeIni(const std::string& text) { std::ofstream(dir_ / "Tarvo.ini", std::ios::binary) << toCp932(text); }

    std::filesystem::path dir_;
};

TEST_F(LatexSettingsTest, StoredPathsReplaceFoundOnesOnlyWhenTheyExist) {
    const std::string compiler = touch("my-platex");
    LatexSettings settings;
    settings.tools = {"/usr/bin/platex", "/usr/bin/xdg-open", "/usr/bin/dvipdfmx"};
    writeIni("[LaTeX2e]\r\nCompiler=  " + compiler + " \r\nViewer=" + (dir_ / "gone.exe").string() + "\r\n");
    ASSERT_TRUE(settings.readStored(dir_ / "Tarvo.ini"));
    EXPECT_EQ(settings.tools.compiler, compiler);
    EXPECT_EQ(settings.tools.viewer, "/usr/bin/xdg-open");
    EXPECT_EQ(settings.tools.pdfConverter, "/usr/bin/dvipdfmx");
    EXPECT_TRUE(settings.compileAndPreview);

    // A stored viewer is a DVI viewer: it is given the DVI file itself.
    const std::string viewer = touch("viewer");
    writeIni("[LaTeX2e]\nViewer=" + viewer + "\nMode=0\n");
    ASSERT_TRUE(settings.readStored(dir_ / "Tarvo.ini"));
    EXPECT_EQ(settings.tools, (LatexTools{compiler, viewer, ""}));
    EXPECT_FALSE(settings.compileAndPreview);

    EXPECT_FALSE(settings.readStored(dir_ / "missing.ini"));
}

TEST_F(LatexSettingsTest, SaveWritesOnlyIntoAnExistingFileAndKeepsOtherKeys) {
    LatexSettings settings;
    settings.tools.compiler = "/opt/tex/platex";
    settings.compileAndPreview = false;
    EXPECT_FALSE(settings.saveStored(dir_ / "Tarvo.ini"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "Tarvo.ini"));

    writeIni("[Common]\nV0=2\n[LaTeX2e]\nViewer=/old/viewer\nExtra=1\n");
    ASSERT_TRUE(settings.saveStored(dir_ / "Tarvo.ini"));
    IniFile ini;
    ASSERT_TRUE(ini.load(dir_ / "Tarvo.ini"));
    EXPECT_EQ(ini.getString("Common", "V0"), "2");
    EXPECT_EQ(ini.getString("LaTeX2e", "Compiler"), "/opt/tex/platex");
    EXPECT_EQ(ini.getString("LaTeX2e", "Viewer"), "/old/viewer"); // empty viewer: key left alone
    EXPECT_EQ(ini.getString("LaTeX2e", "Extra"), "1");
    EXPECT_EQ(ini.getString("LaTeX2e", "Mode"), "0");
}

TEST_F(LatexSettingsTest, HeaderFileRoundTripsInCodePage932) {
    const auto file = dir_ / std::string(kLatexHeaderFileName);
    const LatexHeaderText missing = loadLatexHeader(file);
    EXPECT_FALSE(missing.fromFile);
    EXPECT_EQ(missing.text, "\\documentclass[a4j]{jarticle}\n");

    RecordingMessageSink messages;
    ASSERT_TRUE(saveLatexHeader(file, "\\documentclass{jarticle}\n% 見出し\n", messages));
    EXPECT_EQ(test::readFile(file), toCp932("\\documentclass{jarticle}\r\n% 見出し\r\n"));
    const LatexHeaderText loaded = loadLatexHeader(file);
    EXPECT_TRUE(loaded.fromFile);
    EXPECT_EQ(loaded.text, "\\documentclass{jarticle}\r\n% 見出し\r\n");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(LatexSettingsTest, HeaderSaveMakesTheMissingConfigurationFolder) {
    const auto file = dir_ / "config" / "tarvo-posts" / "LatexHeader.txt";
    RecordingMessageSink messages;
    ASSERT_TRUE(saveLatexHeader(file, "\\documentclass{jarticle}\n", messages));
    EXPECT_EQ(test::readFile(file), "\\documentclass{jarticle}\r\n");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(LatexSettingsTest, HeaderSaveFailureIsReportedWithThePath) {
    const auto blocked = std::filesystem::path(touch("plain-file")) / "LatexHeader.txt";
    RecordingMessageSink messages;
    EXPECT_FALSE(saveLatexHeader(blocked, "x", messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.entries[0].text, "Header Save Error: \n" + blocked.string());
}

TEST(LatexTemporaryFolder, TmpdirThenTmpThenTempThenSlashTmp) {
    // Keep the test run's own values and put them back afterwards.
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"TMPDIR", "TMP", "TEMP"}) {
        const char* value = std::getenv(name);
        saved.push_back({name, value != nullptr ? std::optional<std::string>(value) : std::nullopt});
        ::unsetenv(name);
    }
    EXPECT_EQ(latexTemporaryFolder(), std::filesystem::path("/tmp"));
    ::setenv("TEMP", "/c/temp", 1);
    EXPECT_EQ(latexTemporaryFolder(), std::filesystem::path("/c/temp"));
    ::setenv("TMP", "/c/tmp", 1);
    EXPECT_EQ(latexTemporaryFolder(), std::filesystem::path("/c/tmp"));
    ::setenv("TMPDIR", "", 1); // set but empty: skipped
    EXPECT_EQ(latexTemporaryFolder(), std::filesystem::path("/c/tmp"));
    ::setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(latexTemporaryFolder(), std::filesystem::path("/var/tmp"));
    for (const auto& entry : saved) {
        if (entry.value) {
            ::setenv(entry.name, entry.value->c_str(), 1);
        } else {
            ::unsetenv(entry.name);
        }
    }
}

} // namespace
} // namespace tarvo
