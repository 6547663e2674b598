#include "cli/DesignReportJson.h"

namespace tarvo::cli {
namespace {

const char* statusName(DesignStatus status) {
    switch (status) {
    case DesignStatus::Passed: return "passed";
    case DesignStatus::NothingPasses: return "nothingPasses";
    case DesignStatus::NoCandidates: return "noCandidates";
    }
    return "";
}

const char* kindName(CheckKind kind) {
    switch (kind) {
    case CheckKind::Compression: return "compression";
    case CheckKind::Bearing: return "bearing";
    case CheckKind::Combined: return "combined";
    case CheckKind::Shear: return "shear";
    case CheckKind::Refused: return "refused";
    case CheckKind::None: break;
    }
    return "none";
}

} // namespace

DesignReportJson::DesignReportJson() {
    json_.beginObject();
    json_.key("items");
    json_.beginArray();
}

void DesignReportJson::writeTrial(const char* name, const std::optional<DesignTrial>& trial) {
    json_.key(name);
    if (!trial) {
        json_.null();
        return;
    }
    const SectionSize& s = trial->Section;
    const GoverningCheck& c = trial->Check;
    const bool ratios = c.Kind != CheckKind::Refused && c.Kind != CheckKind::None;
    json_.beginObject();
    json_.member("section", SectionText(s));
    json_.member("Shape", s.Shape);
    json_.member("SizeCode", s.SizeCode);
    json_.member("B", s.B);
    json_.member("D", s.D);
    json_.member("ok", c.Ok);
    json_.member("resultCode", c.ResultCode);
    json_.key("largestRatio");
    if (ratios) {
        json_.value(c.Ratio);
    } else {
        json_.null();
    }
    json_.member("governing", kindName(c.Kind));
    json_.key("loadCase");
    if (ratios) {
        json_.value(c.LoadCase);
    } else {
        json_.null();
    }
    json_.member("text", GoverningCheckText(c));
    json_.endObject();
}

void DesignReportJson::addItem(int index, const MemberInputData& item, const SectionDesign& design) {
    ++items_;
    if (design.passed()) ++passed_;
    if (design.changes()) ++changed_;
    json_.beginObject();
    json_.member("number", index + 1);
    json_.member("name", item.Name);
    json_.member("status", statusName(design.Status));
    json_.member("trials", design.Trials);
    writeTrial("present", design.Present);
    writeTrial("proposed", design.Proposed);
    writeTrial("smaller", design.Smaller);
    json_.endObject();
}

std::string DesignReportJson::finish() {
    json_.endArray();
    json_.key("summary");
    json_.beginObject();
    json_.member("items", items_);
    json_.member("passed", passed_);
    json_.member("changed", changed_);
    json_.member("withoutPassingSection", items_ - passed_);
    json_.endObject();
    json_.endObject();
    return std::string(json_.text()) + "\n";
}

} // namespace tarvo::cli
