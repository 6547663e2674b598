// The manual page against the program's usage text: every subcommand and
// option the program lists is described, the page lists nothing the program
// does not know, and the exit statuses and the environment are there.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "docs/CommandLineWords.h"
#include "support/TestFiles.h"

namespace tarvo::test {
namespace {

// The page as a reader sees its words: roff's "\-" is a minus.
std::string manualPage() {
    std::string text = readBytes(std::filesystem::path(TARVO_DOCS_DIR) / "tarvo-posts.1.in");
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    return std::regex_replace(text, std::regex(R"(\\e)"), "\\");
}

// The text of one section, from ".SH NAME" to the next ".SH".
std::string section(const std::string& page, const std::string& name) {
    const auto start = page.find("\n.SH " + name + "\n");
    if (start == std::string::npos) return {};
    const auto end = page.find("\n.SH ", start + 1);
    return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST(ManualPage, ListsEverySubcommandOfTheUsageTextInItsSynopsisAndCommands) {
    const std::string page = manualPage();
    ASSERT_FALSE(page.empty());
    const std::string synopsis = section(page, "SYNOPSIS");
    const std::string commands = section(page, "COMMANDS");
    const Words subcommands = subcommandsOfUsage(usageText());
    ASSERT_TRUE(subcommands.count("export") && subcommands.count("results") && subcommands.count("import"));
    for (const auto& command : subcommands) {
        if (command == "help") {
            EXPECT_NE(commands.find(".BR help "), std::string::npos);
            continue;
        }
        EXPECT_NE(synopsis.find(".B tarvo-posts " + command + "\n"), std::string::npos) << command;
        EXPECT_TRUE(std::regex_search(commands, std::regex("\n\\.BI? " + command + "[ \n]"))) << command;
    }
}

TEST(ManualPage, NamesExactlyTheOptionsOfTheUsageText) {
    const Words usage = optionsIn(usageText());
    const Words page = optionsIn(section(manualPage(), "SYNOPSIS") + section(manualPage(), "COMMANDS"));
    EXPECT_EQ(page, usage);
}

TEST(ManualPage, GivesTheExitStatusesAndTheEnvironment) {
    const std::string page = manualPage();
    const std::string status = section(page, "EXIT STATUS");
    for (const char* code : {"0", "1", "2", "3"})
        EXPECT_NE(status.find("\n.B " + std::string(code) + "\n"), std::string::npos) << code;
    const std::string environment = section(page, "ENVIRONMENT");
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "TMPDIR", "PATH"})
        EXPECT_NE(environment.find(name), std::string::npos) << name;
}

} // namespace
} // namespace tarvo::test
