#include "cli/CheckReportJson.h"

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"

namespace tarvo::cli {
namespace {

template <typename Array> void writeArray(JsonWriter& json, const Array& values) {
    json.beginArray();
    for (const auto& v : values)
        json.value(v);
    json.endArray();
}

} // namespace

CheckReportJson::CheckReportJson(const CommonData& common) : common_(common) {
    json_.beginObject();
    writeCommon();
}

void CheckReportJson::writeCommon() {
    const CommonData& c = common_;
    json_.key("common");
    json_.beginObject();
    json_.member("WindCalcStandard", c.WindCalcStandard);
    json_.member("V0Index", c.V0Index);
    json_.member("RoughIndex", c.RoughIndex);
    json_.member("BuildingHeight", c.BuildingHeight);
    json_.member("Up_q", c.Up_q);
    json_.member("FirstFloorLevel", c.FirstFloorLevel);
    json_.key("FloorHeight");
    writeArray(json_, c.FloorHeight);
    json_.key("WoodenStorey");
    writeArray(json_, c.WoodenStorey);
    json_.member("SnowEria", c.SnowEria);
    json_.member("VelocityPressure", c.VelocityPressure);
    json_.member("Alpha", c.Alpha);
    json_.member("Zb", c.Zb);
    json_.key("MidHeight");
    writeArray(json_, c.MidHeight);
    json_.endObject();
}

void CheckReportJson::writeMatData(const MatData& m) {
    json_.beginObject();
    json_.member("productName", m.productName);
    json_.member("description", m.description);
    json_.member("shearClass", m.shearClass);
    json_.member("speciesName", m.speciesName);
    const std::pair<const char*, double> values[] = {
        {"Fc", m.Fc},   {"Ft", m.Ft},   {"Fbx", m.Fbx}, {"FbxNeg", m.FbxNeg}, {"Fby", m.Fby},
        {"Fsx", m.Fsx}, {"Fsy", m.Fsy}, {"Fcv", m.Fcv}, {"E0", m.E0},         {"Elow", m.Elow}};
    for (const auto& [name, value] : values) {
        json_.member(name, value);
    }
    json_.endObject();
}

void CheckReportJson::addItem(int index, const ColumnMember& item, std::int32_t code, const ColumnCheck& check) {
    if (!itemsOpen_) {
        json_.key("items");
        json_.beginArray();
        itemsOpen_ = true;
    }
    json_.beginObject();
    json_.member("index", index);
    json_.member("Name", item.Name);
    json_.member("ResultCode", static_cast<int>(code));
    json_.member("message", CheckResultMessage(code));
    const std::pair<const char*, double> scalars[] = {{"Cf", item.Cf},
                                                      {"TenonB", item.TenonB},
                                                      {"TenonD", item.TenonD},
                                                      {"Lky", item.Lky},
                                                      {"Lb", item.Lb},
                                                      {"A", item.A},
                                                      {"Acv", item.Acv},
                                                      {"As", item.As},
                                                      {"Ix", item.Ix},
                                                      {"Iy", item.Iy},
                                                      {"Lambda", item.Lambda},
                                                      {"Eta", item.Eta},
                                                      {"SectionModulus", item.SectionModulus},
                                                      {"Omega", item.Omega},
                                                      {"M", item.M},
                                                      {"Q", item.Q},
                                                      {"Fk", item.Fk},
                                                      {"Fb", item.Fb},
                                                      {"Fs", item.Fs},
                                                      {"Kz", item.Kz}};
    for (const auto& [name, value] : scalars) {
        json_.member(name, value);
    }
    const std::pair<const char*, const PerLoadCase<double>*> arrays[] = {
        {"SigmaC", &item.SigmaC},         {"SigmaCv", &item.SigmaCv},
        {"SigmaB", &item.SigmaB},         {"Tau", &item.Tau},
        {"RatioC", &item.RatioC},         {"RatioCombined", &item.RatioCombined},
        {"RatioShear", &item.RatioShear}, {"RatioCv", &item.RatioCv}};
    for (const auto& [name, values] : arrays) {
        json_.key(name);
        writeArray(json_, *values);
    }
    const std::pair<const char*, const PerLoadCase<bool>*> verdicts[] = {
        {"OkC", &item.OkC}, {"OkCombined", &item.OkCombined}, {"OkShear", &item.OkShear}, {"OkCv", &item.OkCv}};
    for (const auto& [name, values] : verdicts) {
        json_.key(name);
        writeArray(json_, *values);
    }
    json_.key("ColumnStrength");
    writeMatData(item.ColumnStrength);
    json_.key("BaseStrength");
    writeMatData(item.BaseStrength);
    json_.member("BaseDisplayName", check.BaseDisplayName());
    json_.key("BearingFactors");
    writeArray(json_, check.BearingFactors());
    const CommonData& c = common_;
    const std::pair<const char*, double> windValues[] = {
        {"KzArt87", c.KzArt87}, {"Cpe", c.Cpe}, {"Gpe", c.Gpe}, {"CfAuto", c.CfAuto}};
    for (const auto& [name, value] : windValues) {
        json_.member(name, value);
    }
    json_.endObject();
}

std::string CheckReportJson::finish() {
    if (!itemsOpen_) {
        json_.key("items");
        json_.beginArray();
    }
    json_.endArray();
    json_.endObject();
    return json_.text();
}

} // namespace tarvo::cli
