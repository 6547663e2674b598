// The user guide against the program: its command line section names every
// subcommand and option of the usage text and no other option, and the
// numbers of its worked example are the ones "tarvo-posts report" prints for
// that column.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "core/project/LoadCase.h"
#include "core/text/SettingsLocation.h"
#include "docs/CommandLineWords.h"
#include "support/TestFiles.h"

namespace tarvo::test {
namespace {

using Values = std::map<std::string, std::string>;

// The guide's source, with the "{}" that keeps LaTeX from joining "--".
std::string guideSource() {
    const std::string text = readBytes(std::filesystem::path(TARVO_DOCS_DIR) / "guide" / "Tarvo_Help.tex");
    return std::regex_replace(text, std::regex(R"(-\{\}-)"), "--");
}

std::string commandLineSection(const std::string& guide) {
    const auto start = guide.find("\\subsection{コマンドライン}");
    const auto end = guide.find("\\paragraph{環境変数}", start);
    if (start == std::string::npos || end == std::string::npos) return {};
    return guide.substr(start, end - start);
}

TEST(UserGuideCommandLine, DescribesEverySubcommandAndExactlyTheOptionsOfTheUsageText) {
    const std::string section = commandLineSection(guideSource());
    ASSERT_FALSE(section.empty());
    for (const auto& command : subcommandsOfUsage(usageText()))
        EXPECT_NE(section.find("\\item[\\cmd{tarvo-posts " + command), std::string::npos) << command;
    EXPECT_EQ(optionsIn(section), optionsIn(usageText()));
}

// ---- the worked example -----------------------------------------------------

// Every \val{key}{value} of the guide.
Values guideValues(const std::string& guide) {
    Values values;
    static const std::regex val(R"(\\val\{([A-Za-z0-9]+)\}\{([^}]*)\})");
    for (auto it = std::sregex_iterator(guide.begin(), guide.end(), val); it != std::sregex_iterator(); ++it) {
        const bool fresh = values.emplace((*it)[1].str(), (*it)[2].str()).second;
        EXPECT_TRUE(fresh) << "the guide gives " << (*it)[1].str() << " twice";
    }
    return values;
}

struct Pattern {
    const char* regex;
    std::vector<std::string> keys; // one per group
};

void collect(const std::string& text, const std::vector<Pattern>& patterns, const std::string& suffix, Values& values) {
    for (const auto& pattern : patterns) {
        std::smatch m;
        if (!std::regex_search(text, m, std::regex(pattern.regex))) continue;
        for (std::size_t g = 0; g < pattern.keys.size(); ++g)
            values[pattern.keys[g] + suffix] = m[g + 1].str();
    }
}

// The values the report prints for the one column it was asked for, under
// the keys the guide uses.
Values reportValues(const std::string& report) {
    Values values;
    collect(report, {{R"(q＝(?:(?!＝).)*＝([0-9.]+)N/m\^2)", {"q"}}}, "", values);

    const auto first = report.find("&#0");
    if (first == std::string::npos) return values;
    const std::string item = report.substr(first);
    // The column's own lines, before the first load case.
    const std::string head = item.substr(0, item.find(std::string("#2") + std::string(kLoadCaseNames[0])));
    collect(head,
            {{R"(A＝([0-9.]+)cm\^2)", {"A"}},
             {R"(Acv＝([0-9.]+)cm\^2)", {"Acv"}},
             {R"(ほぞ寸法 ([0-9]+)×([0-9]+))", {"TenonB", "TenonD"}},
             {R"(As＝([0-9.]+)cm\^2)", {"As"}},
             {R"( Z＝([0-9.]+)cm\^3)", {"Z"}},
             {R"(#2i＝([0-9.]+)cm)", {"i"}},
             {R"(Lk＝([0-9.]+)cm)", {"Lk"}},
             {R"(λ＝([0-9]+))", {"lambda"}},
             {R"(η＝([0-9.]+))", {"eta"}},
             {R"(　Fc＝([0-9.]+))", {"Fc"}},
             {R"(Fcv＝([0-9.]+))", {"Fcv"}},
             {R"(Fs[xy]?＝([0-9.]+))", {"Fs"}},
             {R"(Fb[xy]?＝([0-9.]+))", {"Fb"}},
             {R"(Fk＝η･Fc＝([0-9.]+))", {"Fk"}},
             {R"(高さ Z＝([0-9.]+)m)", {"HeightZ"}},
             {R"(kz＝([0-9.]+))", {"kz"}},
             {R"(Cf＝([0-9.]+))", {"Cf"}},
             {R"(負担巾 W＝([0-9.]+)m)", {"W"}}},
            "", values);

    const std::string verdict = "(OK|NG)";
    for (int j = 0; j < kLoadCaseCount; ++j) {
        const std::string label = "#2" + std::string(kLoadCaseNames[static_cast<std::size_t>(j)]) + "：";
        const auto start = item.find(label);
        if (start == std::string::npos) continue;
        auto end = std::string::npos;
        for (int k = j + 1; k < kLoadCaseCount && end == std::string::npos; ++k)
            end = item.find("#2" + std::string(kLoadCaseNames[static_cast<std::size_t>(k)]) + "：", start);
        const std::string block = item.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::string n = std::to_string(j);
        collect(block,
                {{R"(N＝([0-9.]+)kN)", {"N"}},
                 {R"(#4fk＝[0-9.]+×[0-9.]+/3＝([0-9.]+)N/mm\^2,　　σc/fk＝([0-9.]+)/[0-9.]+＝([0-9.]+)　(OK|NG))",
                  {"fk", "sigmac", "ratioC", "verdictC"}},
                 {R"(#4fcv＝[0-9.]+×[0-9.]+/3＝([0-9.]+)N/mm\^2,　　σcv/fcv＝([0-9.]+)/[0-9.]+＝([0-9.]+)　(OK|NG))",
                  {"fcv", "sigmacv", "ratioCv", "verdictCv"}},
                 {R"(#4fk＝[0-9.]+×[0-9.]+/3＝([0-9.]+)N/mm\^2, 　)", {"fk"}},
                 {R"(σc/fk＋σb/f[a-z]+＝([0-9.]+)/[0-9.]+＋[0-9.]+/[0-9.]+＝)", {"sigmac"}}},
                n, values);
        // The wind bending lines carry no case number in the guide.
        collect(block,
                {{R"(ω＝(?:(?!＝).)*＝([0-9.]+)kN/m,　　Lb＝([0-9.]+)cm)", {"omega", "Lb"}},
                 {R"(M＝([0-9.]+)kN･m,　Q＝([0-9.]+)kN)", {"M", "Q"}},
                 {R"(, 　f[a-z]+＝[0-9.]+×[0-9.]+/3＝([0-9.]+)N/mm)", {"fb"}},
                 {R"(#4f[a-z]+＝[0-9.]+×[0-9.]+/3＝([0-9.]+) N/mm)", {"fs"}},
                 {R"(σc/fk＋σb/f[a-z]+＝[0-9.]+/[0-9.]+＋([0-9.]+)/[0-9.]+＝([0-9.]+)　(OK|NG))",
                  {"sigmab", "ratioCombined", "verdictCombined"}},
                 {R"(τ/f[a-z]+＝([0-9.]+)/[0-9.]+＝([0-9.]+)　(OK|NG))", {"tau", "ratioShear", "verdictShear"}}},
                "", values);
    }
    return values;
}

TEST(UserGuideWorkedExample, EveryNumberIsTheOneTheReportPrintsForThatColumn) {
    const std::string guide = guideSource();
    std::smatch example;
    ASSERT_TRUE(std::regex_search(guide, example, std::regex(R"(\\exampleproject\{([^}]+)\}\{([0-9]+)\})")))
        << "the guide names no sample column for its worked example";
    const auto project = std::filesystem::path(TARVO_SAMPLES_DIR) / example[1].str();

    TempDir settings; // no Tarvo.ini: the built-in defaults
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine({"report", project.string(), "--items", example[2].str()},
                                           SettingsLocation::besideProgram(settings.path()), out, err);
    ASSERT_EQ(status, 0) << err.str();

    const Values printed = reportValues(out.str());
    const Values written = guideValues(guide);
    // From the section to every ratio: the report's numbers must all be in
    // the guide, and the guide may give no number the report does not print.
    ASSERT_GE(printed.size(), 40U) << out.str();
    for (const auto& [key, value] : printed) {
        const auto it = written.find(key);
        if (it == written.end()) {
            ADD_FAILURE() << "the worked example lacks " << key << " (the report prints " << value << ")";
        } else {
            EXPECT_EQ(it->second, value) << key;
        }
    }
    for (const auto& [key, value] : written)
        EXPECT_TRUE(printed.count(key)) << "the guide gives " << key << " = " << value << ", the report prints none";
}

} // namespace
} // namespace tarvo::test
