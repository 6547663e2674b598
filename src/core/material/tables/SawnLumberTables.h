#pragma once
// The three sawn-lumber tables: visual grade, machine grade
// and ungraded. Species are named by their index in the species list of the
// standard (tables/SpeciesLists.h); a row that the published table writes for
// several species covers an index range [firstSpecies, lastSpecies].
#include <array>
#include <cstddef>
#include <string_view>

namespace tarvo::material {

// Compression, tension and bending base strengths of one grade (N/mm²).
struct FcFtFb {
    double Fc;
    double Ft;
    double Fb;
};

// ---- Visual-grade table (standard 0) ------------------------------------
inline constexpr std::size_t kVisualGradeCount = 6;
// Grade names appended to the description, by `SelectGrade`[0].
extern const std::array<std::string_view, kVisualGradeCount> kVisualGradeNames;

struct VisualGradeRow {
    int firstSpecies; // visual-grade list index
    int lastSpecies;
    std::array<FcFtFb, kVisualGradeCount> grades; // 甲種１級 .. 乙種３級
    double Fs;
    double Fcv;
    double E0;
    double Elow;
};
extern const std::array<VisualGradeRow, 9> kVisualGradeTable;

// ---- Machine-grade table (standard 1) -----------------------------------
struct MachineGrade {
    std::string_view name; // appended to the description
    double Fc;
    double Ft;
    double Fb;
    double E0;
    double Elow;
};
inline constexpr std::size_t kMaxMachineGrades = 6;

struct MachineGradeGroup {
    int firstSpecies; // machine-grade list index
    int lastSpecies;
    std::size_t gradeCount; // 5 or 6; grades[gradeCount..] are unused
    std::array<MachineGrade, kMaxMachineGrades> grades;
};
extern const std::array<MachineGradeGroup, 3> kMachineGradeTable;

// Fs and Fcv of the machine-grade species, keyed by species name as the
// published.
struct MachineGradeShearBearing {
    std::array<std::string_view, 3> species; // unused slots are empty
    double Fs;
    double Fcv;
};
extern const std::array<MachineGradeShearBearing, 5> kMachineGradeShearBearing;

// ---- Ungraded table (standard 2, and the sawn horizontal member) --------
struct UngradedRow {
    int firstSpecies; // ungraded list index
    int lastSpecies;
    double Fc;
    double Ft;
    double Fb;
    double Fs;
    double Fcv;
    double E0;
    double Elow;
};
extern const std::array<UngradedRow, 8> kUngradedTable;

// Ungraded species from this index on are hardwoods: their end-position
// factor is 0.75 instead of 0.8.
inline constexpr int kUngradedFirstHardwood = 16; // かし
inline constexpr double kSoftwoodEndPosFactor = 0.8;
inline constexpr double kHardwoodEndPosFactor = 0.75;

} // namespace tarvo::material
