// The block of report lines of one column item: section and material, the
// section properties, the base strengths and the check of every load case.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnMember.h"
#include "core/report/ItemPresentation.h"
#include "core/report/ReportText.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr double kThird = 1.0 / 3.0;

const char* verdict(bool ok) {
    return ok ? "OK" : "NG";
}

// Labels of the bending and shear strengths: the printed strength label
// ("Fby") and the allowable-stress name used in the load-case lines ("fby").
struct StrengthNames {
    const char* shearLabel = "Fs";
    const char* shearName = "fs";
    const char* bendingLabel = "Fb";
    const char* bendingName = "fb";
};

StrengthNames strengthNames(const StrengthAxes& axes) {
    StrengthNames names;
    if (axes.shear != StrengthAxis::None) {
        const bool y = axes.shear == StrengthAxis::Y;
        names.shearLabel = y ? "Fsy" : "Fsx";
        names.shearName = y ? "fsy" : "fsx";
    }
    if (axes.bending != StrengthAxis::None) {
        const bool y = axes.bending == StrengthAxis::Y;
        names.bendingLabel = y ? "Fby" : "Fbx";
        names.bendingName = y ? "fby" : "fbx";
    }
    return names;
}

std::string materialText(const ItemPresentation& p) {
    std::string text = p.column.description;
    if (p.speciesInPrintedMaterial) text += " (" + p.column.speciesName + ")";
    return text;
}

// The number line and the section line. Without a name the section text
// follows the number on the same line; the "@" puts it behind the "use " label.
void appendNumberAndSection(const ItemPresentation& p, int number, ReportLines& list) {
    const MemberInputData& item = p.item;
    const std::string material = materialText(p);
    // Summed wide: a damaged file may hold piece counts whose int sum overflows.
    const long long count = static_cast<long long>(item.Members) + item.SubMembers;
    std::string line = formatReportText("&#0%2d. ", number);
    if (!item.Name.empty()) {
        line += reportNameText(item.Name);
        list.push_back(std::move(line));
        line.clear();
    }
    line += "@";
    if (item.SizeCode != 0) {
        if (count > 1) appendReportFormat(line, "%lld-", count);
        appendReportFormat(line, "%d(b×D=%.0f×%.0f)　%s", item.SizeCode, item.B, item.D, material.c_str());
    } else if (item.Shape == kRound) {
        appendReportFormat(line, "%.0fφ　%s", item.D, material.c_str());
    } else {
        appendReportFormat(line, "b×D=%.0f×%.0f", item.B, item.D);
        if (count > 1) appendReportFormat(line, "×%lld本", count);
        line += "　" + material;
    }
    list.push_back(std::move(line));
}

void appendOptionLine(const ItemPresentation& p, ReportLines& list) {
    if (!p.unevaluatedLaminae && p.serviceClass == nullptr) return;
    std::string line = p.unevaluatedLaminae ? "#2幅はぎ未評価ラミナを含む　　　" : "#2";
    if (p.serviceClass != nullptr) appendReportFormat(line, "使用環境区分 %s", p.serviceClass);
    list.push_back(std::move(line));
}

void appendAreaLine(const ItemPresentation& p, ReportLines& list) {
    const ColumnOutcome& o = p.outcome;
    const SectionProperties& s = *o.Section;
    std::string line = "#2";
    if (!p.bearing) {
        appendReportFormat(line, "A＝%.1fcm^2", o.A);
    } else if (p.tenonShown) {
        appendReportFormat(line, "A＝%.1fcm^2", o.A);
        appendReportFormat(line, ",　Acv＝%.1fcm^2", s.Acv);
        appendReportFormat(line, "（ほぞ寸法 %.0f×%.0f）", o.Used.TenonB, o.Used.TenonD);
    } else {
        appendReportFormat(line, "A＝Acv＝%.1fcm^2", o.A);
    }
    if (p.wallWidth) appendReportFormat(line, ",　As＝%.1fcm^2,　 Z＝%.1fcm^3", s.As, s.SectionModulus);
    list.push_back(std::move(line));
}

void appendSlendernessLine(const ItemPresentation& p, ReportLines& list) {
    const ColumnOutcome& o = p.outcome;
    const SectionProperties& s = *o.Section;
    const double lkx = p.item.Lkx / 10.0;
    const double lky = o.Used.Lky / 10.0;
    const double lambda = *o.Lambda;
    const double eta = o.Buckling->Eta;
    switch (p.radiusForm) {
    case RadiusForm::Governing:
        list.push_back(
            formatReportText("#2i＝%.2fcm,　Lk＝%.1fcm,　λ＝%.0f,　η＝%.3f", p.governingRadius, lkx, lambda, eta));
        break;
    case RadiusForm::Same:
        list.push_back(formatReportText("#2i＝%.2fcm,　 Lkx＝%.1fcm,　Lky＝%.1fcm,　 λ＝%.0f,　η＝%.3f", s.Ix, lkx, lky,
                                        lambda, eta));
        break;
    case RadiusForm::Both:
        list.push_back(formatReportText("#2ix＝%.2fcm,　 iy＝%.2fcm,　 Lkx＝%.1fcm,　Lky＝%.1fcm,　 λ＝%.0f,　η＝%.3f",
                                        s.Ix, s.Iy, lkx, lky, lambda, eta));
        break;
    }
}

// The base strengths, with the bending and shear strengths only when there
// is wind bending; a size factor moves the bending strength to a line of its
// own.
void appendStrengthLines(const ItemPresentation& p, const StrengthNames& names, ReportLines& list) {
    const ColumnOutcome& o = p.outcome;
    std::string line = formatReportText("#2基準強度(N/mm^2)　　Fc＝%.2f", o.ColumnStrength.Fc);
    if (p.bearing) {
        appendReportFormat(line, ",　Fcv＝%.2f", o.BaseStrength->Fcv);
        if (p.endPosition) line += "（材端）";
    }
    if (!p.windBending) {
        list.push_back(std::move(line));
        return;
    }
    const StrengthsInUse& inUse = *o.Strengths;
    appendReportFormat(line, ",　%s＝%.2f", names.shearLabel, inUse.Fs);
    if (!p.sizeFactorLine) {
        appendReportFormat(line, ",　%s＝%.2f", names.bendingLabel, inUse.Fb);
    } else {
        list.push_back(std::move(line));
        line = formatReportText("#3寸法効果係数 Kz＝%.3f", inUse.Kz);
        appendReportFormat(line, ",　%s＝%.3f×%.1f＝%.2f", names.bendingLabel, inUse.Kz, p.bendingBase, inUse.Fb);
    }
    list.push_back(std::move(line));
}

void appendWindDataLine(const ItemPresentation& p, ReportLines& list) {
    if (!p.windDataLine) return;
    const ColumnOutcome& o = p.outcome;
    std::string line = formatReportText("#2地盤面からの高さ Z＝%.2fm,", p.item.HeightZ);
    if (p.autoCfShown) {
        const AutoCfCoefficients& c = *o.AutoCf;
        if (c.Cpe && c.Gpe) {
            appendReportFormat(line, "　Cpe･Gpe＝%.3f,", *c.Cpe * *c.Gpe);
        } else if (c.KzArt87) {
            appendReportFormat(line, "　kz＝%.3f,", *c.KzArt87);
        }
    }
    appendReportFormat(line, "　Cf＝%.3f,　風圧の負担巾 W＝%.2fm", o.Used.Cf, p.item.WindWidth);
    list.push_back(std::move(line));
}

// The wind case with wind bending: load, moment and shear, then the combined
// compression-and-bending check and the shear check.
void appendWindBendingLines(const ItemPresentation& p, const StrengthNames& names, ReportLines& list) {
    const ColumnOutcome& o = p.outcome;
    const WindBending& w = *o.Wind;
    const StrengthsInUse& inUse = *o.Strengths;
    constexpr auto wind = static_cast<std::size_t>(kWindLoadCase);
    const double factor = StressFactors[wind];
    const std::string factorText = shortestDecimal(factor);
    const double fkBase = o.Buckling->Fk;
    const double fk = fkBase * factor * kThird;
    const double fb = inUse.Fb * factor * kThird;
    const double fs = inUse.Fs * factor * kThird;
    list.push_back(formatReportText("#4面外曲げ　ω＝%.3f×%.3f×%.2f＝%.2fkN/m,　　Lb＝%.1fcm", p.q / 1000.0, o.Used.Cf,
                                    p.item.WindWidth, w.Omega, o.Used.Lb / 10.0));
    list.push_back(formatReportText("#5M＝%.2fkN･m,　Q＝%.2fkN", w.M, w.Q));
    list.push_back(formatReportText("#4fk＝%.2f×%s/3＝%.2fN/mm^2, 　%s＝%.2f×%s/3＝%.2fN/mm^2", fkBase,
                                    factorText.c_str(), fk, names.bendingName, inUse.Fb, factorText.c_str(), fb));
    list.push_back(formatReportText("#4%s＝%.2f×%s/3＝%.2f N/mm^2", names.shearName, inUse.Fs, factorText.c_str(), fs));
    list.push_back(formatReportText("#4　σc/fk＋σb/%s＝%.2f/%.2f＋%.2f/%.2f＝%.2f　%s", names.bendingName,
                                    o.SigmaC[wind], fk, w.SigmaB, fb, w.RatioCombined, verdict(o.OkCombined[wind])));
    list.push_back(formatReportText("#4　τ/%s＝%.2f/%.2f＝%.2f　%s", names.shearName, w.Tau, fs, w.RatioShear,
                                    verdict(o.OkShear[wind])));
}

void appendLoadCaseLines(const ItemPresentation& p, const StrengthNames& names, ReportLines& list) {
    const ColumnOutcome& o = p.outcome;
    const double fkBase = o.Buckling->Fk;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kLoadCaseCount); ++k) {
        if (!p.caseShown(k)) continue;
        std::string line = "#2";
        line += kLoadCaseNames[k];
        line += "： #4";
        appendReportFormat(line, "N＝%.1fkN", p.item.AxialForce[k]);
        list.push_back(std::move(line));
        if (!p.windBendingCase(k)) {
            const std::string factorText = shortestDecimal(StressFactors[k]);
            const double fk = fkBase * StressFactors[k] * kThird;
            line = formatReportText("#4fk＝%.2f×%s/3＝%.2fN/mm^2,　", fkBase, factorText.c_str(), fk);
            appendReportFormat(line, "　σc/fk＝%.2f/%.2f＝%.2f　%s", o.SigmaC[k], fk, o.RatioC[k], verdict(o.OkC[k]));
            list.push_back(std::move(line));
        }
        if (p.bearing) {
            const double fcvBase = o.BaseStrength->Fcv;
            const double factor = (*o.BearingFactors)[k];
            const std::string factorText = shortestDecimal(factor);
            const double fcv = fcvBase * factor * kThird;
            line = formatReportText("#4fcv＝%.2f×%s/3＝%.2fN/mm^2,　", fcvBase, factorText.c_str(), fcv);
            appendReportFormat(line, "　σcv/fcv＝%.2f/%.2f＝%.2f　%s", o.SigmaCv[k], fcv, o.RatioCv[k],
                               verdict(o.OkCv[k]));
            list.push_back(std::move(line));
        }
        if (p.windBendingCase(k)) appendWindBendingLines(p, names, list);
    }
}

} // namespace

// The item name as report text: the characters the page composer reads as
// markup ("#" tabs, "@" the label, "^" superscripts) are given in their
// full-width forms, so that a name is printed as the user typed it.
std::string reportNameText(const std::string& name) {
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

void buildItemText(const ItemPresentation& p, ReportLines& list, int number) {
    const StrengthNames names = p.windBending ? strengthNames(p.axes) : StrengthNames{};
    list.clear();
    appendNumberAndSection(p, number, list);
    appendOptionLine(p, list);
    if (p.bearing)
        list.push_back(
            formatReportText("#2%s  %s", std::string(p.outcome.BaseDisplayName).c_str(), p.base.speciesName.c_str()));
    appendAreaLine(p, list);
    appendSlendernessLine(p, list);
    appendStrengthLines(p, names, list);
    list.push_back(formatReportText("#3Fk＝η･Fc＝%.2f", p.outcome.Buckling->Eta * p.outcome.ColumnStrength.Fc));
    appendWindDataLine(p, list);
    appendLoadCaseLines(p, names, list);
}

bool buildItemText(const ColumnMember& item, ReportLines& list, int number, const ColumnCheck& check) {
    const ColumnOutcome outcome = check.CheckColumn(item);
    if (!outcome.computable()) return false;
    buildItemText(PresentItem(item, outcome, check), list, number);
    return true;
}

} // namespace tarvo
