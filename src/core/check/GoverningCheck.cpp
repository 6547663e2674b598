#include "core/check/GoverningCheck.h"

#include "core/check/CheckRefusal.h"

namespace tarvo {
namespace {

std::string_view kindName(CheckKind kind) {
    switch (kind) {
    case CheckKind::Compression: return "圧縮";
    case CheckKind::Bearing: return "めり込み";
    case CheckKind::Combined: return "曲げ圧縮";
    case CheckKind::Shear: return "せん断";
    case CheckKind::None:
    case CheckKind::Refused: break;
    }
    return {};
}

} // namespace

GoverningCheck GoverningCheckOf(const ColumnOutcome& outcome) {
    GoverningCheck governing;
    governing.ResultCode = outcome.ResultCode;
    if (!outcome.computable()) {
        governing.Kind = CheckKind::Refused;
        return governing;
    }
    bool ok = true;
    const auto consider = [&](CheckKind kind, std::size_t j, double ratio) {
        // The first of equal ratios stays: compression before bearing.
        if (governing.Kind != CheckKind::None && !(ratio > governing.Ratio)) return;
        governing.Kind = kind;
        governing.LoadCase = static_cast<int>(j);
        governing.Ratio = ratio;
    };
    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        if (!outcome.Checked[j]) continue;
        ok = ok && outcome.caseOk(j);
        const bool windCase = j == static_cast<std::size_t>(kWindLoadCase) && outcome.windBending();
        if (!windCase) consider(CheckKind::Compression, j, outcome.RatioC[j]);
        if (outcome.bearingChecked()) consider(CheckKind::Bearing, j, outcome.RatioCv[j]);
        if (windCase) {
            consider(CheckKind::Combined, j, outcome.Wind->RatioCombined);
            consider(CheckKind::Shear, j, outcome.Wind->RatioShear);
        }
    }
    governing.Ok = ok && governing.Kind != CheckKind::None;
    return governing;
}

std::string GoverningCheckText(const GoverningCheck& governing) {
    if (governing.Kind == CheckKind::Refused) return std::string(CheckRefusalReason(governing.ResultCode));
    if (governing.Kind == CheckKind::None) return {};
    std::string text(kindName(governing.Kind));
    text += "（";
    text += kLoadCaseNames[static_cast<std::size_t>(governing.LoadCase)];
    text += "）";
    return text;
}

} // namespace tarvo
