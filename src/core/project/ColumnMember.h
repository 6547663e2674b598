#pragma once
// One column (post) to be checked: its inputs, all of which the project file
// stores. The check gives its results as a value of its own (ColumnOutcome).
#include <cstdint>
#include <string>

#include "core/material/MatInputData.h"
#include "core/project/LoadCase.h"

namespace tarvo {

enum ColumnShape : std::int32_t { kRectangular = 0, kRound = 1 };

// Display name of the horizontal member (`BaseNameIndex`).
inline constexpr int kBaseNameAutomatic = 0;

struct MemberInputData {
    MatInputData ColumnMaterial; // material of the column
    std::string Name;            // UTF-8 inside the program
    std::int32_t FloorIndex = 1; // 0 height entered directly, 1..4 storey
    double HeightZ = 0;          // height above ground for wind, m
    double WindWidth = 0;        // width of wall carried, m
    double Cf = 0;               // wind force coefficient
    bool CfDirect = false;       // Cf entered by the user
    std::int32_t Shape = kRectangular;
    std::int32_t SizeCode = 0;        // 2x4 size designation such as 204
    double B = 0;                     // width b, mm
    double D = 0;                     // depth D (diameter when round), mm
    double Lkx = 0;                   // buckling length, depth direction, mm
    double Lky = 0;                   // buckling length, width direction, mm
    double Lb = 0;                    // bending length for wind, mm
    std::int32_t Members = 1;         // pieces making up the column
    std::int32_t SubMembers = 0;      // additional lintel-support pieces
    double TenonB = 0;                // tenon width, mm
    double TenonD = 0;                // tenon depth, mm
    PerLoadCase<double> AxialForce{}; // kN
    bool LbDirect = false;
    bool LkyDirect = false;
    bool AutoTenon = true;
    MatInputData BaseMaterial;                       // material of the horizontal member
    std::int32_t BaseNameIndex = kBaseNameAutomatic; // 0 auto, 1 土台, 2 梁材, 3 下枠, 4 横架材
    bool FcvUpper = false;                           // sill or similar: raised bearing factors
    bool UseAxisX = false;                           // take fbx, fsx

    friend bool operator==(const MemberInputData&, const MemberInputData&) = default;
};

class ColumnMember : public MemberInputData {
public:
    // Input defaults, then the automatic tenon rule once (30 × −30 mm, or
    // 0 × 0 for 2x4 lumber, for the empty default section).
    ColumnMember();

    [[nodiscard]] MemberInputData& input() { return *this; }
    [[nodiscard]] const MemberInputData& input() const { return *this; }
};

} // namespace tarvo
