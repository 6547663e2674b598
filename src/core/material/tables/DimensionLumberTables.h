#pragma once
// The 2x4 lumber tables: species groups, the grade tables of
// the three grading standards (JAS, US, Canada), the size factors, the MSR
// tables and the nominal size codes.
#include <array>
#include <cstddef>
#include <string_view>

namespace tarvo::material {

// ---- Species groups (`KindOfWood`[1]) -----------------------------------
struct SpeciesGroup {
    std::string_view name; // written into the texts ("Dfir-L", "W Ceder" as written)
    double Fcv;
    double Fs;
};
inline constexpr std::size_t kSpeciesGroupCount = 5;
extern const std::array<SpeciesGroup, kSpeciesGroupCount> kSpeciesGroups;
// Any group index other than 0, 1, 2 and 4 takes this group's name and Fcv.
inline constexpr std::size_t kFallbackSpeciesGroup = 3; // S-P-F

// ---- Grade tables of the three standards --------------------------------
// One cell: Fc / Ft / Fb and E0 (before size factors).
struct FcFtFbE {
    double Fc;
    double Ft;
    double Fb;
    double E0;
};

// JAS (`ProductStandard2x4` 0): rows = grades, columns = species groups 0..4.
struct JasDimensionRow {
    std::string_view grade;
    std::array<FcFtFbE, kSpeciesGroupCount> groups;
};
extern const std::array<JasDimensionRow, 8> kJasDimensionTable;

// Canada (`ProductStandard2x4` 2): rows = grades, columns = species groups 0..4.
struct CanadaDimensionRow {
    std::string_view grade;
    std::array<FcFtFbE, kSpeciesGroupCount> groups;
};
extern const std::array<CanadaDimensionRow, 7> kCanadaDimensionTable;

// US (`ProductStandard2x4` 1): rows = grades, columns = blocks 0..3, chosen
// by `KindOfWood`[1] = 0..3 in this order; group 4 has no block.
inline constexpr std::size_t kUsBlockCount = 4;
struct UsDimensionRow {
    std::string_view grade;
    std::array<FcFtFbE, kUsBlockCount> blocks;
};
extern const std::array<UsDimensionRow, 7> kUsDimensionTable;
// Fs set by each block (from the block headings).
extern const std::array<double, kUsBlockCount> kUsBlockFs;

// ---- Size factors (all three standards, not MSR) ------------------------
struct SizeFactorRow {
    std::array<int, 3> codes; // unused slots are 0
    double Fc;
    double Ft;
    double Fb;
};
extern const std::array<SizeFactorRow, 4> kSizeFactorTable;

// ---- MSR tables ----------------------------------------------------------
struct MsrGrade {
    std::string_view name;
    double Fc;
    double Ft;
    double Fb;
    double E0;
};
extern const std::array<MsrGrade, 29> kMsrJasTable;    // standard 0
extern const std::array<MsrGrade, 18> kMsrUsTable;     // standard 1
extern const std::array<MsrGrade, 14> kMsrCanadaTable; // standard 2

// ---- Nominal size codes -------------------------------------------------
struct SizeCode {
    int code;
    double b; // thickness, mm
    double D; // width, mm
};
extern const std::array<SizeCode, 19> kSizeCodeTable;

} // namespace tarvo::material
