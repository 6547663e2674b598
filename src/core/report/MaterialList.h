#pragma once
// The list of the structural materials of the printed columns (使用構造材料一覧):
// every distinct column material and horizontal-member material with the
// base strengths as its table gives them, the factors the check applied to
// them (use environment, size, lay-up, the end position of a horizontal
// member), the strengths in use, and the allowable stresses of every load
// case; each row names the tables the base strengths come from. The printed
// report and the LaTeX document format it.
#include <string>
#include <vector>

#include "core/material/StrengthSource.h"
#include "core/project/LoadCase.h"

namespace tarvo {

class ColumnCheck;
class ColumnsData;

enum class MaterialRole { Column, HorizontalMember };

// What a row prints; two items whose rows print alike share one row.
struct MaterialValues {
    MaterialRole role = MaterialRole::Column;
    std::string description; // product, species and grade
    StrengthSources sources;

    // Column: Fc, Ft and the bending and shear strengths on the axes in use,
    // as the table gives them (use-environment class Ⅲ, no lay-up factor).
    double Fc = 0;
    double Ft = 0;
    double Fb = 0;
    double Fs = 0;
    std::string bendingLabel = "Fb"; // "Fbx", "Fby" where the axis is named
    std::string shearLabel = "Fs";
    double layUpFactor = 1; // 0.6 for un-evaluated edge-glued laminae in the shear plane
    double Kz = 1;          // size factor on Fb
    // Horizontal member: the table's Fcv and, at the end of the member, the
    // reduced value of the table (rounded to 0.1); 0 where not reduced.
    double Fcv = 0;
    double FcvEnd = 0;
    bool sillFactors = false; // the raised factors of a sill (1.5, 1.5, 2.0, 2.0, 2.0)

    double environmentFactor = 1; // 0.7 class Ⅰ, 0.8 class Ⅱ, 1.0 class Ⅲ
    std::string serviceClass = "Ⅲ";

    // In use (every factor applied), N/mm²: Fc, Fb, Fs of a column; Fcv of a
    // horizontal member.
    double FcInUse = 0;
    double FbInUse = 0;
    double FsInUse = 0;
    double FcvInUse = 0;
    PerLoadCase<double> factors{}; // allowable = in use × factor / 3

    friend bool operator==(const MaterialValues&, const MaterialValues&) = default;
};

struct MaterialRow {
    MaterialValues values;
    std::string memberNames;  // the horizontal member's names in use ("土台・梁材"), or "柱"
    std::vector<int> numbers; // running numbers of the items using it
};

// The materials of the items `printed` that check, in order of first use:
// the columns' materials first, then the horizontal members'.
std::vector<MaterialRow> ListMaterials(const ColumnsData& columns, const std::vector<int>& printed,
                                       const ColumnCheck& check);

// "1, 3-5, 8": the running numbers with runs joined.
std::string NumberRangesText(const std::vector<int>& numbers);

} // namespace tarvo
