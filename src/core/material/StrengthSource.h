#pragma once
// Which published table the base strengths of a material selection come
// from: one table for the compression, tension and bending strengths, one
// for the shear strength and one for the bearing strength (めり込み). The
// names themselves are table data (tables/StrengthSourceTable.cpp); a list
// of materials prints them beside the values, so that a reviewer can hold
// every value against its table.
#include <string_view>

#include "core/material/MatInputData.h"

namespace tarvo {

// The published tables the catalogue's strengths are transcribed from.
enum class StrengthTable {
    SawnVisualGrade,
    SawnMachineGrade,
    SawnUngraded,
    WoodBearing, // Fcv of sawn and 2x4 lumber by species
    DimensionJas,
    DimensionUs,
    DimensionCanada,
    MsrJas,
    MsrUs,
    MsrCanada,
    GlulamSameGrade,
    GlulamSymmetric,
    GlulamSpecificSymmetric,
    GlulamAsymmetric,
    LaminaSpecies, // Fs and Fcv of glulam and LVL by species
    Lvl,
    LvlShear,
    GlulamColumn,
};

struct StrengthSources {
    StrengthTable strengths = StrengthTable::SawnUngraded; // Fc, Ft, Fb
    StrengthTable shear = StrengthTable::SawnUngraded;     // Fs
    StrengthTable bearing = StrengthTable::WoodBearing;    // Fcv

    friend bool operator==(const StrengthSources&, const StrengthSources&) = default;
};

// The tables of `selection` (its product, standard and lay-up).
StrengthSources StrengthSourcesOf(const MatInputData& selection);

// The printed name of a table: the notification and the table's title.
std::string_view StrengthTableName(StrengthTable table);

} // namespace tarvo
