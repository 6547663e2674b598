// The block of report lines of one column item: section and material, the
// section properties, the base strengths and the check of every load case.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"
#include "core/report/ReportText.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr int kNotification1458 = 1;
constexpr double kThird = 1.0 / 3.0;

const char* verdict(bool ok) {
    return ok ? "OK" : "NG";
}

// What the item's lines depend on besides the item itself.
struct ItemContext {
    const ColumnMember& item;
    const CommonData& common;
    const ColumnCheck& check;

    [[nodiscard]] bool windConsidered() const { return common.VelocityPressure > 0; }
    [[nodiscard]] std::int32_t kind() const { return item.ColumnMaterial.SelectProduct; }
    [[nodiscard]] bool bearingChecked() const { return item.BaseMaterial.SelectProduct < kGlulamColumn; }
    [[nodiscard]] bool windBending() const { return item.M > 0; }
};

// Labels of the bending and shear strengths: the printed strength label
// ("Fby") and the allowable-stress name used in the load-case lines ("fby").
struct StrengthNames {
    const char* shearLabel = "Fs";
    const char* shearName = "fs";
    const char* bendingLabel = "Fb";
    const char* bendingName = "fb";
    double bendingBase = 0; // tabulated strength before the size factor
};

// The axis rule: which of the x and y strengths the text names. Glulam takes
// the y axis only when the laminae allow it; LVL and glulam column name only
// the shear axis.
StrengthNames strengthNames(const ItemContext& ctx) {
    const ColumnMember& item = ctx.item;
    const MatInputData& mat = item.ColumnMaterial;
    const bool wideSide = item.B >= item.D && !item.UseAxisX;
    StrengthNames names;
    names.bendingBase = item.ColumnStrength.Fbx;
    switch (ctx.kind()) {
    case kGlulam: {
        const bool sameGrade = mat.LaminaCompositionIndex == 0;
        const bool shearY = wideSide && (sameGrade || !mat.UnValuationLamina);
        names.shearLabel = shearY ? "Fsy" : "Fsx";
        names.shearName = shearY ? "fsy" : "fsx";
        if (wideSide && mat.LaminaCompositionIndex > 0 && !mat.UnValuationLamina) {
            names.bendingLabel = "Fby";
            names.bendingName = "fby";
            names.bendingBase = item.ColumnStrength.Fby;
        } else if (!sameGrade) {
            names.bendingLabel = "Fbx";
            names.bendingName = "fbx";
        }
        break;
    }
    case kLvl:
    case kGlulamColumn:
        names.shearLabel = wideSide ? "Fsy" : "Fsx";
        names.shearName = wideSide ? "fsy" : "fsx";
        break;
    default: break;
    }
    return names;
}

std::string materialText(const ItemContext& ctx) {
    std::string text = ctx.item.ColumnStrength.description;
    if (ctx.windConsidered() && ctx.kind() == kGlulam) text += " (" + ctx.item.ColumnStrength.speciesName + ")";
    return text;
}

// The item name as report text: the characters the page composer reads as
// markup ("#" tabs, "@" the label, "^" superscripts) are given in their
// full-width forms, so that a name is printed as the user typed it.
std::string nameText(const std::string& name) {
    std::string text;
    text.reserve(name.size());
    for (const char c : name) {
        switch (c) {
        case '#': text += "＃"; break;
        case '@': text += "＠"; break;
        case '^': text += "＾"; break;
        default: text.push_back(c); break;
        }
    }
    return text;
}

// The number line and the section line. Without a name the section text
// follows the number on the same line; the "@" puts it behind the "use " label.
void appendNumberAndSection(const ItemContext& ctx, int number, ReportLines& list) {
    const ColumnMember& item = ctx.item;
    const std::string material = materialText(ctx);
    // Summed wide: a damaged file may hold piece counts whose int sum overflows.
    const long long count = static_cast<long long>(item.Members) + item.SubMembers;
    std::string line = formatText("&#0%2d. ", number);
    if (!item.Name.empty()) {
        line += nameText(item.Name);
        list.push_back(line);
        line.clear();
    }
    line += "@";
    if (item.SizeCode != 0) {
        if (count > 1) line += formatText("%lld-", count);
        line += formatText("%d(b×D=%.0f×%.0f)　%s", item.SizeCode, item.B, item.D, material.c_str());
    } else if (item.Shape == kRound) {
        line += formatText("%.0fφ　%s", item.D, material.c_str());
    } else {
        line += formatText("b×D=%.0f×%.0f", item.B, item.D);
        if (count > 1) line += formatText("×%lld本", count);
        line += "　" + material;
    }
    list.push_back(line);
}

void appendOptionLine(const ItemContext& ctx, ReportLines& list) {
    const ColumnMember& item = ctx.item;
    const MatInputData& mat = item.ColumnMaterial;
    const bool unevaluatedLaminae = ctx.windConsidered() && item.HeightZ * item.WindWidth > 0 &&
                                    ctx.kind() == kGlulam && mat.LaminaCompositionIndex > 0 && mat.UnValuationLamina;
    // Service class Ⅲ is the default and is not mentioned.
    const bool serviceClass = mat.UseEnvironIndex == 0 || mat.UseEnvironIndex == 1;
    if (!unevaluatedLaminae && !serviceClass) return;
    std::string line = unevaluatedLaminae ? "#2幅はぎ未評価ラミナを含む　　　" : "#2";
    if (serviceClass) line += formatText("使用環境区分 %s", mat.UseEnvironIndex == 0 ? "Ⅰ" : "Ⅱ");
    list.push_back(line);
}

void appendAreaLine(const ItemContext& ctx, ReportLines& list) {
    const ColumnMember& item = ctx.item;
    std::string line = "#2";
    if (!ctx.bearingChecked()) {
        line += formatText("A＝%.1fcm^2", item.A);
    } else if (item.TenonB * item.TenonD > 0) {
        line += formatText("A＝%.1fcm^2", item.A);
        line += formatText(",　Acv＝%.1fcm^2", item.Acv);
        line += formatText("（ほぞ寸法 %.0f×%.0f）", item.TenonB, item.TenonD);
    } else {
        line += formatText("A＝Acv＝%.1fcm^2", item.A);
    }
    if (item.WindWidth > 0) line += formatText(",　As＝%.1fcm^2,　 Z＝%.1fcm^3", item.As, item.SectionModulus);
    list.push_back(line);
}

void appendSlendernessLine(const ColumnMember& item, ReportLines& list) {
    const double lkx = item.Lkx / 10.0;
    const double lky = item.Lky / 10.0;
    if (!item.LkyDirect || item.Lky <= 0) {
        // One radius is printed: the one that gives λ (a 120 × 240 section
        // buckles about its width).
        list.push_back(formatText("#2i＝%.2fcm,　Lk＝%.1fcm,　λ＝%.0f,　η＝%.3f", GoverningRadius(item), lkx,
                                  item.Lambda, item.Eta));
    } else if (item.Ix == item.Iy) {
        list.push_back(formatText("#2i＝%.2fcm,　 Lkx＝%.1fcm,　Lky＝%.1fcm,　 λ＝%.0f,　η＝%.3f", item.Ix, lkx, lky,
                                  item.Lambda, item.Eta));
    } else {
        list.push_back(formatText("#2ix＝%.2fcm,　 iy＝%.2fcm,　 Lkx＝%.1fcm,　Lky＝%.1fcm,　 λ＝%.0f,　η＝%.3f",
                                  item.Ix, item.Iy, lkx, lky, item.Lambda, item.Eta));
    }
}

// The base strengths, with the bending and shear strengths only when there
// is wind bending; a size factor moves the bending strength to a line of its
// own. Returns the names the load-case lines use.
StrengthNames appendStrengthLines(const ItemContext& ctx, ReportLines& list) {
    const ColumnMember& item = ctx.item;
    const StrengthNames names = strengthNames(ctx);
    std::string line = formatText("#2基準強度(N/mm^2)　　Fc＝%.2f", item.ColumnStrength.Fc);
    if (ctx.bearingChecked()) {
        line += formatText(",　Fcv＝%.2f", item.BaseStrength.Fcv);
        if (item.BaseMaterial.UseEndPosFcv) line += "（材端）";
    }
    if (!ctx.windBending()) {
        list.push_back(line);
        return {};
    }
    line += formatText(",　%s＝%.2f", names.shearLabel, item.Fs);
    if (item.Kz >= 1 || ctx.kind() == kDimensionLumber) {
        line += formatText(",　%s＝%.2f", names.bendingLabel, item.Fb);
    } else {
        list.push_back(line);
        line = formatText("#3寸法効果係数 Kz＝%.3f", item.Kz);
        line += formatText(",　%s＝%.3f×%.1f＝%.2f", names.bendingLabel, item.Kz, names.bendingBase, item.Fb);
    }
    list.push_back(line);
    return names;
}

void appendWindDataLine(const ItemContext& ctx, ReportLines& list) {
    const ColumnMember& item = ctx.item;
    if (!(item.WindWidth > 0)) return;
    std::string line = formatText("#2地盤面からの高さ Z＝%.2fm,", item.HeightZ);
    // The coefficient belongs to this item only when its check has just
    // computed the Cf; otherwise the program-wide value is another item's.
    const bool cfComputedNow = ctx.windConsidered() && item.HeightZ * item.WindWidth > 0;
    if (!item.CfDirect && cfComputedNow) {
        if (ctx.common.WindCalcStandard == kNotification1458) {
            line += formatText("　Cpe･Gpe＝%.3f,", ctx.common.Cpe * ctx.common.Gpe);
        } else {
            line += formatText("　kz＝%.3f,", ctx.common.KzArt87);
        }
    }
    line += formatText("　Cf＝%.3f,　風圧の負担巾 W＝%.2fm", item.Cf, item.WindWidth);
    list.push_back(line);
}

// The wind case with wind bending: load, moment and shear, then the combined
// compression-and-bending check and the shear check.
void appendWindBendingLines(const ItemContext& ctx, const StrengthNames& names, ReportLines& list) {
    const ColumnMember& item = ctx.item;
    constexpr auto wind = static_cast<std::size_t>(kWindLoadCase);
    const double factor = StressFactors[wind];
    const std::string factorText = shortestDecimal(factor);
    const double fk = item.Fk * factor * kThird;
    const double fb = item.Fb * factor * kThird;
    const double fs = item.Fs * factor * kThird;
    list.push_back(formatText("#4面外曲げ　ω＝%.3f×%.3f×%.2f＝%.2fkN/m,　　Lb＝%.1fcm",
                              ctx.common.VelocityPressure / 1000.0, item.Cf, item.WindWidth, item.Omega,
                              item.Lb / 10.0));
    list.push_back(formatText("#5M＝%.2fkN･m,　Q＝%.2fkN", item.M, item.Q));
    list.push_back(formatText("#4fk＝%.2f×%s/3＝%.2fN/mm^2, 　%s＝%.2f×%s/3＝%.2fN/mm^2", item.Fk, factorText.c_str(),
                              fk, names.bendingName, item.Fb, factorText.c_str(), fb));
    list.push_back(formatText("#4%s＝%.2f×%s/3＝%.2f N/mm^2", names.shearName, item.Fs, factorText.c_str(), fs));
    list.push_back(formatText("#4　σc/fk＋σb/%s＝%.2f/%.2f＋%.2f/%.2f＝%.2f　%s", names.bendingName, item.SigmaC[wind],
                              fk, item.SigmaB[wind], fb, item.RatioCombined[wind], verdict(item.OkCombined[wind])));
    list.push_back(formatText("#4　τ/%s＝%.2f/%.2f＝%.2f　%s", names.shearName, item.Tau[wind], fs,
                              item.RatioShear[wind], verdict(item.OkShear[wind])));
}

void appendLoadCaseLines(const ItemContext& ctx, const StrengthNames& names, ReportLines& list) {
    const ColumnMember& item = ctx.item;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kLoadCaseCount); ++k) {
        if (item.AxialForce[k] == 0) continue;
        const bool windBendingCase = k == static_cast<std::size_t>(kWindLoadCase) && item.M != 0;
        list.push_back("#2" + std::string(kLoadCaseNames[k]) + "： #4" + formatText("N＝%.1fkN", item.AxialForce[k]));
        if (!windBendingCase) {
            const std::string factorText = shortestDecimal(StressFactors[k]);
            const double fk = item.Fk * StressFactors[k] * kThird;
            list.push_back(
                formatText("#4fk＝%.2f×%s/3＝%.2fN/mm^2,　", item.Fk, factorText.c_str(), fk) +
                formatText("　σc/fk＝%.2f/%.2f＝%.2f　%s", item.SigmaC[k], fk, item.RatioC[k], verdict(item.OkC[k])));
        }
        if (ctx.bearingChecked()) {
            const double factor = ctx.check.BearingFactors()[k];
            const std::string factorText = shortestDecimal(factor);
            const double fcv = item.BaseStrength.Fcv * factor * kThird;
            list.push_back(
                formatText("#4fcv＝%.2f×%s/3＝%.2fN/mm^2,　", item.BaseStrength.Fcv, factorText.c_str(), fcv) +
                formatText("　σcv/fcv＝%.2f/%.2f＝%.2f　%s", item.SigmaCv[k], fcv, item.RatioCv[k],
                           verdict(item.OkCv[k])));
        }
        if (windBendingCase) appendWindBendingLines(ctx, names, list);
    }
}

} // namespace

bool buildItemText(ColumnMember& item, ReportLines& list, int number, ColumnCheck& check) {
    if (check.CheckColumn(item) != kCheckOk) return false;
    const ItemContext ctx{item, check.common(), check};
    list.clear();
    appendNumberAndSection(ctx, number, list);
    appendOptionLine(ctx, list);
    if (ctx.bearingChecked()) {
        list.push_back(formatText("#2%s  %s", check.BaseDisplayName().c_str(), item.BaseStrength.speciesName.c_str()));
    }
    appendAreaLine(ctx, list);
    appendSlendernessLine(item, list);
    const StrengthNames names = appendStrengthLines(ctx, list);
    list.push_back(formatText("#3Fk＝η･Fc＝%.2f", item.Eta * item.ColumnStrength.Fc));
    appendWindDataLine(ctx, list);
    appendLoadCaseLines(ctx, names, list);
    return true;
}

} // namespace tarvo
