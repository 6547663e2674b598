#include "core/project/CommonData.h"

#include <string>
#include <system_error>
#include <vector>

#include "core/check/WindPressure.h"
#include "core/text/IniFile.h"
#include "core/text/MessageSink.h"

namespace tarvo {
namespace {

constexpr std::string_view kCommonSection = "Common";
constexpr std::string_view kColumnMatSection = "ColumnMat Default";
constexpr std::string_view kBaseMatSection = "BaseMat Default";

constexpr std::string_view kSaveFailed = "設定の保存に失敗しました。";
constexpr std::string_view kSaved = "設定を保存しました";

// The failure of a settings write: the message, the settings file and why.
std::string settingsWriteFailure(const std::filesystem::path& settingsFile, const IniWriteResult& written) {
    return withReason(std::string(kSaveFailed) + "\n" + settingsFile.string(), written.reason);
}

std::string_view materialSection(MaterialDefault which) {
    return which == MaterialDefault::Column ? kColumnMatSection : kBaseMatSection;
}

std::string indexedKey(std::string_view stem, std::size_t index) {
    return std::string(stem) + std::to_string(index);
}

// A stored choice the program cannot offer (a hand-edited or damaged file)
// reads as the default: a project started from it could be saved but not
// loaded again, since loading refuses such values.
int choiceOrDefault(const IniFile& ini, std::string_view section, std::string_view key, int defaultValue, int last) {
    const int value = ini.getInt(section, key, defaultValue);
    return value >= 0 && value <= last ? value : defaultValue;
}

// Loads the settings file when it exists; false when there is none to read.
bool loadSettings(const std::filesystem::path& settingsFile, IniFile& ini) {
    if (settingsFile.empty()) return false;
    std::error_code ec;
    if (!std::filesystem::exists(settingsFile, ec)) return false;
    return ini.load(settingsFile);
}

// One material in its section, key by key with the defaults of a file that
// lacks the key (which differ from the initial values in KindOfWood[1]).
void readMaterial(const IniFile& ini, std::string_view section, MatInputData& m) {
    m.ProductStandardNormal = ini.getInt(section, "ProductStandardNormal", 2);
    m.ProductStandard2x4 = ini.getInt(section, "ProductStandard2x4", 0);
    m.UseMSR = ini.getBool(section, "Sorce.UseMSR", false);
    m.LaminaCompositionIndex = ini.getInt(section, "LaminaCompositionIndex", 1);
    m.LaminaCountIndex = ini.getInt(section, "LaminaCountIndex", 0);
    m.UnValuationLamina = ini.getBool(section, "UnValuationLamina", false);
    m.LVL_Shear_Index = ini.getInt(section, "LVL_Shear_Index", 0);
    m.UseEnvironIndex = choiceOrDefault(ini, section, "UseEnvironIndex", 2, 2);
    m.UseEndPosFcv = ini.getBool(section, "UseEndPosFcv", false);
    for (std::size_t i = 0; i < m.KindOfWood.size(); ++i) {
        m.KindOfWood[i] = ini.getInt(section, indexedKey("KindOfWood-", i), 0);
    }
    m.SelectProduct = choiceOrDefault(ini, section, "SelectProduct", 0, kProductKindCount - 1);
    for (std::size_t i = 0; i < m.SelectGrade.size(); ++i) {
        m.SelectGrade[i] = ini.getInt(section, indexedKey("SelectGrade-", i), 0);
    }
}

std::vector<IniFile::Entry> materialEntries(const MatInputData& m) {
    const auto number = [](std::int32_t v) { return std::to_string(v); };
    const auto flag = [](bool v) { return std::string(v ? "1" : "0"); };
    std::vector<IniFile::Entry> entries{
        {"ProductStandardNormal", number(m.ProductStandardNormal)},
        {"ProductStandard2x4", number(m.ProductStandard2x4)},
        {"Sorce.UseMSR", flag(m.UseMSR)},
        {"LaminaCompositionIndex", number(m.LaminaCompositionIndex)},
        {"LaminaCountIndex", number(m.LaminaCountIndex)},
        {"UnValuationLamina", flag(m.UnValuationLamina)},
        {"LVL_Shear_Index", number(m.LVL_Shear_Index)},
        {"UseEnvironIndex", number(m.UseEnvironIndex)},
        {"UseEndPosFcv", flag(m.UseEndPosFcv)},
    };
    for (std::size_t i = 0; i < m.KindOfWood.size(); ++i) {
        entries.push_back({indexedKey("KindOfWood-", i), number(m.KindOfWood[i])});
    }
    entries.push_back({"SelectProduct", number(m.SelectProduct)});
    for (std::size_t i = 0; i < m.SelectGrade.size(); ++i) {
        entries.push_back({indexedKey("SelectGrade-", i), number(m.SelectGrade[i])});
    }
    return entries;
}

} // namespace

CommonData::CommonData(std::filesystem::path settingsFile) : settingsFile_(std::move(settingsFile)) {
    // The input block, Defaults and both materials start from their member
    // initialisers. The LaTeX tools are looked up by the report code.
    VelocityPressure = 0;
    BuildingHeight = 0;
    ReadCommonDefaults();
    Defaults = input();
    ReadMaterialDefaults();
}

void CommonData::ReadCommonDefaults() {
    IniFile ini;
    if (!loadSettings(settingsFile_, ini)) return;
    WindCalcStandard = choiceOrDefault(ini, kCommonSection, "WindCalcStandard", 0, 1);
    V0Index = choiceOrDefault(ini, kCommonSection, "V0Index", 0, 8);       // 30 to 46 m/s
    RoughIndex = choiceOrDefault(ini, kCommonSection, "RoughIndex", 2, 3); // Ⅰ to Ⅳ
    SnowEria = choiceOrDefault(ini, kCommonSection, "SnowEria", 0, 1);
}

bool CommonData::SaveCommonDefaults(MessageSink& messages) {
    const std::vector<IniFile::Entry> entries{
        {"WindCalcStandard", std::to_string(WindCalcStandard)},
        {"V0Index", std::to_string(V0Index)},
        {"RoughIndex", std::to_string(RoughIndex)},
        {"SnowEria", std::to_string(SnowEria)},
    };
    if (settingsFile_.empty()) {
        messages.showMessage(MessageKind::Error, kSaveFailed);
        return false;
    }
    if (const IniWriteResult written = IniFile::writeSection(settingsFile_, kCommonSection, entries); !written) {
        messages.showMessage(MessageKind::Error, settingsWriteFailure(settingsFile_, written));
        return false;
    }
    Defaults.WindCalcStandard = WindCalcStandard;
    Defaults.V0Index = V0Index;
    Defaults.RoughIndex = RoughIndex;
    Defaults.SnowEria = SnowEria;
    messages.showMessage(MessageKind::Information, kSaved);
    return true;
}

void CommonData::ReadMaterialDefaults() {
    IniFile ini;
    if (!loadSettings(settingsFile_, ini)) return;
    readMaterial(ini, kColumnMatSection, ColumnMatDefault);
    readMaterial(ini, kBaseMatSection, BaseMatDefault);
}

bool CommonData::SaveMaterialDefault(MaterialDefault which, MessageSink& messages) {
    const MatInputData& material = which == MaterialDefault::Column ? ColumnMatDefault : BaseMatDefault;
    if (settingsFile_.empty()) {
        messages.showMessage(MessageKind::Error, kSaveFailed);
        return false;
    }
    if (const IniWriteResult written =
            IniFile::writeSection(settingsFile_, materialSection(which), materialEntries(material));
        !written) {
        messages.showMessage(MessageKind::Error, settingsWriteFailure(settingsFile_, written));
        return false;
    }
    messages.showMessage(MessageKind::Information, kSaved);
    return true;
}

void CommonData::ResetToDefaults() {
    input() = Defaults;
    UpdateVelocityPressure();
    UpdateMidHeights();
}

void CommonData::UpdateMidHeights() {
    // MidHeight[n - 1] is the middle of storey n above ground.
    MidHeight[0] = FirstFloorLevel + FloorHeight[0] / 2;
    for (std::size_t n = 1; n < MidHeight.size(); ++n) {
        MidHeight[n] = MidHeight[n - 1] + (FloorHeight[n - 1] + FloorHeight[n]) / 2;
    }
}

bool CommonData::UpdateVelocityPressure() {
    return tarvo::UpdateVelocityPressure(*this);
}

} // namespace tarvo
