#include "core/design/GoverningCheck.h"

#include "core/check/ColumnCheck.h"

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

// The messages the window leaves empty (its empty page tells them).
std::string_view refusalText(std::int32_t code) {
    const std::string_view message = CheckResultMessage(code);
    if (!message.empty()) return message;
    switch (code) {
    case kCheckNoSection: return "断面が入力されていません。";
    case kCheckNoBucklingLength: return "座屈長さ Lkx が入力されていません。";
    case kCheckNoAxialForce: return "軸力が入力されていません。";
    default: return "検定できません。";
    }
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
        consider(CheckKind::Compression, j, outcome.RatioC[j]);
        if (outcome.bearingChecked()) consider(CheckKind::Bearing, j, outcome.RatioCv[j]);
        if (j == static_cast<std::size_t>(kWindLoadCase) && outcome.Wind) {
            consider(CheckKind::Combined, j, outcome.Wind->RatioCombined);
            consider(CheckKind::Shear, j, outcome.Wind->RatioShear);
        }
    }
    governing.Ok = ok && governing.Kind != CheckKind::None;
    return governing;
}

std::string GoverningCheckText(const GoverningCheck& governing) {
    if (governing.Kind == CheckKind::Refused) return std::string(refusalText(governing.ResultCode));
    if (governing.Kind == CheckKind::None) return {};
    std::string text(kindName(governing.Kind));
    text += "（";
    text += kLoadCaseNames[static_cast<std::size_t>(governing.LoadCase)];
    text += "）";
    return text;
}

} // namespace tarvo
