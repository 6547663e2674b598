#include "core/report/MaterialList.h"

#include <algorithm>

#include "core/check/ColumnCheck.h"
#include "core/check/StrengthAxes.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// The horizontal member is looked up with this fixed size code.
constexpr int kBaseSizeCode = 204;
constexpr std::int32_t kServiceClassThree = 2;

double environmentFactor(std::int32_t environIndex) {
    if (environIndex == 0) return 0.7;
    if (environIndex == 1) return 0.8;
    return 1.0;
}

const char* serviceClassName(std::int32_t environIndex) {
    if (environIndex == 0) return "Ⅰ";
    if (environIndex == 1) return "Ⅱ";
    return "Ⅲ";
}

// The description with the species for the laminated products, whose
// descriptions do not name it.
std::string describe(const MatInputData& selection, const MatData& data) {
    std::string text = data.description;
    const std::int32_t kind = selection.SelectProduct;
    if (kind == kLvl && !data.shearClass.empty()) text += " " + data.shearClass;
    if ((kind == kGlulam || kind == kLvl) && !data.speciesName.empty()) text += " (" + data.speciesName + ")";
    return text;
}

const char* axisLabel(StrengthAxis axis, const char* none, const char* x, const char* y) {
    if (axis == StrengthAxis::X) return x;
    if (axis == StrengthAxis::Y) return y;
    return none;
}

MaterialValues columnValues(const MemberInputData& item, const ColumnOutcome& o, const MatDataBase& catalogue) {
    const MatInputData& mat = item.ColumnMaterial;
    MaterialValues v;
    v.role = MaterialRole::Column;
    v.description = describe(mat, catalogue.lookupStrength(mat, item.SizeCode));
    v.sources = StrengthSourcesOf(mat);

    // The table's values: class Ⅲ, without the lay-up reduction the lookup makes.
    MatInputData table = mat;
    table.UseEnvironIndex = kServiceClassThree;
    table.UnValuationLamina = false;
    const MatData raw = catalogue.lookupStrength(table, item.SizeCode);
    const StrengthAxes axes = StrengthAxesOf(item);
    v.Fc = raw.Fc;
    v.Ft = raw.Ft;
    v.Fb = axes.bendingFromY ? raw.Fby : raw.Fbx;
    v.Fs = axes.shear == StrengthAxis::Y ? raw.Fsy : raw.Fsx;
    v.bendingLabel = axisLabel(axes.bending, "Fb", "Fbx", "Fby");
    v.shearLabel = axisLabel(axes.shear, "Fs", "Fsx", "Fsy");
    const bool unevaluated = mat.SelectProduct == kGlulam && mat.LaminaCompositionIndex >= 1 && mat.UnValuationLamina;
    v.layUpFactor = unevaluated ? 0.6 : 1.0;
    v.environmentFactor = environmentFactor(mat.UseEnvironIndex);
    v.serviceClass = serviceClassName(mat.UseEnvironIndex);

    v.FcInUse = o.ColumnStrength.Fc;
    if (o.Strengths) {
        v.Kz = o.Strengths->Kz;
        v.FbInUse = o.Strengths->Fb;
        v.FsInUse = o.Strengths->Fs;
    }
    v.factors = StressFactors;
    return v;
}

MaterialValues baseValues(const MemberInputData& item, const ColumnOutcome& o, const MatDataBase& catalogue) {
    MatInputData mat = item.BaseMaterial;
    mat.UseEnvironIndex = o.Used.BaseUseEnvironIndex;
    MaterialValues v;
    v.role = MaterialRole::HorizontalMember;
    v.description = describe(mat, catalogue.lookupStrength(mat, kBaseSizeCode));
    v.sources = StrengthSourcesOf(mat);

    MatInputData table = mat;
    table.UseEnvironIndex = kServiceClassThree;
    table.UseEndPosFcv = false;
    v.Fcv = catalogue.lookupStrength(table, kBaseSizeCode).Fcv;
    if (mat.UseEndPosFcv) {
        table.UseEndPosFcv = true;
        v.FcvEnd = catalogue.lookupStrength(table, kBaseSizeCode).Fcv;
    }
    v.sillFactors = item.FcvUpper;
    v.environmentFactor = environmentFactor(mat.UseEnvironIndex);
    v.serviceClass = serviceClassName(mat.UseEnvironIndex);
    v.FcvInUse = o.BaseStrength->Fcv;
    v.factors = *o.BearingFactors;
    return v;
}

void addUse(std::vector<MaterialRow>& rows, MaterialValues values, int number, std::string_view memberName) {
    auto row = std::find_if(rows.begin(), rows.end(), [&](const MaterialRow& r) { return r.values == values; });
    if (row == rows.end()) {
        rows.push_back({std::move(values), {}, {}});
        row = rows.end() - 1;
    }
    if (row->numbers.empty() || row->numbers.back() != number) row->numbers.push_back(number);
    const std::string name(memberName);
    if (row->memberNames.empty()) {
        row->memberNames = name;
    } else if (("・" + row->memberNames + "・").find("・" + name + "・") == std::string::npos) {
        row->memberNames += "・" + name;
    }
}

} // namespace

std::vector<MaterialRow> ListMaterials(const ColumnsData& columns, const std::vector<int>& printed,
                                       const ColumnCheck& check) {
    std::vector<MaterialRow> columnRows;
    std::vector<MaterialRow> baseRows;
    int number = 1;
    for (const int index : printed) {
        if (index < 0 || index >= columns.Count()) continue;
        const ColumnMember& item = columns.Item(index);
        const ColumnOutcome outcome = check.CheckColumn(item);
        if (!outcome.computable()) continue;
        addUse(columnRows, columnValues(item, outcome, check.catalogue()), number, "柱");
        if (outcome.bearingChecked() && outcome.BearingFactors) {
            addUse(baseRows, baseValues(item, outcome, check.catalogue()), number, outcome.BaseDisplayName);
        }
        ++number;
    }
    columnRows.insert(columnRows.end(), std::make_move_iterator(baseRows.begin()),
                      std::make_move_iterator(baseRows.end()));
    return columnRows;
}

std::string NumberRangesText(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
            ++last;
        if (!text.empty()) text += ", ";
        text += std::to_string(numbers[i]);
        if (last > i) {
            text += last == i + 1 ? ", " : "-";
            text += std::to_string(numbers[last]);
        }
        i = last + 1;
    }
    return text;
}

} // namespace tarvo
