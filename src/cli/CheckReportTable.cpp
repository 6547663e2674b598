#include "cli/CheckReportTable.h"

#include <ostream>
#include <string>

#include "core/check/CheckRefusal.h"
#include "core/check/ColumnCheck.h"
#include "core/project/CommonData.h"
#include "core/report/ColumnSummary.h"
#include "core/text/TextFormat.h"
#include "core/text/VisibleText.h"

namespace tarvo::cli {
namespace {

constexpr int kNameColumns = 24;
// The text is handed on once it holds this much.
constexpr std::size_t kFlushBytes = std::size_t{64} * 1024;

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
    std::string out;
    appendPadded(out, text, columns);
    return out;
}

void appendPadded(std::string& out, std::string_view text, int columns) {
    out.append(text);
    const int width = displayWidth(text);
    if (width < columns) out.append(static_cast<std::size_t>(columns - width), ' ');
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

CheckReportTable::CheckReportTable(std::ostream& out, const CommonData& common) : out_(out), common_(common) {
    text_.reserve(kFlushBytes + kFlushBytes / 4);
}

void CheckReportTable::flushIfFull() {
    if (text_.size() < kFlushBytes) return;
    out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
}

void CheckReportTable::printHeader() {
    if (common_.VelocityPressure > 0) {
        appendFormat(text_, "速度圧 q = %.0f N/m2\n", common_.VelocityPressure);
    } else {
        text_ += "速度圧 q = ？ N/m2 (風荷重の検討なし)\n";
    }
    text_ += " No. ";
    appendPadded(text_, "名前", kNameColumns);
    text_ += " Code  最大比 ";
    for (const auto name : kLoadCaseNames) {
        text_ += ' ';
        appendPadded(text_, name, 10);
    }
    text_ += '\n';
    headerPrinted_ = true;
}

void CheckReportTable::addItem(int index, const ColumnMember& item, std::int32_t code, const ItemVerdict& verdict) {
    if (!headerPrinted_) printHeader();
    ++items_;
    appendFormat(text_, "%4d ", index + 1);
    appendPadded(text_, visibleText(item.Name), kNameColumns);
    appendFormat(text_, " %4d ", code);
    if (code == 0) {
        ++checked_;
        if (verdict.anyNg) ++ng_;
        appendFormat(text_, "%7.3f ", verdict.largestRatio);
        for (const auto caseVerdict : verdict.cases) {
            text_ += ' ';
            appendPadded(text_, verdictText(caseVerdict), 10);
        }
    } else {
        text_ += "      - ";
        text_ += ' ';
        text_ += CheckRefusalReason(code);
    }
    text_ += '\n';
    flushIfFull();
}

bool CheckReportTable::finish(bool anyNg) {
    if (!headerPrinted_) printHeader();
    appendFormat(text_, "%d items, %d checked, %d NG\n", items_, checked_, ng_);
    if (checked_ == 0) {
        text_ += "Result: no item could be checked\n";
    } else {
        text_ += anyNg ? "Result: NG\n" : "Result: OK\n";
    }
    out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
    return static_cast<bool>(out_);
}

} // namespace tarvo::cli
