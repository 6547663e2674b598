#include "core/report/LatexItemText.h"

#include "core/check/ColumnCheck.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"
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

// The values of one item that the text reads, with the symbols of the
// bending and shear strengths in use.
struct ItemContext {
    const ColumnMember& item;
    const ColumnCheck& check;
    double q = 0;
    bool windConsidered = false;
    bool bearing = false;
    bool windBending = false;
    std::string bendingName = "f_b";
    std::string shearName = "f_s";
};

void appendMaterialAndSection(std::string& t, const ItemContext& c) {
    const ColumnMember& item = c.item;
    const std::int32_t kind = item.ColumnMaterial.SelectProduct;
    std::string material = item.ColumnStrength.description;
    if (c.windConsidered && item.HeightZ * item.WindWidth > 0 && kind == kGlulam) {
        material += " (" + item.ColumnStrength.speciesName + ")";
    }
    material = doubledHyphens(escapeLatexText(material));
    const std::string name = doubledHyphens(escapeLatexText(item.Name));
    // Summed wide: a damaged file may hold piece counts whose int sum overflows.
    const long long count = static_cast<long long>(item.Members) + item.SubMembers;

    t += "\\item {";
    if (!item.Name.empty()) t += "\\bf " + name + "}\n\n";
    t += "{\\it use } ";
    if (item.SizeCode != 0) {
        if (count > 1) t += formatText("%lld--", count);
        t += formatText("%d($b\\times D=%.0f\\times%.0f$)~~%s", item.SizeCode, item.B, item.D, material.c_str());
    } else if (item.Shape == kRound) {
        t += formatText("$%.0fφ$~~%s", item.D, material.c_str());
    } else {
        t += formatText("$b\\times D=%.0f\\times%.0f", item.B, item.D);
        if (count > 1) t += formatText("\\times %lld本", count);
        t += formatText("$~~%s", material.c_str());
    }
    if (item.Name.empty()) t += "}";
    t += "\n\n";
}

void appendOptionsAndBase(std::string& t, const ItemContext& c) {
    const ColumnMember& item = c.item;
    const MatInputData& m = item.ColumnMaterial;
    const bool serviceClassShown = m.UseEnvironIndex == 0 || m.UseEnvironIndex == 1;
    if (c.windConsidered && item.HeightZ * item.WindWidth > 0 && m.SelectProduct == kGlulam &&
        m.LaminaCompositionIndex > 0 && m.UnValuationLamina) {
        t += "\\qquad 幅はぎ未評価ラミナを含む";
        if (!serviceClassShown) t += "\n\n";
    }
    if (serviceClassShown) t += formatText("\\qquad 使用環境区分 %s\n\n", m.UseEnvironIndex == 0 ? "Ⅰ" : "Ⅱ");
    if (c.bearing) {
        t += formatText("\\qquad %s  %s", escapeLatexText(c.check.BaseDisplayName()).c_str(),
                        escapeLatexText(item.BaseStrength.speciesName).c_str());
    }
    t += "\n\n";
}

void appendSectionProperties(std::string& t, const ItemContext& c) {
    const ColumnMember& item = c.item;
    if (!c.bearing) {
        t += formatText("　　$A=%.1f\\,cm^2", item.A);
    } else if (item.TenonB * item.TenonD > 0) {
        t += formatText("　　$A=%.1f\\,cm^2", item.A);
        t += formatText(",\\quad A_{cv}=%.1f\\,cm^2", item.Acv);
        t += formatText("（ほぞ寸法 %.0f\\times%.0f）", item.TenonB, item.TenonD);
    } else {
        t += formatText("　　$A=A_{cv}=%.1f\\,cm^2", item.A);
    }
    if (item.WindWidth > 0) {
        t += formatText(",\\quad A_s=%.1f\\,cm^2,\\quad Z=%.1f\\,cm^3", item.As, item.SectionModulus);
    }
    t += "$\n\n";

    const double lkx = item.Lkx / 10.0;
    const double lky = item.Lky / 10.0;
    if (!item.LkyDirect || item.Lky <= 0) {
        // The radius that gives λ, as in the printed report.
        t += formatText("　　$i=%.2f\\,cm,\\quad l_k=%.1f\\,cm,\\quad \\lambda=%.0f,\\quad \\eta=%.3f$\n\n",
                        GoverningRadius(item), lkx, item.Lambda, item.Eta);
    } else if (item.Ix == item.Iy) {
        t += formatText("　　$i=%.2f\\,cm,\\quad l_{kx}=%.1f\\,cm,\\quad l_{ky}=%.1f\\,cm,\\quad \\lambda=%.0f,"
                        "\\quad \\eta=%.3f$\n\n",
                        item.Ix, lkx, lky, item.Lambda, item.Eta);
    } else {
        t += formatText("　　$i_x=%.2f\\,cm,\\quad i_y=%.2f\\,cm,\\quad l_{kx}=%.1f\\,cm,\\quad l_{ky}=%.1f\\,cm,"
                        "\\quad \\lambda=%.0f,\\quad \\eta=%.3f$\n\n",
                        item.Ix, item.Iy, lkx, lky, item.Lambda, item.Eta);
    }
}

// Which axis the bending and shear strengths of the wind check refer to.
enum class Axis { None, X, Y };

Axis shearAxis(const ColumnMember& item) {
    const MatInputData& m = item.ColumnMaterial;
    const bool wide = item.B >= item.D && !item.UseAxisX;
    switch (m.SelectProduct) {
    case kGlulam: return wide && (m.LaminaCompositionIndex == 0 || !m.UnValuationLamina) ? Axis::Y : Axis::X;
    case kLvl:
    case kGlulamColumn: return wide ? Axis::Y : Axis::X;
    default: return Axis::None;
    }
}

Axis bendingAxis(const ColumnMember& item) {
    const MatInputData& m = item.ColumnMaterial;
    if (m.SelectProduct != kGlulam) return Axis::None;
    if (item.B >= item.D && !item.UseAxisX && m.LaminaCompositionIndex > 0 && !m.UnValuationLamina) return Axis::Y;
    return m.LaminaCompositionIndex == 0 ? Axis::None : Axis::X;
}

void appendStrengths(std::string& t, ItemContext& c) {
    const ColumnMember& item = c.item;
    t += formatText("　　$基準強度(N/mm^2)~~F_c=%.2f", item.ColumnStrength.Fc);
    if (c.bearing) {
        t += formatText(",\\quad F_{cv}=%.2f", item.BaseStrength.Fcv);
        if (item.BaseMaterial.UseEndPosFcv) t += "（材端）";
    }
    if (c.windBending) {
        switch (shearAxis(item)) {
        case Axis::Y:
            t += formatText(",\\quad F_{sy}=%.2f", item.Fs);
            c.shearName = "f_{sy}";
            break;
        case Axis::X:
            t += formatText(",\\quad F_{sx}=%.2f", item.Fs);
            c.shearName = "f_{sx}";
            break;
        case Axis::None: t += formatText(",\\quad F_s=%.2f", item.Fs); break;
        }
        const Axis axis = bendingAxis(item);
        if (axis == Axis::Y) c.bendingName = "f_{by}";
        if (axis == Axis::X) c.bendingName = "f_{bx}";
        const char* symbol = axis == Axis::Y ? "F_{by}" : axis == Axis::X ? "F_{bx}" : "F_b";
        if (item.Kz >= 1 || item.ColumnMaterial.SelectProduct == kDimensionLumber) {
            t += formatText(",\\quad %s=%.2f", symbol, item.Fb);
        } else {
            const double base = axis == Axis::Y ? item.ColumnStrength.Fby : item.ColumnStrength.Fbx;
            t += formatText("$\n\n\\hspace{11.3zw}寸法効果係数 $K_z=%.3f", item.Kz);
            t += formatText(",\\quad %s=%.3f\\times %.1f=%.2f", symbol, item.Kz, base, item.Fb);
        }
    }
    t += "$\n\n";
    t += formatText("\\hspace*{11.7zw}$F_k=\\eta\\cdot F_c=%.2f$ \n\n", item.Eta * item.ColumnStrength.Fc);
}

void appendWindData(std::string& t, const ItemContext& c) {
    const ColumnMember& item = c.item;
    if (!(item.WindWidth > 0)) return;
    const CommonData& common = c.check.common();
    t += formatText("　　地盤面からの高さ $Z=%.2f\\,m,", item.HeightZ);
    // The coefficient belongs to this item only when its check has just
    // computed the Cf; otherwise the program-wide value is another item's.
    const bool cfComputedNow = c.windConsidered && item.HeightZ * item.WindWidth > 0;
    if (!item.CfDirect && cfComputedNow) {
        if (common.WindCalcStandard == 1) {
            t += formatText("\\quad C_{pe}\\cdot G_{pe}=%.3f,", common.Cpe * common.Gpe);
        } else {
            t += formatText("\\quad k_z=%.3f,", common.KzArt87);
        }
    }
    t += formatText("\\quad C_f=%.3f,\\quad 風圧の負担巾 W=%.2f\\,m$\n", item.Cf, item.WindWidth);
}

void appendLoadCases(std::string& t, const ItemContext& c) {
    const ColumnMember& item = c.item;
    t += "\\begin{tabbing}\n";
    t += "　　地震荷重時\\=： \\=   \\kill\n";
    for (std::size_t k = 0; k < static_cast<std::size_t>(kLoadCaseCount); ++k) {
        if (item.AxialForce[k] == 0) continue;
        const bool windCase = k == static_cast<std::size_t>(kWindLoadCase) && item.M != 0;
        const std::string factor = shortestDecimal(StressFactors[k]);
        const double fk = item.Fk * StressFactors[k] * kThird;
        t += "　　" + std::string(kLoadCaseNames[k]) + "\\>：\\>" +
             formatText("$N=%.1f\\,kN$ \\\\ \n", item.AxialForce[k]);
        if (!windCase) {
            t += formatText("\\>\\>$f_k=%.2f\\times %s/3=%.2f\\;N/mm^2, \\quad ", item.Fk, factor.c_str(), fk);
            t += formatText("\\sigma_c/f_k=%.2f/%.2f=%.2f~~%s$ \\\\ \n", item.SigmaC[k], fk, item.RatioC[k],
                            verdict(item.OkC[k]));
        }
        if (c.bearing) {
            const double bearingFactor = c.check.BearingFactors()[k];
            const std::string bearingText = shortestDecimal(bearingFactor);
            const double fcv = item.BaseStrength.Fcv * bearingFactor * kThird;
            t += formatText("\\>\\>$f_{cv}=%.2f\\times %s/3=%.2f\\;N/mm^2, \\quad ", item.BaseStrength.Fcv,
                            bearingText.c_str(), fcv);
            t += formatText("\\sigma_{cv}/f_{cv}=%.2f/%.2f=%.2f~~%s$ \\\\ \n", item.SigmaCv[k], fcv, item.RatioCv[k],
                            verdict(item.OkCv[k]));
        }
        if (windCase) {
            const double fb = item.Fb * StressFactors[k] * kThird;
            const double fs = item.Fs * StressFactors[k] * kThird;
            const char* bending = c.bendingName.c_str();
            const char* shear = c.shearName.c_str();
            t += formatText("\\>\\>面外曲げ　$\\omega=%.3f\\times %.3f\\times %.2f=%.2f\\,kN/m,\\qquad L_b=%.1f\\,cm$ "
                            "\\\\ \n",
                            c.q / 1000.0, item.Cf, item.WindWidth, item.Omega, item.Lb / 10.0);
            t += formatText("\\>\\>　　　　　 $M=%.2f\\,kN\\cdot m,\\quad Q=%.2f\\,kN$ \\\\ \n", item.M, item.Q);
            t += formatText("\\>\\>$f_k=%.2f\\times %s/3=%.2f\\;N/mm^2, \\qquad %s=%.2f\\times %s/3=%.2f\\;N/mm^2$ "
                            "\\\\ \n",
                            item.Fk, factor.c_str(), fk, bending, item.Fb, factor.c_str(), fb);
            t += formatText("\\>\\>$%s=%.2f\\times %s/3=%.2f\\;N/mm^2$ \\\\ \n", shear, item.Fs, factor.c_str(), fs);
            t += formatText("\\>\\>　$\\sigma_c/f_k+\\sigma_b/%s=%.2f/%.2f+%.2f/%.2f=%.2f~~%s$ \\\\ \n", bending,
                            item.SigmaC[k], fk, item.SigmaB[k], fb, item.RatioCombined[k], verdict(item.OkCombined[k]));
            t += formatText("\\>\\>　$\\tau/%s=%.2f/%.2f=%.2f~~%s$ \\\\ \n", shear, item.Tau[k], fs, item.RatioShear[k],
                            verdict(item.OkShear[k]));
        }
    }
    t += "\\end{tabbing}\n";
}

} // namespace

bool buildLatexItemText(ColumnMember& item, ColumnCheck& check, std::string& text) {
    if (check.CheckColumn(item) != kCheckOk) return false;
    ItemContext context{item, check};
    context.q = check.common().VelocityPressure;
    context.windConsidered = context.q > 0;
    context.bearing = item.BaseMaterial.SelectProduct < kGlulamColumn;
    context.windBending = item.M > 0;

    std::string t;
    t.reserve(4096);
    appendMaterialAndSection(t, context);
    appendOptionsAndBase(t, context);
    appendSectionProperties(t, context);
    appendStrengths(t, context);
    appendWindData(t, context);
    appendLoadCases(t, context);
    text = std::move(t);
    return true;
}

} // namespace tarvo
