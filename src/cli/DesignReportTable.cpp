#include "cli/DesignReportTable.h"

#include <ostream>
#include <string>

#include "cli/CheckReportTable.h"
#include "core/text/TextFormat.h"
#include "core/text/VisibleText.h"

namespace tarvo::cli {
namespace {

constexpr int kNameColumns = 24;
constexpr int kSectionColumns = 14;

// The section and its largest ratio ("-" for a check that refused it).
std::string trialText(const DesignTrial& trial) {
    std::string text = padRight(SectionText(trial.Section), kSectionColumns);
    if (trial.Check.Kind == CheckKind::Refused || trial.Check.Kind == CheckKind::None) return text + "      -";
    return text + formatText("%7.3f", trial.Check.Ratio);
}

} // namespace

void DesignReportTable::printHeader() {
    out_ << " No. " << padRight("名前", kNameColumns) << ' ' << padRight("現断面", kSectionColumns) << " 最大比  "
         << padRight("算定断面", kSectionColumns) << " 最大比  一つ小さい断面で NG の検定\n";
    headerPrinted_ = true;
}

void DesignReportTable::addItem(int index, const MemberInputData& item, const SectionDesign& design) {
    if (!headerPrinted_) printHeader();
    ++items_;
    out_ << formatText("%4d ", index + 1) << padRight(visibleText(item.Name), kNameColumns) << ' '
         << trialText(design.Present) << "  ";
    switch (design.Status) {
    case DesignStatus::Passed:
        ++passed_;
        if (design.changes()) ++changed_;
        out_ << trialText(*design.Proposed) << "  ";
        if (design.Smaller) {
            out_ << SectionText(design.Smaller->Section) << ' ' << GoverningCheckText(design.Smaller->Check);
            if (design.Smaller->Check.Kind != CheckKind::Refused)
                out_ << formatText(" %.3f", design.Smaller->Check.Ratio);
        } else {
            out_ << "(最小の候補断面)";
        }
        break;
    case DesignStatus::NothingPasses:
        out_ << padRight("なし", kSectionColumns) << "      -  "
             << "最大の " << SectionText(design.Proposed->Section) << " でも "
             << GoverningCheckText(design.Proposed->Check);
        if (design.Proposed->Check.Kind != CheckKind::Refused)
            out_ << formatText(" %.3f", design.Proposed->Check.Ratio);
        break;
    case DesignStatus::NoCandidates:
        out_ << padRight("なし", kSectionColumns) << "      -  "
             << "この材料の候補断面がありません。";
        break;
    }
    out_ << '\n';
}

void DesignReportTable::finish() {
    if (!headerPrinted_) printHeader();
    out_ << formatText("%d items designed, %d with a passing section (%d changed), %d without\n", items_, passed_,
                       changed_, items_ - passed_);
    out_ << (passed_ == items_ ? "Result: OK\n" : "Result: NG\n");
}

} // namespace tarvo::cli
