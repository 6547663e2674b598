#include "core/report/LatexItemText.h"

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnMember.h"
#include "core/report/ItemPresentation.h"
#include "core/report/LatexText.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// An allowable stress is strength × factor × 1/3.
constexpr double kThird = 1.0 / 3.0;

const char* verdict(bool ok) {
    return ok ? "OK" : "NG";
}

// "-" is doubled so that LaTeX sets an en dash, as the printed report shows.
std::string doubledHyphens(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 4);
    for (const char c : text) {
        out += c;
        if (c == '-') out += '-';
    }
    return out;
}

// The symbols of the bending and shear strengths in use.
struct StrengthSymbols {
    std::string bendingName = "f_b";
    std::string shearName = "f_s";
};

void appendMaterialAndSection(std::string& t, const ItemPresentation& p) {
    const MemberInputData& item = p.item;
    std::string material = p.column.description;
    if (p.speciesInLatexMaterial) material += " (" + p.column.speciesName + ")";
    material = doubledHyphens(escapeLatexText(material));
    const std::string name = doubledHyphens(escapeLatexText(item.Name));
    // Summed wide: a damaged file may hold piece counts whose int sum overflows.
    const long long count = static_cast<long long>(item.Members) + item.SubMembers;

    t += "\\item {";
    if (!item.Name.empty()) t += "\\bf " + name + "}\n\n";
    t += "{\\it use } ";
    if (item.SizeCode != 0) {
        if (count > 1) appendFormat(t, "%lld--", count);
        appendFormat(t, "%d($b\\times D=%.0f\\times%.0f$)~~%s", item.SizeCode, item.B, item.D, material.c_str());
    } else if (item.Shape == kRound) {
        appendFormat(t, "$%.0fφ$~~%s", item.D, material.c_str());
    } else {
        appendFormat(t, "$b\\times D=%.0f\\times%.0f", item.B, item.D);
        if (count > 1) appendFormat(t, "\\times %lld本", count);
        appendFormat(t, "$~~%s", material.c_str());
    }
    if (item.Name.empty()) t += "}";
    t += "\n\n";
}

void appendOptionsAndBase(std::string& t, const ItemPresentation& p) {
    const bool serviceClassShown = p.serviceClass != nullptr;
    if (p.unevaluatedLaminae) {
        t += "\\qquad 幅はぎ未評価ラミナを含む";
        if (!serviceClassShown) t += "\n\n";
    }
    if (serviceClassShown) appendFormat(t, "\\qquad 使用環境区分 %s\n\n", p.serviceClass);
    if (p.bearing) {
        appendFormat(t, "\\qquad %s  %s", escapeLatexText(p.outcome.BaseDisplayName).c_str(),
                     escapeLatexText(p.base.speciesName).c_str());
    }
    t += "\n\n";
}

void appendSectionProperties(std::string& t, const ItemPresentation& p) {
    const ColumnOutcome& o = p.outcome;
    const SectionProperties& s = *o.Section;
    if (!p.bearing) {
        appendFormat(t, "　　$A=%.1f\\,cm^2", o.A);
    } else if (p.tenonShown) {
        appendFormat(t, "　　$A=%.1f\\,cm^2", o.A);
        appendFormat(t, ",\\quad A_{cv}=%.1f\\,cm^2", s.Acv);
        appendFormat(t, "（ほぞ寸法 %.0f\\times%.0f）", o.Used.TenonB, o.Used.TenonD);
    } else {
        appendFormat(t, "　　$A=A_{cv}=%.1f\\,cm^2", o.A);
    }
    if (p.wallWidth) appendFormat(t, ",\\quad A_s=%.1f\\,cm^2,\\quad Z=%.1f\\,cm^3", s.As, s.SectionModulus);
    t += "$\n\n";

    const double lkx = p.item.Lkx / 10.0;
    const double lky = o.Used.Lky / 10.0;
    const double lambda = *o.Lambda;
    const double eta = o.Buckling->Eta;
    switch (p.radiusForm) {
    case RadiusForm::Governing:
        // The radius that gives λ, as in the printed report.
        appendFormat(t, "　　$i=%.2f\\,cm,\\quad l_k=%.1f\\,cm,\\quad \\lambda=%.0f,\\quad \\eta=%.3f$\n\n",
                     p.governingRadius, lkx, lambda, eta);
        break;
    case RadiusForm::Same:
        appendFormat(t,
                     "　　$i=%.2f\\,cm,\\quad l_{kx}=%.1f\\,cm,\\quad l_{ky}=%.1f\\,cm,\\quad \\lambda=%.0f,"
                     "\\quad \\eta=%.3f$\n\n",
                     s.Ix, lkx, lky, lambda, eta);
        break;
    case RadiusForm::Both:
        appendFormat(t,
                     "　　$i_x=%.2f\\,cm,\\quad i_y=%.2f\\,cm,\\quad l_{kx}=%.1f\\,cm,\\quad l_{ky}=%.1f\\,cm,"
                     "\\quad \\lambda=%.0f,\\quad \\eta=%.3f$\n\n",
                     s.Ix, s.Iy, lkx, lky, lambda, eta);
        break;
    }
}

const char* axisSymbol(StrengthAxis axis, const char* x, const char* y, const char* none) {
    switch (axis) {
    case StrengthAxis::X: return x;
    case StrengthAxis::Y: return y;
    case StrengthAxis::None: break;
    }
    return none;
}

StrengthSymbols appendStrengths(std::string& t, const ItemPresentation& p) {
    const ColumnOutcome& o = p.outcome;
    StrengthSymbols symbols;
    appendFormat(t, "　　$基準強度(N/mm^2)~~F_c=%.2f", o.ColumnStrength.Fc);
    if (p.bearing) {
        appendFormat(t, ",\\quad F_{cv}=%.2f", o.BaseStrength->Fcv);
        if (p.endPosition) t += "（材端）";
    }
    if (p.windBending) {
        const StrengthsInUse& inUse = *o.Strengths;
        appendFormat(t, ",\\quad %s=%.2f", axisSymbol(p.axes.shear, "F_{sx}", "F_{sy}", "F_s"), inUse.Fs);
        symbols.shearName = axisSymbol(p.axes.shear, "f_{sx}", "f_{sy}", "f_s");
        symbols.bendingName = axisSymbol(p.axes.bending, "f_{bx}", "f_{by}", "f_b");
        const char* symbol = axisSymbol(p.axes.bending, "F_{bx}", "F_{by}", "F_b");
        if (!p.sizeFactorLine) {
            appendFormat(t, ",\\quad %s=%.2f", symbol, inUse.Fb);
        } else {
            appendFormat(t, "$\n\n\\hspace{11.3zw}寸法効果係数 $K_z=%.3f", inUse.Kz);
            appendFormat(t, ",\\quad %s=%.3f\\times %.1f=%.2f", symbol, inUse.Kz, p.bendingBase, inUse.Fb);
        }
    }
    t += "$\n\n";
    appendFormat(t, "\\hspace*{11.7zw}$F_k=\\eta\\cdot F_c=%.2f$ \n\n", o.Buckling->Eta * o.ColumnStrength.Fc);
    return symbols;
}

void appendWindData(std::string& t, const ItemPresentation& p) {
    if (!p.windDataLine) return;
    const ColumnOutcome& o = p.outcome;
    appendFormat(t, "　　地盤面からの高さ $Z=%.2f\\,m,", p.item.HeightZ);
    if (p.autoCfShown) {
        const AutoCfCoefficients& c = *o.AutoCf;
        if (c.Cpe && c.Gpe) {
            appendFormat(t, "\\quad C_{pe}\\cdot G_{pe}=%.3f,", *c.Cpe * *c.Gpe);
        } else if (c.KzArt87) {
            appendFormat(t, "\\quad k_z=%.3f,", *c.KzArt87);
        }
    }
    appendFormat(t, "\\quad C_f=%.3f,\\quad 風圧の負担巾 W=%.2f\\,m$\n", o.Used.Cf, p.item.WindWidth);
}

void appendLoadCases(std::string& t, const ItemPresentation& p, const StrengthSymbols& symbols) {
    const ColumnOutcome& o = p.outcome;
    const double fkBase = o.Buckling->Fk;
    t += "\\begin{tabbing}\n";
    t += "　　地震荷重時\\=： \\=   \\kill\n";
    for (std::size_t k = 0; k < static_cast<std::size_t>(kLoadCaseCount); ++k) {
        if (!p.caseShown(k)) continue;
        const bool windCase = p.windBendingCase(k);
        const std::string factor = shortestDecimal(StressFactors[k]);
        const double fk = fkBase * StressFactors[k] * kThird;
        t += "　　" + std::string(kLoadCaseNames[k]) + "\\>：\\>" +
             formatText("$N=%.1f\\,kN$ \\\\ \n", p.item.AxialForce[k]);
        if (!windCase) {
            appendFormat(t, "\\>\\>$f_k=%.2f\\times %s/3=%.2f\\;N/mm^2, \\quad ", fkBase, factor.c_str(), fk);
            appendFormat(t, "\\sigma_c/f_k=%.2f/%.2f=%.2f~~%s$ \\\\ \n", o.SigmaC[k], fk, o.RatioC[k],
                         verdict(o.OkC[k]));
        }
        if (p.bearing) {
            const double fcvBase = o.BaseStrength->Fcv;
            const double bearingFactor = (*o.BearingFactors)[k];
            const std::string bearingText = shortestDecimal(bearingFactor);
            const double fcv = fcvBase * bearingFactor * kThird;
            appendFormat(t, "\\>\\>$f_{cv}=%.2f\\times %s/3=%.2f\\;N/mm^2, \\quad ", fcvBase, bearingText.c_str(), fcv);
            appendFormat(t, "\\sigma_{cv}/f_{cv}=%.2f/%.2f=%.2f~~%s$ \\\\ \n", o.SigmaCv[k], fcv, o.RatioCv[k],
                         verdict(o.OkCv[k]));
        }
        if (windCase) {
            const WindBending& w = *o.Wind;
            const StrengthsInUse& inUse = *o.Strengths;
            const double fb = inUse.Fb * StressFactors[k] * kThird;
            const double fs = inUse.Fs * StressFactors[k] * kThird;
            const char* bending = symbols.bendingName.c_str();
            const char* shear = symbols.shearName.c_str();
            appendFormat(t,
                         "\\>\\>面外曲げ　$\\omega=%.3f\\times %.3f\\times %.2f=%.2f\\,kN/m,\\qquad L_b=%.1f\\,cm$ "
                         "\\\\ \n",
                         p.q / 1000.0, o.Used.Cf, p.item.WindWidth, w.Omega, o.Used.Lb / 10.0);
            appendFormat(t, "\\>\\>　　　　　 $M=%.2f\\,kN\\cdot m,\\quad Q=%.2f\\,kN$ \\\\ \n", w.M, w.Q);
            appendFormat(t,
                         "\\>\\>$f_k=%.2f\\times %s/3=%.2f\\;N/mm^2, \\qquad %s=%.2f\\times %s/3=%.2f\\;N/mm^2$ "
                         "\\\\ \n",
                         fkBase, factor.c_str(), fk, bending, inUse.Fb, factor.c_str(), fb);
            appendFormat(t, "\\>\\>$%s=%.2f\\times %s/3=%.2f\\;N/mm^2$ \\\\ \n", shear, inUse.Fs, factor.c_str(), fs);
            appendFormat(t, "\\>\\>　$\\sigma_c/f_k+\\sigma_b/%s=%.2f/%.2f+%.2f/%.2f=%.2f~~%s$ \\\\ \n", bending,
                         o.SigmaC[k], fk, w.SigmaB, fb, w.RatioCombined, verdict(o.OkCombined[k]));
            appendFormat(t, "\\>\\>　$\\tau/%s=%.2f/%.2f=%.2f~~%s$ \\\\ \n", shear, w.Tau, fs, w.RatioShear,
                         verdict(o.OkShear[k]));
        }
    }
    t += "\\end{tabbing}\n";
}

} // namespace

std::string buildLatexItemText(const ItemPresentation& presentation) {
    std::string t;
    t.reserve(4096);
    appendMaterialAndSection(t, presentation);
    appendOptionsAndBase(t, presentation);
    appendSectionProperties(t, presentation);
    const StrengthSymbols symbols = appendStrengths(t, presentation);
    appendWindData(t, presentation);
    appendLoadCases(t, presentation, symbols);
    return t;
}

bool buildLatexItemText(const ColumnMember& item, const ColumnCheck& check, std::string& text) {
    const ColumnOutcome outcome = check.CheckColumn(item);
    if (!outcome.computable()) return false;
    text = buildLatexItemText(PresentItem(item, outcome, check));
    return true;
}

} // namespace tarvo
