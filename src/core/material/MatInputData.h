#pragma once
// The material selection of one member (a column or the horizontal member it
// stands on): twenty 32-bit values. Each product kind keeps its own species
// and grade slot, so switching the product and back restores the choice.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tarvo {

// Product kinds (`SelectProduct`).
enum ProductKind : std::int32_t {
    kSawnLumber = 0,      // 構造用製材
    kDimensionLumber = 1, // ２×４製材
    kGlulam = 2,          // 集成材
    kLvl = 3,             // LVL
    kGlulamColumn = 4,    // 集成柱; on the horizontal member: bearing check omitted
};
inline constexpr int kProductKindCount = 5;

struct MatInputData {
    std::int32_t ProductStandardNormal = 2;  // 0 visual grade, 1 machine grade, 2 ungraded
    std::int32_t ProductStandard2x4 = 0;     // 0 JAS, 1 US, 2 Canada
    bool UseMSR = false;                     // machine-stress-rated 2x4 lumber
    std::int32_t LaminaCompositionIndex = 1; // glulam lay-up 0..3
    std::int32_t LaminaCountIndex = 0;       // lay-up 0 only: 4+, 3, 2 laminae
    bool UnValuationLamina = false;          // un-evaluated edge-glued laminae (0.6)
    std::int32_t LVL_Shear_Index = 0;        // LVL horizontal-shear class 0..6
    std::int32_t UseEnvironIndex = 2;        // use-environment class Ⅰ, Ⅱ, Ⅲ
    bool UseEndPosFcv = false;               // column at the end of the horizontal member
    std::array<std::int32_t, kProductKindCount> KindOfWood{0, 3, 0, 0, 0};
    std::int32_t SelectProduct = kSawnLumber;
    std::array<std::int32_t, kProductKindCount> SelectGrade{0, 0, 0, 0, 0};

    friend bool operator==(const MatInputData&, const MatInputData&) = default;
};

// Size of the stored form: twenty little-endian 32-bit values.
inline constexpr std::size_t kMatInputDataStoredSize = 80;
using MatInputDataBytes = std::array<unsigned char, kMatInputDataStoredSize>;

// Sets the initial values (the member initialisers above).
void initMatInputData(MatInputData& data);
void copyMatInputData(MatInputData& target, const MatInputData& source);

// The stored form: the twenty values in declared order, each a 32-bit
// little-endian integer; a bool is written as 0 or 1 and read back from the
// lowest byte of its value.
MatInputDataBytes writeMatInputData(const MatInputData& data);
MatInputData readMatInputData(const MatInputDataBytes& bytes);

} // namespace tarvo
