#pragma once
// What the outputs of one checked item show, decided once from its outcome:
// which lines there are, the axis the strengths are named by, the load cases
// listed, whether the wind bending lines and the wind data line are there,
// and the material texts. The printed report and its preview, the LaTeX
// writer, the result sheet, the JSON of the command line and the results CSV
// take it and only format it.
#include <string>

#include "core/check/ColumnOutcome.h"
#include "core/check/StrengthAxes.h"
#include "core/material/MatData.h"
#include "core/project/ColumnMember.h"

namespace tarvo {

class ColumnCheck;
class MatDataBase;
struct CheckConditions;

// How the report's slenderness line gives the radius of gyration.
enum class RadiusForm {
    Governing, // "i" and "Lk": the radius that gives λ (Lky follows or is 0)
    Same,      // "i" with "Lkx" and "Lky": both radii are equal
    Both,      // "ix", "iy" with "Lkx" and "Lky"
};

struct ItemPresentation {
    ItemPresentation(const MemberInputData& presentedItem, const ColumnOutcome& itemOutcome)
        : item(presentedItem), outcome(itemOutcome) {}

    const MemberInputData& item;
    const ColumnOutcome& outcome;

    double q = 0;                // velocity pressure, N/m²
    bool windConsidered = false; // q above 0: the header explains the wind
    bool wallLoaded = false;     // wind considered, height and wall width above 0: the check's wind condition
    bool wallWidth = false;      // W above 0: the shear area, section modulus and wind data line
    bool bearing = false;        // the bearing check is made (not "めり込みの検討を省略")

    // Texts of the lookups as the outputs show them: the column's
    // description (an LVL with wind adds its shear class) and species, and
    // the horizontal member's label (the product name before the species).
    MatData column;
    MatData base; // empty texts and no strengths without the bearing check

    bool speciesInPrintedMaterial = false; // printed report: " (species)" after the glulam material
    bool speciesInLatexMaterial = false;   // LaTeX: the same only with wind on a wall carried
    bool speciesLine = false;              // result sheet: the glulam species on a line of its own
    bool unevaluatedLaminae = false;       // the "幅はぎ未評価ラミナを含む" note
    const char* serviceClass = nullptr;    // "Ⅰ" or "Ⅱ"; class Ⅲ is not mentioned
    bool sillFactorsNote = false;          // the raised bearing factors of a sill are noted
    bool endPosition = false;              // "（材端）" after Fcv
    bool tenonShown = false;               // the tenon in use has an area: Acv and the tenon are printed

    RadiusForm radiusForm = RadiusForm::Governing;
    double governingRadius = 0;  // the radius that gives λ
    bool sheetBothRadii = false; // the result sheet gives ix and iy (not one i)

    StrengthAxes axes;           // the names of the bending and shear strengths in use
    double bendingBase = 0;      // the tabulated bending strength before the size factor
    bool windBending = false;    // the wind case carries bending: strengths and the wind lines
    bool sizeFactorLine = false; // with wind bending, the size factor on a line of its own
    bool windDataLine = false;   // "地盤面からの高さ Z=..."
    // The automatic Cf's coefficient is printed on the wind data line: the
    // item's Cf is automatic and was computed by this check.
    bool autoCfShown = false;

    [[nodiscard]] bool caseShown(std::size_t j) const { return outcome.computable() && outcome.Checked[j]; }
    [[nodiscard]] bool windBendingCase(std::size_t j) const {
        return windBending && j == static_cast<std::size_t>(kWindLoadCase);
    }
    // The section line and the section values (not for an item stopped before the section).
    [[nodiscard]] bool sectionShown() const { return outcome.Section.has_value(); }
};

ItemPresentation PresentItem(const MemberInputData& item, const ColumnOutcome& outcome,
                             const CheckConditions& conditions, const MatDataBase& catalogue);
ItemPresentation PresentItem(const MemberInputData& item, const ColumnOutcome& outcome, const ColumnCheck& check);

} // namespace tarvo
