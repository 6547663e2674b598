#include "core/project/ResultsCsvWriter.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <map>
#include <string>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/text/CsvTable.h"
#include "core/text/TextFileDecoding.h"

namespace tarvo {
namespace {

const std::filesystem::path kSamples = TARVO_SAMPLES_DIR;

// A results file read back: one map from header to cell per row.
using Row = std::map<std::string, std::string>;

struct CheckedSample {
    CommonData common;
    ColumnsData columns; // checked by the results export
    std::vector<Row> rows;
    std::vector<ColumnOutcome> reference; // the same items, checked here one by one
};

void loadSample(const std::string& file, CheckedSample& s) {
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(kSamples / file, s.common, s.columns, messages), 0);
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, s.common);
    const std::string csv = writeResultsCsv(s.columns, check);
    ASSERT_TRUE(csv.starts_with(kUtf8ByteOrderMark));
    const CsvTable table = parseCsv(std::string_view(csv).substr(kUtf8ByteOrderMark.size()));
    ASSERT_EQ(table.error, CsvError::None);
    ASSERT_EQ(table.records.front().cells, resultsCsvHeader());
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        ASSERT_EQ(table.records[r].cells.size(), resultsCsvHeader().size());
        Row row;
        for (std::size_t c = 0; c < resultsCsvHeader().size(); ++c)
            row[resultsCsvHeader()[c]] = table.records[r].cells[c];
        s.rows.push_back(std::move(row));
    }
    ColumnCheck own(catalogue, s.common);
    for (int i = 0; i < s.columns.Count(); ++i)
        s.reference.push_back(own.CheckColumn(s.columns.Item(i)));
}

double number(const std::string& text) {
    double value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

std::string cell(const Row& row, const std::string& stem, int j) {
    return row.at(stem + std::to_string(j));
}

TEST(ResultsCsvWriterValues, NgAndNonComputableItemsCarryTheChecksOwnNumbers) {
    CheckedSample s;
    loadSample("mixed-with-ng.tvp", s);
    ASSERT_EQ(s.rows.size(), s.reference.size());
    bool sawNg = false;
    bool sawNotChecked = false;
    for (int i = 0; i < s.columns.Count(); ++i) {
        const ColumnMember& item = s.columns.Item(i);
        const ColumnOutcome& o = s.reference[static_cast<std::size_t>(i)];
        const Row& row = s.rows[static_cast<std::size_t>(i)];
        EXPECT_EQ(row.at("No"), std::to_string(i + 1));
        EXPECT_EQ(row.at("Name"), item.Name);
        EXPECT_EQ(number(row.at("ResultCode")), o.ResultCode);
        EXPECT_EQ(row.at("Message"), CheckResultMessage(o.ResultCode));
        if (o.ResultCode != kCheckOk) {
            sawNotChecked = true;
            for (int j = 0; j < kLoadCaseCount; ++j)
                for (const char* stem : {"RatioC", "RatioCv", "RatioCombined", "RatioShear", "Verdict"})
                    EXPECT_EQ(cell(row, stem, j), "") << item.Name << " " << stem << j;
            continue;
        }
        EXPECT_EQ(number(row.at("A")), o.A);
        EXPECT_EQ(number(row.at("Acv")), o.Section->Acv);
        EXPECT_EQ(number(row.at("As")), o.Section->As);
        EXPECT_EQ(number(row.at("Z")), o.Section->SectionModulus);
        EXPECT_EQ(number(row.at("Lambda")), *o.Lambda);
        EXPECT_EQ(number(row.at("Eta")), o.Buckling->Eta);
        for (int j = 0; j < kLoadCaseCount; ++j) {
            const auto k = static_cast<std::size_t>(j);
            EXPECT_EQ(number(cell(row, "RatioC", j)), o.RatioC[k]);
            EXPECT_EQ(number(cell(row, "RatioCv", j)), o.RatioCv[k]);
            const bool ok = o.OkC[k] && o.OkCv[k] && o.OkCombined[k] && o.OkShear[k];
            EXPECT_EQ(cell(row, "Verdict", j), ok ? "OK" : "NG");
            sawNg = sawNg || !ok;
        }
    }
    EXPECT_TRUE(sawNg);
    EXPECT_TRUE(sawNotChecked);
}

TEST(ResultsCsvWriterValues, TooSlenderItemShowsItsSectionAndSlendernessOnly) {
    CheckedSample s;
    loadSample("mixed-with-ng.tvp", s);
    const ColumnOutcome& o = s.reference[2];
    ASSERT_EQ(o.ResultCode, kCheckTooSlender);
    const Row& row = s.rows[2];
    EXPECT_EQ(row.at("Message"), "細長比が 150 を超えています。");
    EXPECT_EQ(number(row.at("A")), o.A);
    EXPECT_EQ(number(row.at("Lambda")), *o.Lambda);
    EXPECT_EQ(row.at("Eta"), "");
}

TEST(ResultsCsvWriterValues, WindBendingRatiosOnlyInTheWindCase) {
    CheckedSample s;
    loadSample("sawn-lumber-wind.tvp", s);
    const ColumnOutcome& o = s.reference[0];
    ASSERT_EQ(o.ResultCode, kCheckOk);
    ASSERT_TRUE(o.windBending());
    const Row& row = s.rows[0];
    EXPECT_EQ(number(cell(row, "RatioCombined", kWindLoadCase)), o.Wind->RatioCombined);
    EXPECT_EQ(number(cell(row, "RatioShear", kWindLoadCase)), o.Wind->RatioShear);
    for (int j : {0, 1, 2, 4}) {
        EXPECT_EQ(cell(row, "RatioCombined", j), "");
        EXPECT_EQ(cell(row, "RatioShear", j), "");
    }
}

TEST(ResultsCsvWriterValues, OmittedBearingAndOutOfRangeGlulamColumn) {
    CheckedSample s;
    loadSample("glulam-column.tvp", s);
    // Item 1: bearing check omitted; item 2: outside the glulam column's range.
    ASSERT_EQ(s.reference[1].ResultCode, kCheckOk);
    EXPECT_EQ(s.rows[1].at("Acv"), "");
    EXPECT_NE(s.rows[1].at("A"), "");
    for (int j = 0; j < kLoadCaseCount; ++j) {
        EXPECT_EQ(cell(s.rows[1], "RatioCv", j), "");
        EXPECT_NE(cell(s.rows[1], "RatioC", j), "");
    }
    ASSERT_EQ(s.reference[2].ResultCode, kCheckGlulamColumnRange);
    EXPECT_EQ(s.rows[2].at("Message"), "化粧梁構造用集成柱の適用範囲　90≦b,D≦135");
    for (const char* key : {"A", "Acv", "As", "Z", "Lambda", "Eta"})
        EXPECT_EQ(s.rows[2].at(key), "") << key;
}

TEST(ResultsCsvWriterValues, CaseWithoutForceIsLeftEmpty) {
    CommonData common;
    ColumnsData columns;
    ColumnMember& item = columns.Item(0);
    item.B = 105;
    item.D = 105;
    item.Lkx = 2800;
    item.AxialForce = {12, 0, 0, 0, 0};
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, common);
    const std::string csv = writeResultsCsv(columns, check);
    const CsvTable table = parseCsv(std::string_view(csv).substr(kUtf8ByteOrderMark.size()));
    const auto& cells = table.records.at(1).cells;
    const auto at = [&](const std::string& name) {
        for (std::size_t c = 0; c < resultsCsvHeader().size(); ++c)
            if (resultsCsvHeader()[c] == name) return cells.at(c);
        return std::string("?");
    };
    EXPECT_EQ(at("Verdict0"), "OK");
    EXPECT_EQ(at("Verdict1"), "");
    EXPECT_EQ(at("RatioC1"), "");
    EXPECT_TRUE(csv.ends_with("\r\n"));
}

TEST(ResultsCsvWriterValues, NamesThatLookLikeFormulasAreShownAsText) {
    CommonData common;
    ColumnsData columns;
    const std::vector<std::string> names{"=CMD|' /C calc'!A0", "+SUM(1)", "-x", "@x", "\tx", "\rx", "'=x", "a=b"};
    columns.Item(0).Name = names[0];
    for (std::size_t i = 1; i < names.size(); ++i) {
        ColumnMember item;
        item.Name = names[i];
        columns.Append(item);
    }
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, common);
    const std::string csv = writeResultsCsv(columns, check);
    const CsvTable table = parseCsv(std::string_view(csv).substr(kUtf8ByteOrderMark.size()));
    ASSERT_EQ(table.records.size(), names.size() + 1);
    const std::vector<std::string> shown{
        "'=CMD|' /C calc'!A0", "'+SUM(1)", "'-x", "'@x", "'\tx", "'\rx", "''=x", "a=b"};
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(table.records[i + 1].cells.at(1), shown[i]);
}

// A long list goes out in pieces while it is checked; together they are the
// whole text, and a refused piece stops the writing.
TEST(ResultsCsvWriterPieces, LongListComesInPiecesThatMakeTheWholeText) {
    CommonData common;
    ColumnsData columns;
    RecordingMessageSink messages;
    ASSERT_EQ(LoadProject(kSamples / "mixed-with-ng.tvp", common, columns, messages), 0);
    const int sampleItems = columns.Count();
    while (columns.Count() < 3000) {
        const ColumnMember copy = columns.Item(columns.Count() % sampleItems);
        columns.Append(copy);
    }
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, common);
    const std::string whole = writeResultsCsv(columns, check);

    std::vector<std::string> pieces;
    EXPECT_TRUE(writeResultsCsv(columns, check, [&pieces](std::string_view piece) {
        pieces.emplace_back(piece);
        return true;
    }));
    ASSERT_GT(pieces.size(), 2u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_LT(piece.size(), 100000u);
        joined += piece;
    }
    EXPECT_EQ(joined, whole);

    int calls = 0;
    EXPECT_FALSE(writeResultsCsv(columns, check, [&calls](std::string_view) {
        ++calls;
        return false;
    }));
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace tarvo
