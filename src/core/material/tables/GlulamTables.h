#pragma once
// Glulam, lamina-species, glulam-column and LVL tables
#include <array>
#include <cstddef>
#include <string_view>

namespace tarvo::material {

// ---- Lamina-species table (glulam `KindOfWood`[2], LVL `KindOfWood`[3]) --
struct LaminaSpeciesRow {
    int firstSpecies; // lamina species list index
    int lastSpecies;
    double Fsx;
    double Fsy;
    double Fcv;
    double endPosFactor;
};
extern const std::array<LaminaSpeciesRow, 10> kLaminaSpeciesTable;
// End-position factor when the species index is outside the table.
inline constexpr double kLaminaDefaultEndPosFactor = 0.8;

// ---- Glulam grade tables -------------------------------------------------
// Tables S ("対称異等級構成") and T ("特定対称異等級構成").
struct SymmetricGlulamGrade {
    std::string_view name;
    double Fc;
    double Ft;
    double Fbx;
    double Fby;
    double E0;
    double Elow;
};
extern const std::array<SymmetricGlulamGrade, 11> kGlulamTableS;
extern const std::array<SymmetricGlulamGrade, 4> kGlulamTableT;

// Table A ("非対称異等級構成").
struct AsymmetricGlulamGrade {
    std::string_view name;
    double Fc;
    double Ft;
    double Fbx;
    double FbxNeg;
    double Fby;
    double E0;
    double Elow;
};
extern const std::array<AsymmetricGlulamGrade, 11> kGlulamTableA;

// Tables U4, U3, U2 ("同一等級構成"), laid out as published: one row
// per grade position with its E class (E0 / Elow) and the cells of the three
// lamina counts.
struct SameGradeCell {
    std::string_view name;
    double Fc;
    double Ft;
    double Fb;
};
inline constexpr std::size_t kSameGradeTableCount = 3; // 0 U4 "4枚以上", 1 U3 "3枚", 2 U2 "2枚"
struct SameGradeRow {
    double E0;
    double Elow;
    std::array<SameGradeCell, kSameGradeTableCount> counts; // U4, U3, U2
};
extern const std::array<SameGradeRow, 11> kGlulamTableU;

// ---- Glulam column -------------------------------------------------------
struct GlulamColumnRow {
    int firstSpecies; // column species list index
    int lastSpecies;
    double Fc;
    double Ft;
    double Fb;
    double Fsx;
    double Fsy;
};
extern const std::array<GlulamColumnRow, 12> kGlulamColumnTable;

// ---- LVL -----------------------------------------------------------------
inline constexpr std::size_t kLvlGradesPerClass = 3;
// "特級", "１級", "２級": a grade name is the class label, one half-width
// space and one of these ("180E 特級").
extern const std::array<std::string_view, kLvlGradesPerClass> kLvlGradeNames;

struct LvlGradeValues {
    double Fc;
    double Ft;
    double Fb;
};
struct LvlClassRow {
    std::string_view label;                                // "180E" .. "60E"
    std::array<LvlGradeValues, kLvlGradesPerClass> grades; // 特級, １級, ２級
    double E0;
    double Elow;
};
extern const std::array<LvlClassRow, 10> kLvlTable;

struct LvlShearClass {
    std::string_view label; // "(65V-55H)" ..
    double Fsx;
    double Fsy;
};
extern const std::array<LvlShearClass, 7> kLvlShearClasses;

} // namespace tarvo::material
