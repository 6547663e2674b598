#include "core/text/SettingsLocation.h"

#include <gtest/gtest.h>

#include <string>

#include "support/ScopedEnv.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

using std::filesystem::path;
using test::ScopedEnv;
using test::TempDir;
using test::writeBytes;

TEST(SettingsLocationRule, ChoosesTheFolderOfAllThreeFiles) {
    const path program = "/opt/tarvo/bin";
    struct Case {
        const char* what;
        bool iniBesideProgram;
        SettingsEnvironment environment;
        path folder;
    };
    const Case cases[] = {
        {"a Tarvo.ini beside the program wins", true, {"/home/u/cfg", "/home/u"}, program},
        {"the configuration home", false, {"/home/u/cfg", "/home/u"}, "/home/u/cfg/tarvo-posts"},
        {"no configuration home: ~/.config", false, {"", "/home/u"}, "/home/u/.config/tarvo-posts"},
        {"a relative configuration home is ignored", false, {"cfg", "/home/u"}, "/home/u/.config/tarvo-posts"},
        {"no home at all: beside the program", false, {"", ""}, program},
        {"a relative home is no home", false, {"", "home"}, program},
    };
    for (const Case& c : cases) {
        const SettingsLocation location = SettingsLocation::choose(program, c.iniBesideProgram, c.environment);
        EXPECT_EQ(location.folder(), c.folder) << c.what;
        EXPECT_EQ(location.portable(), c.folder == program) << c.what;
        EXPECT_EQ(location.programDir(), program) << c.what;
    }
}

TEST(SettingsLocationRule, TheWindowStateIsTheUsersAlsoInPortableUse) {
    const path program = "/media/stick/tarvo";
    EXPECT_EQ(SettingsLocation::choose(program, true, {"/home/u/cfg", "/home/u"}).windowStateFile(),
              path("/home/u/cfg/tarvo-posts/Window.ini"));
    EXPECT_EQ(SettingsLocation::choose(program, false, {"", "/home/u"}).windowStateFile(),
              path("/home/u/.config/tarvo-posts/Window.ini"));
    EXPECT_EQ(SettingsLocation::choose(program, true, {"", ""}).windowStateFile(), program / "Window.ini");
    EXPECT_EQ(SettingsLocation::besideProgram(program).windowStateFile(), program / "Window.ini");
}

TEST(SettingsLocationRule, TheThreeFilesShareTheFolder) {
    const SettingsLocation location = SettingsLocation::choose("/usr/bin", false, {"/home/u/.config", ""});
    EXPECT_EQ(location.settingsFile(), path("/home/u/.config/tarvo-posts/Tarvo.ini"));
    EXPECT_EQ(location.historyFile(), path("/home/u/.config/tarvo-posts/Tarvo_File.history"));
    EXPECT_EQ(location.latexHeaderFile(), path("/home/u/.config/tarvo-posts/LatexHeader.txt"));
    EXPECT_EQ(SettingsLocation::besideProgram("/p").settingsFile(), path("/p/Tarvo.ini"));
}

TEST(SettingsLocationFind, LooksForTarvoIniBesideTheProgramAndReadsTheEnvironment) {
    TempDir dir;
    const path program = dir / "bin";
    std::filesystem::create_directories(program);
    const ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").c_str());

    const SettingsLocation installed = SettingsLocation::find(program);
    EXPECT_FALSE(installed.portable());
    EXPECT_EQ(installed.folder(), dir / "config" / "tarvo-posts");
    EXPECT_FALSE(std::filesystem::exists(dir / "config")) << "finding the folder does not make it";

    // A folder of that name is not a settings file.
    std::filesystem::create_directories(program / "Tarvo.ini");
    EXPECT_FALSE(SettingsLocation::find(program).portable());
    std::filesystem::remove(program / "Tarvo.ini");

    writeBytes(program / "Tarvo.ini", "");
    const SettingsLocation portable = SettingsLocation::find(program);
    EXPECT_TRUE(portable.portable());
    EXPECT_EQ(portable.folder(), program);
}

TEST(SettingsLocationFind, EnvironmentFallsBackToTheAccountsHome) {
    const ScopedEnv config("XDG_CONFIG_HOME", "/somewhere/config");
    const ScopedEnv home("HOME", nullptr);
    const SettingsEnvironment environment = readSettingsEnvironment();
    EXPECT_EQ(environment.xdgConfigHome, "/somewhere/config");
    // Every account has a home entry, even root's.
    EXPECT_FALSE(environment.home.empty());
}

TEST(SettingsFolderCreation, MakesMissingFoldersForTheUserAlone) {
    TempDir dir;
    const path file = dir / "config" / "tarvo-posts" / "Tarvo.ini";
    ASSERT_TRUE(createFolderFor(file));
    EXPECT_TRUE(std::filesystem::is_directory(file.parent_path()));
    EXPECT_EQ(test::modeOf(dir / "config"), 0700u);
    EXPECT_EQ(test::modeOf(file.parent_path()), 0700u);
    EXPECT_FALSE(std::filesystem::exists(file)) << "only the folder is made";

    // An existing folder is left as it is.
    std::filesystem::permissions(file.parent_path(), std::filesystem::perms::owner_all |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::group_exec);
    EXPECT_TRUE(createFolderFor(file));
    EXPECT_EQ(test::modeOf(file.parent_path()), 0750u);
    EXPECT_TRUE(createFolderFor("Tarvo.ini")) << "a bare name is in the working folder";
}

TEST(SettingsFolderCreation, FailsUnderARegularFile) {
    TempDir dir;
    writeBytes(dir / "plain", "x");
    EXPECT_FALSE(createFolderFor(dir / "plain" / "tarvo-posts" / "Tarvo.ini"));
    EXPECT_FALSE(createFolderFor(dir / "plain" / "Tarvo.ini"));
}

} // namespace
} // namespace tarvo
