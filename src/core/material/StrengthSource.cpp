#include "core/material/StrengthSource.h"

namespace tarvo {
namespace {

StrengthTable dimensionTable(const MatInputData& s) {
    switch (s.ProductStandard2x4) {
    case 1: return s.UseMSR ? StrengthTable::MsrUs : StrengthTable::DimensionUs;
    case 2: return s.UseMSR ? StrengthTable::MsrCanada : StrengthTable::DimensionCanada;
    default: return s.UseMSR ? StrengthTable::MsrJas : StrengthTable::DimensionJas;
    }
}

StrengthTable glulamTable(const MatInputData& s) {
    switch (s.LaminaCompositionIndex) {
    case 1: return StrengthTable::GlulamSymmetric;
    case 2: return StrengthTable::GlulamSpecificSymmetric;
    case 3: return StrengthTable::GlulamAsymmetric;
    default: return StrengthTable::GlulamSameGrade;
    }
}

} // namespace

StrengthSources StrengthSourcesOf(const MatInputData& s) {
    StrengthSources sources;
    switch (s.SelectProduct) {
    case kSawnLumber: {
        StrengthTable table = StrengthTable::SawnUngraded;
        if (s.ProductStandardNormal == 0) table = StrengthTable::SawnVisualGrade;
        if (s.ProductStandardNormal == 1) table = StrengthTable::SawnMachineGrade;
        sources = {table, table, StrengthTable::WoodBearing};
        break;
    }
    case kDimensionLumber: {
        const StrengthTable table = dimensionTable(s);
        // The shear strength of MSR lumber is that of its species group.
        const StrengthTable shear = s.UseMSR ? dimensionTable(MatInputData{}) : table;
        sources = {table, shear, StrengthTable::WoodBearing};
        break;
    }
    case kGlulam: sources = {glulamTable(s), StrengthTable::LaminaSpecies, StrengthTable::LaminaSpecies}; break;
    case kLvl: sources = {StrengthTable::Lvl, StrengthTable::LvlShear, StrengthTable::LaminaSpecies}; break;
    case kGlulamColumn:
        sources = {StrengthTable::GlulamColumn, StrengthTable::GlulamColumn, StrengthTable::GlulamColumn};
        break;
    default: break;
    }
    return sources;
}

} // namespace tarvo
