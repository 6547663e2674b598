#include "core/design/SectionSize.h"

#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// 2x4 codes from 400 on are 89 mm or more thick: no lintel-support pieces.
constexpr int kFirstThickSizeCode = 400;

} // namespace

SectionSize SectionOf(const MemberInputData& item) {
    return {item.Shape, item.SizeCode, item.B, item.D};
}

double OrderingArea(const SectionSize& section) {
    return section.Shape == kRound ? section.D * section.D : section.B * section.D;
}

void PutSection(MemberInputData& item, const SectionSize& section) {
    item.Shape = section.Shape;
    item.SizeCode = section.SizeCode;
    item.B = section.B;
    item.D = section.D;
    const bool thin2x4 = item.ColumnMaterial.SelectProduct == kDimensionLumber && item.SizeCode < kFirstThickSizeCode;
    if (!thin2x4) item.SubMembers = 0;
}

std::string SectionText(const SectionSize& section) {
    if (section.Shape == kRound) return formatText("φ%g", section.D);
    if (section.SizeCode > 0) return formatText("%d (%g×%g)", section.SizeCode, section.B, section.D);
    return formatText("%g×%g", section.B, section.D);
}

} // namespace tarvo
