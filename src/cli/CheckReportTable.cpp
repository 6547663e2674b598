#include "cli/CheckReportTable.h"

#include <ostream>
#include <string>

#include "core/check/ColumnCheck.h"
#include "core/project/CommonData.h"
#include "core/report/ColumnSummary.h"
#include "core/text/TextFormat.h"
#include "core/text/VisibleText.h"

namespace tarvo::cli {
namespace {

constexpr int kNameColumns = 24;

const char* verdictText(CaseVerdict verdict) {
    switch (verdict) {
    case CaseVerdict::Ok: return "OK";
    case CaseVerdict::Ng: return "NG";
    case CaseVerdict::NotChecked: break;
    }
    return "-";
}

} // namespace

std::string padRight(std::string_view text, int columns) {
    std::string out(text);
    const int width = displayWidth(text);
    if (width < columns) out.append(static_cast<std::size_t>(columns - width), ' ');
    return out;
}

int displayWidth(std::string_view utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp = lead;
        std::size_t len = 1;
        if (lead >= 0xF0) {
            cp = lead & 0x07u;
            len = 4;
        } else if (lead >= 0xE0) {
            cp = lead & 0x0Fu;
            len = 3;
        } else if (lead >= 0xC0) {
            cp = lead & 0x1Fu;
            len = 2;
        }
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        i += len;
        const bool halfWidthForm = cp >= 0xFF61 && cp <= 0xFFDC;
        width += (cp >= 0x1100 && !halfWidthForm) ? 2 : 1;
    }
    return width;
}

CheckReportTable::CheckReportTable(std::ostream& out, const CommonData& common) : out_(out), common_(common) {}

void CheckReportTable::printHeader() {
    if (common_.VelocityPressure > 0) {
        out_ << formatText("速度圧 q = %.0f N/m2\n", common_.VelocityPressure);
    } else {
        out_ << "速度圧 q = ？ N/m2 (風荷重の検討なし)\n";
    }
    out_ << " No. " << padRight("名前", kNameColumns) << " Code  最大比 ";
    for (const auto name : kLoadCaseNames)
        out_ << ' ' << padRight(name, 10);
    out_ << '\n';
    headerPrinted_ = true;
}

void CheckReportTable::addItem(int index, const ColumnMember& item, std::int32_t code, const ItemVerdict& verdict) {
    if (!headerPrinted_) printHeader();
    ++items_;
    out_ << formatText("%4d ", index + 1) << padRight(visibleText(item.Name), kNameColumns)
         << formatText(" %4d ", code);
    if (code == 0) {
        ++checked_;
        if (verdict.anyNg) ++ng_;
        out_ << formatText("%7.3f ", verdict.largestRatio);
        for (const auto caseVerdict : verdict.cases)
            out_ << ' ' << padRight(verdictText(caseVerdict), 10);
    } else {
        out_ << "      - ";
        out_ << ' ' << ItemReasonText(code);
    }
    out_ << '\n';
}

void CheckReportTable::finish(bool anyNg) {
    if (!headerPrinted_) printHeader();
    out_ << formatText("%d items, %d checked, %d NG\n", items_, checked_, ng_);
    if (checked_ == 0) {
        out_ << "Result: no item could be checked\n";
        return;
    }
    out_ << (anyNg ? "Result: NG\n" : "Result: OK\n");
}

} // namespace tarvo::cli
