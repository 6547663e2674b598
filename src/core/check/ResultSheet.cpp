#include "core/check/ResultSheet.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/check/ColumnCheck.h"
#include "core/print/ReportCanvas.h"
#include "core/project/ColumnMember.h"
#include "core/project/CommonData.h"
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

// What the lines depend on besides the item's own values.
struct SheetContext {
    const ColumnMember& item;
    const ColumnCheck& check;
    // Velocity pressure above 0 and a wall carried (height and width both
    // positive, the check's own condition for the wind bending).
    bool windLoaded = false;
    bool bearingChecked = false;
    // Every check starts from cleared results, so a value the check did not
    // reach before it stopped is 0; the sheet prints a line only when the
    // check computed its values, never such zeros (nor older numbers).
    bool sectionComputed = false;   // areas, radii of gyration, section modulus
    bool strengthsComputed = false; // bending and shear strengths in use
};

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

struct StrengthLabels {
    const char* shear = "Fs";
    const char* bending = "Fb";
};

// The names of the shear and bending strengths the check took (x or y axis),
// by the same conditions as the check's choice.
StrengthLabels windStrengthLabels(const ColumnMember& item) {
    const MatInputData& mat = item.ColumnMaterial;
    const bool wideSide = item.B >= item.D && !item.UseAxisX;
    switch (mat.SelectProduct) {
    case kGlulam: {
        const bool sameGrade = mat.LaminaCompositionIndex == 0;
        const bool laminated = mat.LaminaCompositionIndex >= 1;
        const bool yAxis = wideSide && (sameGrade || (laminated && !mat.UnValuationLamina));
        StrengthLabels labels{yAxis ? "Fsy" : "Fsx", "Fb"};
        if (!sameGrade) labels.bending = yAxis ? "Fby" : "Fbx";
        return labels;
    }
    case kLvl:
    case kGlulamColumn: return {wideSide ? "Fsy" : "Fsx", "Fb"};
    default: return {};
    }
}

// The column's material, the glulam species with wind, the horizontal member
// with the raised bearing note, and the use-environment class.
int drawMaterialLines(const SheetContext& ctx, SheetPen& pen, int labelWidth, int step) {
    const ColumnMember& item = ctx.item;
    const MatInputData& mat = item.ColumnMaterial;
    int y = kFirstLineY;
    pen.text(kLeftMargin, y, "柱");
    pen.text(kLeftMargin + labelWidth, y, item.ColumnStrength.description);
    y += step;
    if (ctx.windLoaded && mat.SelectProduct == kGlulam && !item.ColumnStrength.speciesName.empty()) {
        pen.text(kLeftMargin + labelWidth, y, item.ColumnStrength.speciesName);
        if (mat.LaminaCompositionIndex >= 1 && mat.UnValuationLamina) pen.after("（未評価ラミナを含む）", kBlue);
        y += step;
    }
    if (ctx.bearingChecked) {
        pen.text(kLeftMargin, y, ctx.check.BaseDisplayName());
        pen.text(kLeftMargin + labelWidth, y, item.BaseStrength.speciesName);
        y += step;
        if (item.FcvUpper) {
            pen.text(kLeftMargin, y, "許容めり込み応力度を 1.5･Fcv/3, 2.0･Fcv/3 とする");
            y += step;
        }
    }
    // Class Ⅲ is the usual one and is not mentioned.
    if (mat.UseEnvironIndex == 0 || mat.UseEnvironIndex == 1) {
        pen.text(kLeftMargin, y, formatText("使用環境区分%s", mat.UseEnvironIndex == 0 ? "Ⅰ" : "Ⅱ"));
        y += step;
    }
    return y;
}

void drawSectionLine(const SheetContext& ctx, SheetPen& pen, int y) {
    const ColumnMember& item = ctx.item;
    std::string text = formatText("A=%.1f,  ", item.A);
    if (ctx.bearingChecked) text += formatText("Acv=%.1f,  ", item.Acv);
    if (item.Ix == item.Iy || item.Lky == 0) {
        text += formatText("i=%.2f", item.Ix);
    } else {
        text += formatText("ix=%.2f,  iy=%.2f", item.Ix, item.Iy);
    }
    pen.text(kLeftMargin, y, text);
}

// The slenderness line (λ alone and in red when it is too large) and the
// strengths for the wind bending and shear check.
int drawBucklingAndWindLines(const SheetContext& ctx, SheetPen& pen, int y, int step) {
    const ColumnMember& item = ctx.item;
    if (item.ResultCode == kCheckTooSlender) {
        y += step + kBlockGap;
        pen.coloured(kLeftMargin, y, formatText("λ=%.1f", item.Lambda), kRed);
    } else if (item.Lambda > 0) {
        std::string text =
            formatText("λ=%.0f,  η=%.3f,  Fk=%.2f (Fc=%.2f)", item.Lambda, item.Eta, item.Fk, item.ColumnStrength.Fc);
        if (ctx.bearingChecked) text += formatText(",  Fcv=%.2f", item.BaseStrength.Fcv);
        y += step + kBlockGap;
        pen.text(kLeftMargin, y, text);
        if (ctx.bearingChecked && item.BaseMaterial.UseEndPosFcv) pen.after("（材端）", kBlue);
    }
    if (ctx.windLoaded && ctx.strengthsComputed) {
        const StrengthLabels labels = windStrengthLabels(item);
        y += step + kBlockGap;
        pen.text(kLeftMargin, y,
                 formatText("As=%.1f,  Z=%.1f,  %s=%.2f,  %s=%.2f", item.As, item.SectionModulus, labels.shear, item.Fs,
                            labels.bending, item.Fb));
    }
    return y;
}

// One line per load case with a force; the wind case with wind bending takes
// three: bearing, compression with bending, and shear.
void drawLoadCaseLines(const SheetContext& ctx, SheetPen& pen, int y, int step, int caseLabelWidth) {
    const ColumnMember& item = ctx.item;
    y += step + kBlockGap;
    for (std::size_t j = 0; j < static_cast<std::size_t>(kLoadCaseCount); ++j) {
        if (item.AxialForce[j] == 0) continue;
        pen.text(kLeftMargin, y, kLoadCaseNames[j]);
        pen.text(kLeftMargin + caseLabelWidth, y, "： ");
        const int x = pen.penX();
        const bool windBending = j == static_cast<std::size_t>(kWindLoadCase) && item.M != 0;
        if (!windBending) {
            std::string text = formatText("σc/fk=%.2f", item.RatioC[j]);
            if (ctx.bearingChecked) text += formatText(",  σc/fcv=%.2f", item.RatioCv[j]);
            pen.text(x, y, text + "  ");
            pen.mark(item.OkC[j] && item.OkCv[j]);
        } else if (ctx.bearingChecked) {
            pen.text(x, y, formatText("σc/fcv=%.2f  ", item.RatioCv[j]));
            pen.mark(item.OkCv[j]);
        }
        y += step;
        if (windBending) {
            pen.text(x, y, formatText("σc/fk＋σb/fb=%.2f  ", item.RatioCombined[j]));
            pen.mark(item.OkCombined[j]);
            y += step;
            pen.text(x, y, formatText("τ/fs=%.2f  ", item.RatioShear[j]));
            pen.mark(item.OkShear[j]);
            y += step;
        }
    }
}

} // namespace

int DrawResultSheet(const ColumnMember& item, const ColumnCheck& check, ReportCanvas& canvas,
                    const ResultSheetFont& font) {
    canvas.setFont(font.name, font.heightPx, kRegularStyle);
    canvas.setColor(kBlack);
    const int step = kLineGap + font.heightPx;
    const int labelWidth = canvas.textWidth(kLabelColumnText);
    const int caseLabelWidth = canvas.textWidth(kCaseLabelColumnText);

    SheetContext ctx{item, check};
    ctx.windLoaded = check.common().VelocityPressure > 0 && item.HeightZ > 0 && item.WindWidth > 0;
    ctx.bearingChecked = item.BaseMaterial.SelectProduct < kGlulamColumn;
    ctx.sectionComputed = item.Ix > 0 && item.Iy > 0;
    ctx.strengthsComputed = item.Fb > 0 && item.Fs > 0;

    SheetPen pen(canvas, step);
    int y = drawMaterialLines(ctx, pen, labelWidth, step);
    // No section: the check stopped at the gross area. Outside a range of
    // application (glulam column size, un-evaluated laminae with b > D) it
    // stopped before the radii of gyration, and a result that was not finite
    // cleared them; those codes end here too.
    if (item.ResultCode == kCheckNoSection || !ctx.sectionComputed) return pen.bottom();
    drawSectionLine(ctx, pen, y);
    y = drawBucklingAndWindLines(ctx, pen, y, step);
    if (item.ResultCode == kCheckOk) drawLoadCaseLines(ctx, pen, y, step, caseLabelWidth);
    return pen.bottom();
}

} // namespace tarvo
