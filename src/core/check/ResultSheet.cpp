#include "core/check/ResultSheet.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/check/ColumnCheck.h"
#include "core/print/ReportCanvas.h"
#include "core/report/ItemPresentation.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr int kLeftMargin = 7;
constexpr int kFirstLineY = 2;
constexpr int kLineGap = 3;  // between two lines, added to the character height
constexpr int kBlockGap = 2; // extra space before the buckling, wind and load-case blocks

constexpr RgbColor kBlack{0, 0, 0};
constexpr RgbColor kBlue{0, 0, 255};
constexpr RgbColor kRed{255, 0, 0};

// The widest texts of the two label columns.
constexpr std::string_view kLabelColumnText = "横架材　";
constexpr std::string_view kCaseLabelColumnText = "地震荷重時";

// Draws on the canvas and keeps what the canvas does not: the pen position
// behind the text drawn last, and the bottom of the lowest line.
class SheetPen {
public:
    SheetPen(ReportCanvas& canvas, int lineStep) : canvas_(canvas), lineStep_(lineStep) {}

    void text(int x, int y, std::string_view text) {
        canvas_.drawText(x, y, text);
        penX_ = x + canvas_.textWidth(text);
        penY_ = y;
        if (y + lineStep_ > bottom_) bottom_ = y + lineStep_;
    }
    void coloured(int x, int y, std::string_view text, RgbColor color) {
        canvas_.setColor(color);
        this->text(x, y, text);
        canvas_.setColor(kBlack);
    }
    // Right behind the text drawn last.
    void after(std::string_view text, RgbColor color) { coloured(penX_, penY_, text, color); }
    void mark(bool ok) { after(ok ? "OK" : "NG", ok ? kBlue : kRed); }

    [[nodiscard]] int penX() const { return penX_; }
    [[nodiscard]] int bottom() const { return bottom_; }

private:
    ReportCanvas& canvas_;
    int lineStep_;
    int penX_ = 0;
    int penY_ = 0;
    int bottom_ = 0;
};

// The names of the shear and bending strengths the check took (x or y axis).
const char* strengthLabel(StrengthAxis axis, const char* none, const char* x, const char* y) {
    switch (axis) {
    case StrengthAxis::X: return x;
    case StrengthAxis::Y: return y;
    case StrengthAxis::None: break;
    }
    return none;
}

// The column's material, the glulam species with wind, the horizontal member
// with the raised bearing note, and the use-environment class.
int drawMaterialLines(const ItemPresentation& p, SheetPen& pen, int labelWidth, int step) {
    int y = kFirstLineY;
    pen.text(kLeftMargin, y, "柱");
    pen.text(kLeftMargin + labelWidth, y, p.column.description);
    y += step;
    if (p.speciesLine) {
        pen.text(kLeftMargin + labelWidth, y, p.column.speciesName);
        if (p.unevaluatedLaminae) pen.after("（未評価ラミナを含む）", kBlue);
        y += step;
    }
    if (p.bearing) {
        pen.text(kLeftMargin, y, p.outcome.BaseDisplayName);
        pen.text(kLeftMargin + labelWidth, y, p.base.speciesName);
        y += step;
        if (p.sillFactorsNote) {
            pen.text(kLeftMargin, y, "許容めり込み応力度を 1.5･Fcv/3, 2.0･Fcv/3 とする");
            y += step;
        }
    }
    if (p.serviceClass != nullptr) {
        pen.text(kLeftMargin, y, formatReportText("使用環境区分%s", p.serviceClass));
        y += step;
    }
    return y;
}

void drawSectionLine(const ItemPresentation& p, SheetPen& pen, int y) {
    const SectionProperties& s = *p.outcome.Section;
    std::string text = formatReportText("A=%.1f,  ", p.outcome.A);
    if (p.bearing) text += formatReportText("Acv=%.1f,  ", s.Acv);
    if (!p.sheetBothRadii) {
        text += formatReportText("i=%.2f", s.Ix);
    } else {
        text += formatReportText("ix=%.2f,  iy=%.2f", s.Ix, s.Iy);
    }
    pen.text(kLeftMargin, y, text);
}

// The slenderness line (λ alone and in red when it is too large) and the
// strengths for the wind bending and shear check.
int drawBucklingAndWindLines(const ItemPresentation& p, SheetPen& pen, int y, int step) {
    const ColumnOutcome& o = p.outcome;
    if (o.ResultCode == kCheckTooSlender) {
        y += step + kBlockGap;
        pen.coloured(kLeftMargin, y, formatReportText("λ=%.1f", *o.Lambda), kRed);
    } else if (o.Buckling) {
        std::string text = formatReportText("λ=%.0f,  η=%.3f,  Fk=%.2f (Fc=%.2f)", *o.Lambda, o.Buckling->Eta,
                                            o.Buckling->Fk, o.ColumnStrength.Fc);
        if (p.bearing) text += formatReportText(",  Fcv=%.2f", o.BaseStrength->Fcv);
        y += step + kBlockGap;
        pen.text(kLeftMargin, y, text);
        if (p.endPosition) pen.after("（材端）", kBlue);
    }
    if (p.wallLoaded && o.Strengths) {
        const StrengthsInUse& inUse = *o.Strengths;
        const SectionProperties& s = *o.Section;
        y += step + kBlockGap;
        pen.text(kLeftMargin, y,
                 formatReportText("As=%.1f,  Z=%.1f,  %s=%.2f,  %s=%.2f", s.As, s.SectionModulus,
                                  strengthLabel(p.axes.shear, "Fs", "Fsx", "Fsy"), inUse.Fs,
                                  strengthLabel(p.axes.bending, "Fb", "Fbx", "Fby"), inUse.Fb));
    }
    return y;
}

// One line per load case with a force; the wind case with wind bending takes
// three: bearing, compression with bending, and shear.
void drawLoadCaseLines(const ItemPresentation& p, SheetPen& pen, int y, int step, int caseLabelWidth) {
    const ColumnOutcome& o = p.outcome;
    y += step + kBlockGap;
    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        if (!p.caseShown(j)) continue;
        pen.text(kLeftMargin, y, kLoadCaseNames[j]);
        pen.text(kLeftMargin + caseLabelWidth, y, "： ");
        const int x = pen.penX();
        const bool windBending = p.windBendingCase(j);
        if (!windBending) {
            std::string text = formatReportText("σc/fk=%.2f", o.RatioC[j]);
            if (p.bearing) text += formatReportText(",  σc/fcv=%.2f", o.RatioCv[j]);
            pen.text(x, y, text + "  ");
            pen.mark(o.OkC[j] && o.OkCv[j]);
        } else if (p.bearing) {
            pen.text(x, y, formatReportText("σc/fcv=%.2f  ", o.RatioCv[j]));
            pen.mark(o.OkCv[j]);
        }
        y += step;
        if (windBending) {
            pen.text(x, y, formatReportText("σc/fk＋σb/fb=%.2f  ", o.Wind->RatioCombined));
            pen.mark(o.OkCombined[j]);
            y += step;
            pen.text(x, y, formatReportText("τ/fs=%.2f  ", o.Wind->RatioShear));
            pen.mark(o.OkShear[j]);
            y += step;
        }
    }
}

} // namespace

int DrawResultSheet(const ItemPresentation& presentation, ReportCanvas& canvas, const ResultSheetFont& font) {
    canvas.setFont(font.name, font.heightPx, kRegularStyle);
    canvas.setColor(kBlack);
    const int step = kLineGap + font.heightPx;
    const int labelWidth = canvas.textWidth(kLabelColumnText);
    const int caseLabelWidth = canvas.textWidth(kCaseLabelColumnText);

    SheetPen pen(canvas, step);
    int y = drawMaterialLines(presentation, pen, labelWidth, step);
    // No section: the check stopped at the gross area. Outside a range of
    // application (glulam column size, un-evaluated laminae with b > D) it
    // stopped before the radii of gyration, and a result that was not finite
    // is refused without them; those codes end here too.
    if (!presentation.sectionShown()) return pen.bottom();
    drawSectionLine(presentation, pen, y);
    y = drawBucklingAndWindLines(presentation, pen, y, step);
    if (presentation.outcome.computable()) drawLoadCaseLines(presentation, pen, y, step, caseLabelWidth);
    return pen.bottom();
}

} // namespace tarvo
