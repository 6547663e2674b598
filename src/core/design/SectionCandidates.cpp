#include "core/design/SectionCandidates.h"

#include <algorithm>

#include "core/design/tables/SectionSizeTables.h"
#include "core/material/DimensionLumberSize.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnInputRules.h"

namespace tarvo {
namespace {

// The codes of the size list, each with its dimensions.
void addSizeCodes(const MemberInputData& item, const MatDataBase& catalogue, std::vector<SectionSize>& out) {
    for (const std::string& entry : catalogue.fillSizeList(item.ColumnMaterial, item.SizeCode).entries) {
        SectionSize section{kRectangular, LeadingInteger(entry), 0, 0};
        if (section.SizeCode > 0 && sizeToDims(entry, section.B, section.D)) out.push_back(section);
    }
}

void addRectangles(const std::vector<double>& sides, const DesignOptions& options, std::vector<SectionSize>& out) {
    for (const double b : sides) {
        for (const double d : sides) {
            const bool wanted = options.AllPairs ? b <= d && d <= design::kMaxAspect * b : b == d;
            if (wanted) out.push_back({kRectangular, 0, b, d});
        }
    }
}

} // namespace

std::vector<SectionSize> SectionCandidates(const MemberInputData& item, const MatDataBase& catalogue,
                                           const DesignOptions& options) {
    std::vector<SectionSize> candidates;
    const std::int32_t product = item.ColumnMaterial.SelectProduct;
    if (product < kSawnLumber || product > kGlulamColumn) return candidates;
    if (item.Shape == kRound) {
        for (const double diameter : design::kRoundDiameters)
            candidates.push_back({kRound, 0, 0, diameter});
        return candidates;
    }
    if (product == kDimensionLumber || (product == kGlulam && item.SizeCode > 0)) {
        addSizeCodes(item, catalogue, candidates);
    } else {
        std::vector<double> sides(design::kMarketSides.begin(), design::kMarketSides.end());
        if (product == kGlulam || product == kLvl)
            sides.insert(sides.end(), design::kLargeSides.begin(), design::kLargeSides.end());
        addRectangles(sides, options, candidates);
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const SectionSize& a, const SectionSize& b) {
        const double areaA = OrderingArea(a);
        const double areaB = OrderingArea(b);
        if (areaA != areaB) return areaA < areaB;
        return std::max(a.B, a.D) < std::max(b.B, b.D);
    });
    return candidates;
}

} // namespace tarvo
