#pragma once
// The common conditions of the project: the stored input block, the values
// derived from it (velocity pressure, mid-storey heights), the defaults a new
// project starts from and the two default materials, with their
// settings-file sections. The check takes the derived values as one value of
// their own (CheckConditions).
#include <array>
#include <filesystem>

#include "core/material/MatInputData.h"
#include "core/project/CommonInputData.h"
#include "core/text/MessageSink.h"

namespace tarvo {

enum class MaterialDefault { Column, Base };

class CommonData : public CommonInputData {
public:
    // Reads the stored defaults from `settingsFile` (Tarvo.ini); an empty path
    // or a missing file leaves the built-in defaults.
    explicit CommonData(std::filesystem::path settingsFile = {});

    // Derived values, in this order after the input block.
    double Alpha = 0;                             // α of the roughness category in use
    double Zb = 0;                                // Zb of the roughness category in use, m
    CommonInputData Defaults;                     // what a new project starts from
    double VelocityPressure = 0;                  // q, whole N/m²; 0 without wind
    std::array<double, kStoreyCount> MidHeight{}; // mid-heights of storeys 1..4, m
    MatInputData ColumnMatDefault;                // default column material for new projects
    MatInputData BaseMatDefault;                  // default horizontal-member material

    [[nodiscard]] const std::filesystem::path& settingsFile() const { return settingsFile_; }

    // Section "Common": the four stored keys. Reading is silent; saving shows
    // its outcome through `messages` and returns whether it succeeded.
    void ReadCommonDefaults();
    bool SaveCommonDefaults(MessageSink& messages);
    // Sections "ColumnMat Default" and "BaseMat Default".
    void ReadMaterialDefaults();
    bool SaveMaterialDefault(MaterialDefault which, MessageSink& messages);

    // Input block := Defaults, then velocity pressure and mid-heights.
    void ResetToDefaults();
    void UpdateMidHeights();
    // q, α and Zb from the input block; false (q = 0) when there is no
    // building height. The wind module computes it.
    bool UpdateVelocityPressure();

    [[nodiscard]] CommonInputData& input() { return *this; }
    [[nodiscard]] const CommonInputData& input() const { return *this; }

private:
    std::filesystem::path settingsFile_;
};

} // namespace tarvo
