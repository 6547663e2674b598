#include "cli/DesignCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"

namespace tarvo::cli {
namespace {

namespace fs = std::filesystem;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun runDesign(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runDesignCommand(args, SettingsLocation::besideProgram(::testing::TempDir()), out, err);
    return {status, out.str(), err.str()};
}

// Sawn lumber 105 × 105, Lkx 2800, no bearing check; the long-term force of
// each item: 40 kN passes from 120 × 120 (105: compression 1.185), 5 kN
// already at 90 × 90, 5000 kN at no section.
fs::path project(const std::string& file) {
    CommonData common;
    ColumnsData columns;
    struct Named {
        const char* name;
        double force;
    };
    std::vector<ColumnMember> items;
    for (const Named& named : {Named{"C1", 40}, Named{"C2", 5}, Named{"C3", 5000}}) {
        ColumnMember& item = items.emplace_back();
        item.Name = named.name;
        item.B = 105;
        item.D = 105;
        item.Lkx = 2800;
        item.AxialForce[0] = named.force;
        item.BaseMaterial.SelectProduct = kGlulamColumn;
    }
    columns.Replace(std::move(items));
    fs::path path = fs::path(::testing::TempDir()) / file;
    RecordingMessageSink messages;
    EXPECT_EQ(SaveProject(path, common, columns, messages), 0);
    return path;
}

std::string lineOf(const std::string& text, const std::string& start) {
    const auto at = text.find(start);
    if (at == std::string::npos) return {};
    return text.substr(at, text.find('\n', at) - at);
}

TEST(DesignCommandTable, PresentProposedAndTheFailingSmallerSection) {
    const CommandRun run = runDesign({project("design-table.tvp").string()});
    EXPECT_EQ(run.status, kDesignExitSomeFailed) << run.err;
    const std::string first = lineOf(run.out, "   1 C1");
    EXPECT_NE(first.find("105×105         1.185  120×120         0.694  105×105 圧縮（常　時） 1.185"),
              std::string::npos)
        << first;
    EXPECT_NE(lineOf(run.out, "   2 C2").find("90×90"), std::string::npos);
    EXPECT_NE(lineOf(run.out, "   3 C3").find("なし"), std::string::npos);
    EXPECT_NE(lineOf(run.out, "   3 C3").find("最大の 300×300 でも 圧縮（常　時）"), std::string::npos);
    EXPECT_NE(run.out.find("3 items designed, 2 with a passing section (2 changed), 1 without\nResult: NG\n"),
              std::string::npos)
        << run.out;
}

TEST(DesignCommandTable, EveryPairFindsASmallerRectangle) {
    // 105 × 135 (14,175 mm²) carries 40 kN at 0.921 before 120 × 120 (14,400);
    // 90 × 150 before it is too slender a side (λ 107.8).
    const CommandRun run = runDesign({project("design-pairs.tvp").string(), "--items", "1", "--all-pairs"});
    EXPECT_EQ(run.status, kDesignExitAllPassed) << run.err;
    EXPECT_NE(lineOf(run.out, "   1 C1").find("105×135         0.921  90×150 圧縮"), std::string::npos) << run.out;
    EXPECT_EQ(lineOf(run.out, "   2 C2"), "");
}

TEST(DesignCommandOutput, WritesTheProposedSectionsWithTheirTenons) {
    const fs::path input = project("design-in.tvp");
    const fs::path output = fs::path(::testing::TempDir()) / "design-out.tvp";
    fs::remove(output);
    const CommandRun run = runDesign({input.string(), "-o", output.string(), "--items", "2,1"});
    EXPECT_EQ(run.status, kDesignExitAllPassed) << run.err;
    // The table lists the items in the order named.
    EXPECT_LT(run.out.find("   2 C2"), run.out.find("   1 C1"));
    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(output, common, columns, messages), 0);
    ASSERT_EQ(columns.Count(), 3);
    EXPECT_EQ(columns.Item(0).B, 120);
    EXPECT_EQ(columns.Item(0).TenonB, 30);
    EXPECT_EQ(columns.Item(0).TenonD, 90);
    EXPECT_EQ(columns.Item(1).D, 90);
    EXPECT_EQ(columns.Item(2).D, 105); // not designed
    EXPECT_EQ(columns.Item(0).AxialForce[0], 40);
}

TEST(DesignCommandOutput, Json) {
    const CommandRun run = runDesign({project("design-json.tvp").string(), "--json"});
    EXPECT_EQ(run.status, kDesignExitSomeFailed);
    EXPECT_NE(run.out.find("\"status\": \"passed\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"status\": \"nothingPasses\""), std::string::npos);
    EXPECT_NE(run.out.find("\"section\": \"120×120\""), std::string::npos);
    EXPECT_NE(run.out.find("\"governing\": \"compression\""), std::string::npos);
    EXPECT_NE(run.out.find("\"withoutPassingSection\": 1"), std::string::npos);
}

TEST(DesignCommandExitStatus, ReadWriteAndUsageFailuresExitTwo) {
    EXPECT_EQ(runDesign({(fs::path(::testing::TempDir()) / "no-such.tvp").string()}).status, kDesignExitFailed);
    const fs::path input = project("design-fail.tvp");
    const CommandRun unwritable = runDesign({input.string(), "-o", (input / "sub.tvp").string()});
    EXPECT_EQ(unwritable.status, kDesignExitFailed);
    EXPECT_NE(unwritable.err.find("sub.tvp"), std::string::npos);
    EXPECT_EQ(runDesign({input.string(), "--items", "4"}).status, kDesignExitFailed);
    EXPECT_EQ(runDesign({input.string(), "--squares"}).status, kDesignExitFailed);
    EXPECT_EQ(runDesign({}).status, kDesignExitFailed);
}

} // namespace
} // namespace tarvo::cli
