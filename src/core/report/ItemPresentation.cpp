#include "core/report/ItemPresentation.h"

#include "core/check/CheckConditions.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"

namespace tarvo {
namespace {

// The horizontal member is looked up with this fixed size code.
constexpr int kBaseSizeCode = 204;

} // namespace

ItemPresentation PresentItem(const MemberInputData& item, const ColumnOutcome& outcome,
                             const CheckConditions& conditions, const MatDataBase& catalogue) {
    ItemPresentation p(item, outcome);
    const MatInputData& mat = item.ColumnMaterial;
    const std::int32_t kind = mat.SelectProduct;
    p.q = conditions.VelocityPressure;
    p.windConsidered = conditions.windActive();
    p.wallLoaded = p.windConsidered && item.HeightZ > 0 && item.WindWidth > 0;
    p.wallWidth = item.WindWidth > 0;
    p.bearing = outcome.bearingChecked();

    p.column = catalogue.lookupStrength(mat, item.SizeCode);
    if (p.windConsidered && kind == kLvl) p.column.description += " " + p.column.shearClass;
    if (p.bearing) {
        MatInputData baseMaterial = item.BaseMaterial;
        baseMaterial.UseEnvironIndex = outcome.Used.BaseUseEnvironIndex;
        p.base = catalogue.lookupStrength(baseMaterial, kBaseSizeCode);
        if (!p.base.productName.empty()) p.base.speciesName = p.base.productName + "　" + p.base.speciesName;
    }

    p.speciesInPrintedMaterial = p.windConsidered && kind == kGlulam;
    p.speciesInLatexMaterial = p.wallLoaded && kind == kGlulam;
    p.speciesLine = p.wallLoaded && kind == kGlulam && !p.column.speciesName.empty();
    p.unevaluatedLaminae = p.wallLoaded && kind == kGlulam && mat.LaminaCompositionIndex > 0 && mat.UnValuationLamina;
    if (mat.UseEnvironIndex == 0) p.serviceClass = "Ⅰ";
    if (mat.UseEnvironIndex == 1) p.serviceClass = "Ⅱ";
    p.sillFactorsNote = p.bearing && item.FcvUpper;
    p.endPosition = p.bearing && item.BaseMaterial.UseEndPosFcv;
    p.tenonShown = outcome.Used.TenonB * outcome.Used.TenonD > 0;

    const double lky = outcome.Used.Lky;
    if (outcome.Section) {
        const SectionProperties& s = *outcome.Section;
        if (!item.LkyDirect || lky <= 0) {
            p.radiusForm = RadiusForm::Governing;
        } else {
            p.radiusForm = s.Ix == s.Iy ? RadiusForm::Same : RadiusForm::Both;
        }
        p.governingRadius = GoverningRadius(item, outcome);
        p.sheetBothRadii = !(s.Ix == s.Iy || lky == 0);
    }

    p.axes = StrengthAxesOf(item);
    p.bendingBase = p.axes.bending == StrengthAxis::Y ? outcome.ColumnStrength.Fby : outcome.ColumnStrength.Fbx;
    p.windBending = outcome.windBending();
    p.sizeFactorLine = outcome.Strengths && outcome.Strengths->Kz < 1 && kind != kDimensionLumber;
    p.windDataLine = p.wallWidth;
    p.autoCfShown = outcome.AutoCf.has_value();
    return p;
}

ItemPresentation PresentItem(const MemberInputData& item, const ColumnOutcome& outcome, const ColumnCheck& check) {
    return PresentItem(item, outcome, check.conditions(), check.catalogue());
}

} // namespace tarvo
