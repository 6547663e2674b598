#include "cli/CheckReportJson.h"

#include <optional>

#include "core/check/ColumnCheck.h"
#include "core/project/CommonData.h"
#include "core/project/CommonFields.h"
#include "core/project/ItemFields.h"
#include "core/report/ItemPresentation.h"

namespace tarvo::cli {
namespace {

template <typename Array> void writeArray(JsonWriter& json, const Array& values) {
    json.beginArray();
    for (const auto& v : values)
        json.value(v);
    json.endArray();
}

} // namespace

CheckReportJson::CheckReportJson(std::ostream& out, const CommonData& common) : common_(common), json_(out) {
    json_.beginObject();
    writeCommon();
}

void CheckReportJson::writeCommon() {
    const CommonData& c = common_;
    json_.key("common");
    json_.beginObject();
    // The inputs under the keys of the field table; a storey's value is an
    // element of the array under its key.
    for (const CommonField& field : commonFields()) {
        if (field.element <= 0) json_.key(field.key);
        if (field.element == 0) json_.beginArray();
        const double v = field.get(c);
        switch (field.kind) {
        case CommonFieldKind::Choice: json_.value(static_cast<int>(v)); break;
        case CommonFieldKind::Flag: json_.value(v != 0); break;
        case CommonFieldKind::Number: json_.value(v); break;
        }
        if (field.element == kStoreyCount - 1) json_.endArray();
    }
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

void CheckReportJson::optional(const char* name, const std::optional<double>& value) {
    json_.key(name);
    if (value) {
        json_.value(*value);
    } else {
        json_.null();
    }
}

// Every input of the item under the names of the item CSV's columns.
void CheckReportJson::writeInputs(const MemberInputData& item) {
    json_.key("inputs");
    json_.beginObject();
    for (const ItemField& column : itemFields()) {
        switch (column.kind) {
        case ItemFieldKind::Name: json_.member(column.name, item.Name); break;
        case ItemFieldKind::Flag: json_.member(column.name, column.get(item) != 0); break;
        default: json_.member(column.name, column.get(item)); break;
        }
    }
    json_.endObject();
}

void CheckReportJson::addItem(int index, const ItemPresentation& p) {
    const MemberInputData& item = p.item;
    const ColumnOutcome& o = p.outcome;
    if (!itemsOpen_) {
        json_.key("items");
        json_.beginArray();
        itemsOpen_ = true;
    }
    json_.beginObject();
    json_.member("index", index);
    json_.member("Name", item.Name);
    json_.member("ResultCode", static_cast<int>(o.ResultCode));
    json_.member("message", CheckResultMessage(o.ResultCode));
    writeInputs(item);

    // The inputs as the check used them, then what it computed; null where
    // the check stopped before a value.
    const std::pair<const char*, double> used[] = {{"Cf", o.Used.Cf},
                                                   {"TenonB", o.Used.TenonB},
                                                   {"TenonD", o.Used.TenonD},
                                                   {"Lky", o.Used.Lky},
                                                   {"Lb", o.Used.Lb}};
    for (const auto& [name, value] : used) {
        json_.member(name, value);
    }
    json_.member("A", o.A);
    const auto section = [&](double SectionProperties::*field) -> std::optional<double> {
        if (!o.Section) return std::nullopt;
        return (*o.Section).*field;
    };
    optional("Acv", section(&SectionProperties::Acv));
    optional("As", section(&SectionProperties::As));
    optional("Ix", section(&SectionProperties::Ix));
    optional("Iy", section(&SectionProperties::Iy));
    optional("Lambda", o.Lambda);
    optional("Eta", o.Buckling ? std::optional(o.Buckling->Eta) : std::nullopt);
    optional("SectionModulus", section(&SectionProperties::SectionModulus));
    optional("Omega", o.Wind ? std::optional(o.Wind->Omega) : std::nullopt);
    optional("M", o.Wind ? std::optional(o.Wind->M) : std::nullopt);
    optional("Q", o.Wind ? std::optional(o.Wind->Q) : std::nullopt);
    optional("Fk", o.Buckling ? std::optional(o.Buckling->Fk) : std::nullopt);
    optional("Fb", o.Strengths ? std::optional(o.Strengths->Fb) : std::nullopt);
    optional("Fs", o.Strengths ? std::optional(o.Strengths->Fs) : std::nullopt);
    optional("Kz", o.Strengths ? std::optional(o.Strengths->Kz) : std::nullopt);

    // Per load case: a value where the case was checked (the bearing ones
    // with the bearing check, the wind ones for the wind case with wind).
    const auto perCase = [&](const char* name, auto&& valueOf) {
        json_.key(name);
        json_.beginArray();
        for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
            const std::optional<double> value = valueOf(j);
            if (value) {
                json_.value(*value);
            } else {
                json_.null();
            }
        }
        json_.endArray();
    };
    const auto checkedValue = [&](const PerLoadCase<double>& values, bool shown) {
        return [&values, &o, shown](std::size_t j) -> std::optional<double> {
            if (!shown || !o.Checked[j]) return std::nullopt;
            return values[j];
        };
    };
    const auto windValue = [&](double WindBending::*field) {
        return [&o, field](std::size_t j) -> std::optional<double> {
            if (j != static_cast<std::size_t>(kWindLoadCase) || !o.Wind) return std::nullopt;
            return (*o.Wind).*field;
        };
    };
    perCase("SigmaC", checkedValue(o.SigmaC, true));
    perCase("SigmaCv", checkedValue(o.SigmaCv, p.bearing));
    perCase("SigmaB", windValue(&WindBending::SigmaB));
    perCase("Tau", windValue(&WindBending::Tau));
    perCase("RatioC", checkedValue(o.RatioC, true));
    perCase("RatioCombined", windValue(&WindBending::RatioCombined));
    perCase("RatioShear", windValue(&WindBending::RatioShear));
    perCase("RatioCv", checkedValue(o.RatioCv, p.bearing));
    const std::pair<const char*, const PerLoadCase<bool>*> verdicts[] = {
        {"OkC", &o.OkC}, {"OkCombined", &o.OkCombined}, {"OkShear", &o.OkShear}, {"OkCv", &o.OkCv}};
    for (const auto& [name, values] : verdicts) {
        json_.key(name);
        writeArray(json_, *values);
    }
    json_.key("ColumnStrength");
    writeMatData(p.column);
    json_.key("BaseStrength");
    if (p.bearing) {
        writeMatData(p.base);
    } else {
        json_.null();
    }
    json_.member("BaseDisplayName", o.BaseDisplayName);
    json_.key("BearingFactors");
    if (o.BearingFactors) {
        writeArray(json_, *o.BearingFactors);
    } else {
        json_.null();
    }
    // The coefficients of this item's own automatic Cf; none for an item
    // whose Cf is entered or that carries no wind.
    if (o.AutoCf) {
        const AutoCfCoefficients& c = *o.AutoCf;
        if (c.KzArt87) json_.member("KzArt87", *c.KzArt87);
        if (c.Cpe) json_.member("Cpe", *c.Cpe);
        if (c.Gpe) json_.member("Gpe", *c.Gpe);
        json_.member("CfAuto", c.CfAuto);
    }
    json_.endObject();
}

bool CheckReportJson::finish() {
    if (!itemsOpen_) {
        json_.key("items");
        json_.beginArray();
    }
    json_.endArray();
    json_.endObject();
    return json_.flush();
}

} // namespace tarvo::cli
