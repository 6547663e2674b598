#include "cli/FileCommandOptions.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvo::cli {
namespace {

TEST(FileCommandOptions, InputOutputAndIntoInAnyOrder) {
    FileCommandOptions options;
    std::ostringstream err;
    ASSERT_TRUE(parseFileCommandOptions({"-o", "p.tvp", "items.csv", "--into", "old.tvp"}, "import", "Usage", true,
                                        options, err));
    EXPECT_EQ(options.input, "items.csv");
    EXPECT_EQ(options.output, "p.tvp");
    EXPECT_EQ(options.into, "old.tvp");
    EXPECT_TRUE(err.str().empty());
}

TEST(FileCommandOptions, RefusalsNameTheProblemAndShowTheUsage) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"a.tvp"}, "Usage\n"},
        {{"-o", "x.csv"}, "Usage\n"},
        {{"a.tvp", "-o", ""}, "tarvo-posts export: -o needs a file\nUsage\n"},
        {{"a.tvp", "-x", "-o", "x.csv"}, "tarvo-posts export: unknown option \"-x\"\nUsage\n"},
        {{"a.tvp", "--into", "b.tvp", "-o", "x.csv"}, "tarvo-posts export: unknown option \"--into\"\nUsage\n"},
        {{"a.tvp", "b.tvp", "-o", "x.csv"}, "tarvo-posts export: only one input file at a time\nUsage\n"},
    };
    for (const auto& c : cases) {
        FileCommandOptions options;
        std::ostringstream err;
        EXPECT_FALSE(parseFileCommandOptions(c.args, "export", "Usage", false, options, err));
        EXPECT_EQ(err.str(), c.message);
    }
}

TEST(FileCommandOptions, MessagesOrTheFallback) {
    RecordingMessageSink messages;
    std::ostringstream none;
    printMessages(messages, "fallback", none);
    EXPECT_EQ(none.str(), "fallback\n");
    messages.showMessage(MessageKind::Error, "first\nsecond line");
    std::ostringstream some;
    printMessages(messages, "fallback", some);
    EXPECT_EQ(some.str(), "first\nsecond line\n");
}

} // namespace
} // namespace tarvo::cli
