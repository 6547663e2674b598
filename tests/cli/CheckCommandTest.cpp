#include "cli/CheckCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "cli/CheckReportTable.h"
#include "cli/JsonWriter.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"

namespace tarvo::cli {
namespace {

const std::filesystem::path kSamples = TARVO_SAMPLES_DIR;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun runCheck(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCheckCommand(args, SettingsLocation::besideProgram(::testing::TempDir()), out, err);
    return {status, out.str(), err.str()};
}

TEST(CheckCommandExitStatus, AllOkProjectExitsZero) {
    const CommandRun run = runCheck({(kSamples / "sawn-lumber-wind.tvp").string()});
    EXPECT_EQ(run.status, kCheckExitAllOk) << run.out << run.err;
    EXPECT_NE(run.out.find("１階外壁間柱"), std::string::npos);
    EXPECT_NE(run.out.find("0 NG\nResult: OK\n"), std::string::npos) << run.out;
}

TEST(CheckCommandExitStatus, ProjectWithAnNgVerdictExitsOne) {
    const CommandRun run = runCheck({(kSamples / "mixed-with-ng.tvp").string()});
    EXPECT_EQ(run.status, kCheckExitSomeNg) << run.out << run.err;
    EXPECT_NE(run.out.find("NG"), std::string::npos);
    // The too-slender item is reported with its message, not judged.
    EXPECT_NE(run.out.find("細長比が 150 を超えています。"), std::string::npos);
}

// A project of one item named `name`, saved in the test's folder.
std::filesystem::path savedProject(const std::string& file, const std::string& name, bool checkable) {
    CommonData common;
    ColumnsData columns;
    ColumnMember& item = columns.Item(0);
    item.Name = name;
    if (checkable) {
        item.B = 105;
        item.D = 105;
        item.Lkx = 2800;
        item.AxialForce = {12, 14, 16, 15, 14};
    }
    auto path = std::filesystem::path(::testing::TempDir()) / file;
    RecordingMessageSink messages;
    EXPECT_EQ(SaveProject(path, common, columns, messages), 0);
    return path;
}

TEST(CheckCommandExitStatus, NoItemCheckedSaysSoAndExitsOne) {
    const CommandRun run = runCheck({savedProject("unchecked.tvp", "C1", false).string()});
    EXPECT_EQ(run.status, kCheckExitNothingChecked) << run.out << run.err;
    EXPECT_NE(run.status, kCheckExitAllOk);
    EXPECT_NE(run.out.find("1 items, 0 checked, 0 NG\nResult: no item could be checked\n"), std::string::npos)
        << run.out;
    EXPECT_EQ(runCheck({savedProject("unchecked.tvp", "C1", false).string(), "--json"}).status,
              kCheckExitNothingChecked);
}

TEST(CheckCommandNames, ControlCharactersAreShownNotSentToTheTerminal) {
    const CommandRun run = runCheck({savedProject("escape.tvp",
                                                  "A\x1b"
                                                  "[2J\aB",
                                                  true)
                                         .string()});
    EXPECT_EQ(run.status, kCheckExitAllOk) << run.out;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(run.out.find('\a'), std::string::npos);
    EXPECT_NE(run.out.find("A\xE2\x90\x9B[2J\xE2\x90\x87"
                           "B"),
              std::string::npos)
        << run.out; // A␛[2J␇B
}

TEST(CheckCommandExitStatus, UnreadableFileExitsTwoWithMessageAndPath) {
    const std::string missing = (std::filesystem::path(::testing::TempDir()) / "no-such-project.tvp").string();
    const CommandRun run = runCheck({missing});
    EXPECT_EQ(run.status, kCheckExitUnreadable);
    EXPECT_NE(run.err.find("ファイルを開くことが出来ませんでした。"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(missing), std::string::npos);
    EXPECT_TRUE(run.out.empty());
}

TEST(CheckCommandExitStatus, FileOfAnotherFormatExitsTwo) {
    const auto path = std::filesystem::path(::testing::TempDir()) / "not-a-project.tvp";
    std::ofstream(path) << "This is a text file, not a project.";
    const CommandRun run = runCheck({path.string()});
    EXPECT_EQ(run.status, kCheckExitUnreadable);
    EXPECT_NE(run.err.find("ファイル形式が違います。"), std::string::npos);
}

TEST(CheckCommandExitStatus, BadUsageExitsTwo) {
    EXPECT_EQ(runCheck({}).status, kCheckExitUnreadable);
    EXPECT_EQ(runCheck({"--frobnicate", "x.tvp"}).status, kCheckExitUnreadable);
}

TEST(CheckCommandJson, HoldsCommonBlockAndEveryItemWithProgramWideValues) {
    const CommandRun run = runCheck({(kSamples / "sawn-lumber-wind.tvp").string(), "--json"});
    ASSERT_EQ(run.status, kCheckExitAllOk) << run.err;
    for (const char* key :
         {"\"common\"", "\"WindCalcStandard\"", "\"VelocityPressure\"", "\"MidHeight\"", "\"items\"", "\"index\"",
          "\"ResultCode\"", "\"RatioCombined\"", "\"OkCv\"", "\"ColumnStrength\"", "\"BaseStrength\"", "\"FbxNeg\"",
          "\"BaseDisplayName\"", "\"BearingFactors\"", "\"KzArt87\"", "\"CfAuto\""}) {
        EXPECT_NE(run.out.find(key), std::string::npos) << key;
    }
    EXPECT_NE(run.out.find("\"Name\": \"１階外壁間柱\""), std::string::npos);
    EXPECT_EQ(run.out.find("inf"), std::string::npos);
    EXPECT_EQ(run.out.find("nan"), std::string::npos);
}

// The text of item `index` in the JSON, up to the next item.
std::string jsonItem(const std::string& json, int index) {
    const std::size_t start = json.find("\"index\": " + std::to_string(index) + ",");
    const std::size_t end = json.find("\"index\": " + std::to_string(index + 1) + ",");
    return start == std::string::npos ? std::string() : json.substr(start, end - start);
}

// Each item names only the coefficients of its own automatic Cf: none for an
// item without a wall (独立柱) or with an entered Cf (玄関ポーチ柱, Cf 1.2).
TEST(CheckCommandJson, EachItemNamesOnlyItsOwnWindCoefficients) {
    const CommandRun run = runCheck({(kSamples / "sawn-lumber-wind.tvp").string(), "--json"});
    ASSERT_EQ(run.status, kCheckExitAllOk) << run.err;
    const std::string walled = jsonItem(run.out, 0);
    ASSERT_NE(walled.find("１階外壁間柱"), std::string::npos);
    EXPECT_NE(walled.find("\"KzArt87\": 0.85"), std::string::npos) << walled;
    EXPECT_NE(walled.find("\"CfAuto\": 0.88"), std::string::npos);
    EXPECT_EQ(walled.find("\"Cpe\""), std::string::npos); // not of this basis

    const std::string freeStanding = jsonItem(run.out, 3);
    ASSERT_NE(freeStanding.find("独立柱（丸太）"), std::string::npos);
    const std::string porch = jsonItem(run.out, 4);
    ASSERT_NE(porch.find("玄関ポーチ柱"), std::string::npos);
    for (const std::string& item : {freeStanding, porch}) {
        for (const char* key : {"\"KzArt87\"", "\"Cpe\"", "\"Gpe\"", "\"CfAuto\""})
            EXPECT_EQ(item.find(key), std::string::npos) << key << item;
    }
    EXPECT_NE(porch.find("\"Cf\": 1.2,"), std::string::npos);
    EXPECT_NE(porch.find("\"CfDirect\": true"), std::string::npos);
    // Without a wall the wind case has no bending values.
    EXPECT_NE(freeStanding.find("\"M\": null"), std::string::npos);
}

// Every input is there under the name of its item CSV column.
TEST(CheckCommandJson, HoldsEveryInputUnderTheCsvColumnNames) {
    const CommandRun run = runCheck({(kSamples / "mixed-with-ng.tvp").string(), "--json"});
    const std::string item = jsonItem(run.out, 0);
    for (const char* key : {"\"inputs\"", "\"SelectProduct\"", "\"KindOfWood0\"", "\"BaseSelectProduct\"",
                            "\"AxialForce4\"", "\"LkyDirect\"", "\"BaseNameIndex\"", "\"UseAxisX\""}) {
        EXPECT_NE(item.find(key), std::string::npos) << key;
    }
    // The too slender item computed no buckling factor.
    const std::string slender = jsonItem(run.out, 2);
    EXPECT_NE(slender.find("\"ResultCode\": 3"), std::string::npos);
    EXPECT_NE(slender.find("\"Eta\": null"), std::string::npos);
    EXPECT_NE(slender.find("\"BearingFactors\": null"), std::string::npos);
}

TEST(JsonWriter, NonFiniteNumbersAreNullAndTextIsEscaped) {
    JsonWriter json;
    json.beginArray();
    json.value(std::numeric_limits<double>::infinity());
    json.value(std::nan(""));
    json.value(0.1);
    json.value("a\"b\\c\n");
    json.endArray();
    EXPECT_EQ(json.text(), "[\n  null,\n  null,\n  0.1,\n  \"a\\\"b\\\\c\\n\"\n]");
}

TEST(JsonWriter, EscapesEveryControlAndKeepsTheTextAroundIt) {
    JsonWriter json;
    json.value(std::string_view("柱\x01x\ty\"\x1f", 9));
    EXPECT_EQ(json.text(), "\"柱\\u0001x\\ty\\\"\\u001f\"");
    EXPECT_EQ(jsonEscape(""), "\"\"");
}

// A byte to escape is found wherever it stands in a text, also among the
// runs of eight bytes that are copied whole, and in keys as in values.
TEST(JsonWriter, EscapesAtEveryPlaceOfLongTexts) {
    const std::string specials[] = {"\"", "\\", "\x01", "\x1f", "\n"};
    for (const std::string& special : specials) {
        for (std::size_t length = 0; length < 26; ++length) {
            for (std::size_t at = 0; at <= length; ++at) {
                std::string text(length, 'k');
                text.insert(at, special);
                JsonWriter json;
                json.beginObject();
                json.member(text, text);
                json.endObject();
                const std::string escaped = jsonEscape(text);
                std::string expected = "{\n  ";
                expected.append(escaped).append(": ").append(escaped).append("\n}\n");
                ASSERT_EQ(json.text(), expected) << length << " " << at;
            }
        }
    }
    // Bytes of UTF-8 and DEL need no escape.
    EXPECT_EQ(jsonEscape("柱の設計\x7f柱の設計"), "\"柱の設計\x7f柱の設計\"");
}

TEST(JsonWriter, IndentsEveryLevelOfADeepNesting) {
    JsonWriter json;
    constexpr int kDepth = 40;
    for (int i = 0; i < kDepth; ++i)
        json.beginArray();
    json.value(1);
    for (int i = 0; i < kDepth; ++i)
        json.endArray();
    const auto lineAt = [](std::string& text, int level) {
        text += '\n';
        text.append(2 * static_cast<std::size_t>(level), ' ');
    };
    std::string expected = "[";
    for (int i = 1; i < kDepth; ++i) {
        lineAt(expected, i);
        expected += '[';
    }
    lineAt(expected, kDepth);
    expected += '1';
    for (int i = kDepth - 1; i >= 0; --i) {
        lineAt(expected, i);
        expected += ']';
    }
    EXPECT_EQ(json.text(), expected);
}

// A large document goes to the stream in pieces while it is written, and the
// pieces together are the text kept without a stream.
TEST(JsonWriter, WithAStreamHandsTheTextOnAsItGrows) {
    const auto write = [](JsonWriter& json, std::size_t& largestKept) {
        json.beginObject();
        json.key("items");
        json.beginArray();
        for (int i = 0; i < 20000; ++i) {
            json.beginObject();
            json.member("index", i);
            json.member("Name", "柱 " + std::to_string(i));
            json.member("ratio", i / 7.0);
            json.member("ok", i % 3 != 0);
            json.endObject();
            largestKept = std::max(largestKept, json.text().size());
        }
        json.endArray();
        json.endObject();
    };
    std::size_t keptWhole = 0;
    JsonWriter whole;
    write(whole, keptWhole);

    std::ostringstream out;
    std::size_t keptStreamed = 0;
    JsonWriter streamed(out);
    write(streamed, keptStreamed);
    EXPECT_TRUE(streamed.flush());
    EXPECT_TRUE(streamed.text().empty());
    EXPECT_EQ(out.str(), whole.text());
    EXPECT_GT(keptWhole, 1000000u);
    EXPECT_LT(keptStreamed, 100000u);
}

TEST(CheckReportTable, FullWidthCharactersTakeTwoColumns) {
    EXPECT_EQ(displayWidth("abc"), 3);
    EXPECT_EQ(displayWidth("柱"), 2);
    EXPECT_EQ(displayWidth("常　時"), 6);
    EXPECT_EQ(displayWidth("ｱﾗｽｶ"), 4);
}

} // namespace
} // namespace tarvo::cli
