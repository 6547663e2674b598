#pragma once
// The result of one strength lookup: ten strengths and moduli in N/mm² and
// four display texts.
#include <string>

namespace tarvo {

// The strengths and moduli of a lookup, without its texts: what the check
// keeps of a material.
struct MatStrengths {
    double Fc = 0;     // compression
    double Ft = 0;     // tension
    double Fbx = 0;    // bending, lamination direction (positive bending)
    double FbxNeg = 0; // bending, lamination direction, negative bending
    double Fby = 0;    // bending, width direction
    double Fsx = 0;    // shear, lamination direction
    double Fsy = 0;    // shear, width direction
    double Fcv = 0;    // bearing (めり込み)
    double E0 = 0;     // mean modulus of elasticity
    double Elow = 0;   // lower modulus of elasticity

    // True when the selected table gave strengths. A selection a table has no
    // row for (an index beyond the table, the US 2x4 table for group 4, a
    // damaged file) leaves them zero, and the check must refuse it. Every
    // product sets Fc, Fbx and Fsx together with the rest of its column
    // strengths, so this holds for all five kinds. Fcv and E0 are not part of
    // it: the glulam column has neither, and an LVL of unknown veneer species
    // has no Fcv; a horizontal member is checked by Fcv > 0 instead.
    [[nodiscard]] bool hasStrengths() const { return Fc > 0 && Fbx > 0 && Fsx > 0; }

    friend bool operator==(const MatStrengths&, const MatStrengths&) = default;
};

struct MatData : MatStrengths {
    std::string productName; // "構造用集成材 " / "構造用単板積層材 " or empty
    std::string description; // full material description for sheet and reports
    std::string shearClass;  // LVL horizontal-shear class label, e.g. "(65V-55H)"
    std::string speciesName; // species or species-group name alone

    friend bool operator==(const MatData&, const MatData&) = default;
};

} // namespace tarvo
