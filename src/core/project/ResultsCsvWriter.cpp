#include "core/project/ResultsCsvWriter.h"

#include "core/check/ColumnCheck.h"
#include "core/material/MatInputData.h"
#include "core/project/ColumnsData.h"
#include "core/report/ItemPresentation.h"
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

void appendItem(std::string& out, int index, const ItemPresentation& p) {
    const ColumnOutcome& o = p.outcome;
    ResultsRow row(out);
    row.number(index + 1);
    row.text(p.item.Name);
    row.number(o.ResultCode);
    row.text(CheckResultMessage(o.ResultCode));

    // The section values stand where the result sheet prints its section line.
    const bool section = p.sectionShown();
    row.numberIf(section, o.A);
    row.numberIf(section && p.bearing, section ? o.Section->Acv : 0);
    row.numberIf(section, section ? o.Section->As : 0);
    row.numberIf(section, section ? o.Section->SectionModulus : 0);
    row.numberIf(o.Lambda.has_value(), o.Lambda.value_or(0));
    row.numberIf(o.Buckling.has_value(), o.Buckling ? o.Buckling->Eta : 0);

    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        const bool judged = p.caseShown(j);
        const bool windBending = judged && p.windBendingCase(j);
        row.numberIf(judged, o.RatioC[j]);
        row.numberIf(judged && p.bearing, o.RatioCv[j]);
        row.numberIf(windBending, windBending ? o.Wind->RatioCombined : 0);
        row.numberIf(windBending, windBending ? o.Wind->RatioShear : 0);
        if (judged) {
            row.text(o.caseOk(j) ? "OK" : "NG");
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

std::string writeResultsCsv(const ColumnsData& columns, const ColumnCheck& check) {
    std::string out;
    writeResultsCsv(columns, check, [&out](std::string_view piece) {
        out.append(piece);
        return true;
    });
    return out;
}

bool writeResultsCsv(const ColumnsData& columns, const ColumnCheck& check,
                     const std::function<bool(std::string_view)>& write) {
    constexpr std::size_t kPieceBytes = std::size_t{64} * 1024;
    const CheckConditions conditions = check.conditions();
    std::string out(kUtf8ByteOrderMark);
    out.reserve(kPieceBytes + kPieceBytes / 4);
    const auto& header = resultsCsvHeader();
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (c != 0) out.push_back(',');
        out.append(header[c]);
    }
    out.append(kLineEnd);
    for (int i = 0; i < columns.Count(); ++i) {
        const ColumnMember& item = columns.Item(i);
        const ColumnOutcome outcome = CheckColumn(item, conditions, check.catalogue());
        appendItem(out, i, PresentItem(item, outcome, conditions, check.catalogue()));
        if (out.size() >= kPieceBytes) {
            if (!write(out)) return false;
            out.clear();
        }
    }
    return write(out);
}

} // namespace tarvo
