#include "core/check/CheckRefusal.h"

#include <algorithm>
#include <string_view>

#include "core/check/ColumnCheck.h"

namespace tarvo {
namespace {

// The section entries that give no area: b and D of a rectangle, the
// diameter D of a round section, or the piece count.
std::string sectionMessage(const MemberInputData& item) {
    if (item.Shape == kRound) {
        if (!(item.D > 0)) return "断面寸法 D（直径）が入力されていません。";
    } else if (!(item.B > 0) && !(item.D > 0)) {
        return "断面寸法 b, D が入力されていません。";
    } else if (!(item.B > 0)) {
        return "断面寸法 b が入力されていません。";
    } else if (!(item.D > 0)) {
        return "断面寸法 D が入力されていません。";
    }
    if (static_cast<double>(item.Members) + static_cast<double>(item.SubMembers) <= 0) return "本数が 0 です。";
    return "断面積 A が 0 以下です。";
}

std::string lengthMessage(const MemberInputData& item) {
    if (!(item.Lkx > 0)) return "座屈長さ Lkx が入力されていません。";
    // Lky and Lb are refused only when an entered one is negative.
    if (item.LkyDirect && item.Lky < 0) return "座屈長さ Lky が 0 より小さい値です。";
    return "曲げ長さ Lb が 0 より小さい値です。";
}

} // namespace

std::string_view CheckRefusalReason(std::int32_t code) {
    const std::string_view message = CheckResultMessage(code);
    if (!message.empty()) return message;
    switch (code) {
    case kCheckNoSection: return "断面が入力されていません。";
    case kCheckNoBucklingLength: return "座屈長さ Lkx が入力されていません。";
    case kCheckNoAxialForce: return "軸圧縮力が入力されていません。";
    default: return "検定できません。";
    }
}

std::string CheckRefusalMessage(const MemberInputData& item, std::int32_t code) {
    switch (code) {
    case kCheckOk: return {};
    case kCheckNoSection: return sectionMessage(item);
    case kCheckNoBucklingLength: return lengthMessage(item);
    case kCheckNoAxialForce: return "軸圧縮力が入力されていません。";
    default: break;
    }
    const std::string_view message = CheckResultMessage(code);
    return std::string(message);
}

} // namespace tarvo
