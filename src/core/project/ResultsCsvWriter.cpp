#include "core/project/ResultsCsvWriter.h"

#include "core/check/ColumnCheck.h"
#include "core/material/MatInputData.h"
#include "core/project/ColumnsData.h"
#include "core/text/CsvTable.h"
#include "core/text/FormulaGuard.h"
#include "core/text/NumberText.h"
#include "core/text/TextFileDecoding.h"

namespace tarvo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::vector<std::string> buildHeader() {
    std::vector<std::string> header{"No", "Name", "ResultCode", "Message", "A", "Acv", "As", "Z", "Lambda", "Eta"};
    for (int j = 0; j < kLoadCaseCount; ++j) {
        const std::string n = std::to_string(j);
        for (const char* stem : {"RatioC", "RatioCv", "RatioCombined", "RatioShear", "Verdict"})
            header.push_back(stem + n);
    }
    return header;
}

class ResultsRow {
public:
    explicit ResultsRow(std::string& out) : out_(out) {}

    void text(std::string_view value) {
        separate();
        // A cell a spreadsheet would take for a formula is shown as text.
        appendCsvCell(out_, guardedResultCell(value));
    }
    void number(double value) {
        separate();
        appendShortestNumber(out_, value);
    }
    // A number, or an empty cell when the check did not compute it.
    void numberIf(bool computed, double value) {
        if (computed) {
            number(value);
        } else {
            empty();
        }
    }
    void empty() { separate(); }
    void end() { out_.append(kLineEnd); }

private:
    void separate() {
        if (any_) out_.push_back(',');
        any_ = true;
    }

    std::string& out_;
    bool any_ = false;
};

void appendItem(std::string& out, int index, const ColumnMember& item, std::int32_t code) {
    ResultsRow row(out);
    row.number(index + 1);
    row.text(item.Name);
    row.number(code);
    row.text(CheckResultMessage(code));

    // The section values stand where the result sheet prints its section line.
    const bool section = code != kCheckNoSection && item.Ix > 0 && item.Iy > 0;
    const bool bearingChecked = item.BaseMaterial.SelectProduct < kGlulamColumn;
    row.numberIf(section, item.A);
    row.numberIf(section && bearingChecked, item.Acv);
    row.numberIf(section, item.As);
    row.numberIf(section, item.SectionModulus);
    row.numberIf(item.Lambda > 0, item.Lambda);
    row.numberIf(item.Eta > 0, item.Eta);

    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        const bool judged = code == kCheckOk && item.AxialForce[j] != 0;
        const bool windBending = judged && j == static_cast<std::size_t>(kWindLoadCase) && item.M != 0;
        row.numberIf(judged, item.RatioC[j]);
        row.numberIf(judged && bearingChecked, item.RatioCv[j]);
        row.numberIf(windBending, item.RatioCombined[j]);
        row.numberIf(windBending, item.RatioShear[j]);
        if (judged) {
            const bool ok = item.OkC[j] && item.OkCv[j] && item.OkCombined[j] && item.OkShear[j];
            row.text(ok ? "OK" : "NG");
        } else {
            row.empty();
        }
    }
    row.end();
}

} // namespace

const std::vector<std::string>& resultsCsvHeader() {
    static const std::vector<std::string> header = buildHeader();
    return header;
}

std::string writeResultsCsv(ColumnsData& columns, ColumnCheck& check) {
    std::string out(kUtf8ByteOrderMark);
    const auto& header = resultsCsvHeader();
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (c != 0) out.push_back(',');
        out.append(header[c]);
    }
    out.append(kLineEnd);
    for (int i = 0; i < columns.Count(); ++i) {
        ColumnMember& item = columns.Item(i);
        appendItem(out, i, item, check.CheckColumn(item));
    }
    return out;
}

} // namespace tarvo
