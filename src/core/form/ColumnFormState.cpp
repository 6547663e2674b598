#include "core/form/ColumnFormState.h"

#include <algorithm>
#include <string>

#include "core/check/CheckRefusal.h"
#include "core/check/ColumnCheck.h"
#include "core/form/tables/FormChoiceTexts.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnInputRules.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

using namespace form;

constexpr std::array<std::string_view, kLoadCaseCount> kForceIds{"NL1", "NL2", "NS", "NW", "NE"};
constexpr std::array<ItemFieldId, kLoadCaseCount> kForceFields{ItemFieldId::AxialForce0, ItemFieldId::AxialForce1,
                                                               ItemFieldId::AxialForce2, ItemFieldId::AxialForce3,
                                                               ItemFieldId::AxialForce4};
// The spin buttons beside the piece counts step within these.
constexpr int kMembersSpinMax = 10;
constexpr int kSubMembersSpinMax = 10;

ItemNumberControl numberOf(std::string_view id, ItemFieldId field, const MemberInputData& item, bool zeroVisible,
                           bool enabled = true) {
    const ItemField& entry = itemField(field);
    ItemNumberControl control;
    control.id = id;
    control.field = field;
    control.format = entry.format;
    control.zeroVisible = zeroVisible;
    control.value = entry.get(item);
    control.enabled = enabled;
    return control;
}

LabelControl labelOf(std::string_view id, bool enabled, std::string text = {}) {
    LabelControl control;
    control.id = id;
    control.text = std::move(text);
    control.enabled = enabled;
    return control;
}

SpinControl spinOf(std::string_view id, int value, int minimum, int maximum, bool enabled) {
    SpinControl control;
    control.id = id;
    control.position = std::clamp(value, minimum, maximum);
    control.minimum = minimum;
    control.maximum = maximum;
    control.enabled = enabled;
    return control;
}

// The round entry reads "円柱" once a product without it took it away.
std::string_view roundText(const ColumnFormState* before) {
    if (before == nullptr) return kShapeTexts[1];
    const auto& entries = before->shapeSelect.entries;
    return entries.size() < 2 || entries[1].text == kRoundColumnText ? kRoundColumnText : kShapeTexts[1];
}

} // namespace

ColumnFormState MakeColumnFormState(const MemberInputData& shown, const FormContext& context,
                                    const ColumnOutcome& outcome, const ColumnFormState* before) {
    ColumnFormState s;
    const CommonData& common = context.common;
    const int product = shown.ColumnMaterial.SelectProduct;
    const bool wind = WindConsidered(common);
    const bool round = shown.Shape == kRound;

    s.productKind = fixedChoice("ProductKind", kProductKindTexts, product);
    s.productKind.columns = 2;
    s.label6 = labelOf("Label6", true, std::string(product == kGlulamColumn ? kSpeciesCaption : kGradeCaption));
    MatInputData material = shown.ColumnMaterial;
    s.gradeSelect = catalogueChoice("GradeSelect", context.catalogue.fillGradeList(material));

    const int shapes = product == kSawnLumber ? 2 : 1;
    s.shapeSelect.id = "ShapeSelect";
    s.shapeSelect.entries.push_back({kRectangular, std::string(kShapeTexts[0])});
    if (shapes == 2) s.shapeSelect.entries.push_back({kRound, std::string(roundText(before))});
    selectEntry(s.shapeSelect, std::clamp(shown.Shape, 0, shapes - 1));
    s.shapeSelect.columns = 2;

    const ChoiceList sizes = context.catalogue.fillSizeList(material, shown.SizeCode);
    s.sizeSelect.id = "SizeSelect";
    for (std::size_t i = 0; i < sizes.entries.size(); ++i)
        s.sizeSelect.entries.push_back({sizes.codes[i], sizes.entries[i]});
    selectEntry(s.sizeSelect, sizes.selected);
    // The enabling the size rules give for the chosen entry; the copy takes
    // whatever they would change.
    MemberInputData ruled = shown;
    const int sizeCount = static_cast<int>(s.sizeSelect.entries.size());
    const SizeControlState size = ApplySizeCodeRules(ruled, s.sizeSelect.selectedValue(0), sizeCount,
                                                     s.sizeSelect.selected, product == kDimensionLumber);
    s.sizeSelect.enabled = size.sizeSelectEnabled;
    s.sizeB = numberOf("SizeB", ItemFieldId::B, shown, false, size.sizeBEnabled);
    s.sizeD = numberOf("SizeD", ItemFieldId::D, shown, false, size.sizeDEnabled);
    const bool piecesEditable = !(product == kSawnLumber && round);
    s.members = numberOf("Members", ItemFieldId::Members, shown, true, piecesEditable);
    s.mainUpDown = spinOf("MainUpDown", shown.Members, 1, kMembersSpinMax, piecesEditable);
    s.subMembers = numberOf("SubMembers", ItemFieldId::SubMembers, shown, true, size.subMembersEnabled);
    s.subUpDown = spinOf("SubUpDown", shown.SubMembers, 0, kSubMembersSpinMax, size.subMembersEnabled);
    s.autoDeduct = flagOf("Auto_Deduct", shown.AutoTenon);
    s.sizeBs = numberOf("SizeBs", ItemFieldId::TenonB, shown, true, !shown.AutoTenon);
    s.sizeDs = numberOf("SizeDs", ItemFieldId::TenonD, shown, true, !shown.AutoTenon);

    // A length entered directly shows 0; one that follows Lkx shows blank.
    s.lkxEdit = numberOf("LkxEdit", ItemFieldId::Lkx, shown, false);
    s.labelLky = labelOf("LabelLky", true);
    s.lkyEdit = numberOf("LkyEdit", ItemFieldId::Lky, shown, shown.LkyDirect, shown.LkyDirect);
    s.lkyDirect = flagOf("LkyDirect", shown.LkyDirect);
    s.labelLb = labelOf("LabelLb", wind);
    s.lbEdit = numberOf("LbEdit", ItemFieldId::Lb, shown, shown.LbDirect, wind && shown.LbDirect);
    s.lbDirect = flagOf("LbDirect", shown.LbDirect, wind);
    s.useAxisX = flagOf("UseAxisX", shown.UseAxisX, UseAxisXAllowed(shown, wind));

    for (std::size_t j = 0; j < kLoadCaseCount; ++j)
        s.forces[j] = numberOf(kForceIds[j], kForceFields[j], shown, false);
    // The long-term snow load is entered only in heavy-snow areas.
    s.forces[1].enabled = common.SnowEria == 1;

    s.windLabel1 = labelOf("WindLabel1", true);
    const std::vector<int> floors = FloorValues(common);
    const std::vector<std::string> floorTexts = FloorEntries(common);
    s.floorSelect.id = "FloorSelect";
    for (std::size_t i = 0; i < floors.size(); ++i)
        s.floorSelect.entries.push_back({floors[i], floorTexts[i]});
    const FloorSelection floor = SyncFloorValue(floors, ruled, common);
    selectEntry(s.floorSelect, floor.selected);
    s.floorSelect.enabled = floor.enabled;
    s.windLabel2 = labelOf("WindLabel2", wind);
    s.objectHeight = numberOf("ObjectHeight", ItemFieldId::HeightZ, shown, false, wind && floor.selected == 0);
    s.windLabel3 = labelOf("WindLabel3", wind);
    s.objectWidth = numberOf("ObjectWidth", ItemFieldId::WindWidth, shown, false, wind);
    s.windLabel4 = labelOf("WindLabel4", wind);
    s.cfEdit = numberOf("CfEdit", ItemFieldId::Cf, shown, false, wind && shown.CfDirect);
    s.cfDirect = flagOf("CfDirect", shown.CfDirect, wind);

    // Every item that cannot be checked says why; an entry still missing is
    // named without the beep of a refusal.
    s.messageBord.text = CheckRefusalMessage(shown, outcome.ResultCode);
    s.messageBord.beep = !s.messageBord.text.empty() && !CheckResultMessage(outcome.ResultCode).empty();
    return s;
}

std::vector<const ItemNumberControl*> ColumnFormState::numberFields() const {
    std::vector<const ItemNumberControl*> fields{&sizeB,  &sizeD,   &members, &subMembers, &sizeBs,
                                                 &sizeDs, &lkxEdit, &lkyEdit, &lbEdit};
    for (const ItemNumberControl& force : forces)
        fields.push_back(&force);
    fields.insert(fields.end(), {&objectHeight, &objectWidth, &cfEdit});
    return fields;
}

const ItemNumberControl* ColumnFormState::numberField(ItemFieldId field) const {
    for (const ItemNumberControl* control : numberFields())
        if (control->field == field) return control;
    return nullptr;
}

const FlagControl* ColumnFormState::flag(ItemFieldId field) const {
    switch (field) {
    case ItemFieldId::LkyDirect: return &lkyDirect;
    case ItemFieldId::LbDirect: return &lbDirect;
    case ItemFieldId::CfDirect: return &cfDirect;
    case ItemFieldId::AutoTenon: return &autoDeduct;
    case ItemFieldId::UseAxisX: return &useAxisX;
    default: return nullptr;
    }
}

} // namespace tarvo
