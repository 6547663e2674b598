#include "core/form/FieldEntry.h"

#include <cmath>

#include "core/text/NumberFieldModel.h"

namespace tarvo {

std::optional<double> FieldEntryValue(const NumberFieldFormat& format, double value) {
    if (!std::isfinite(value) || value < 0) return std::nullopt;
    NumberFieldModel model;
    applyFieldFormat(model, format);
    // The limits apply to the value as the field rounds it, as they do to
    // typed text; 0 stands for an empty field and takes the value replacing it.
    model.setUseMax(false);
    model.setUseMin(false);
    model.setZeroValue(0);
    (void)model.setValue(value);
    const double rounded = model.value();
    if (rounded > format.max || (format.useMin && rounded != 0 && rounded < format.min)) return std::nullopt;
    return rounded == 0 ? format.zeroValue : rounded;
}

std::optional<MemberInputData> EnterItemNumber(const MemberInputData& item, ItemFieldId field, double value) {
    const ItemField& entry = itemField(field);
    if (entry.kind != ItemFieldKind::Number) return std::nullopt;
    const std::optional<double> taken = FieldEntryValue(*entry.format, value);
    if (!taken) return std::nullopt;
    MemberInputData after = item;
    entry.set(after, *taken);
    if (!fieldDiffers(entry, item, after)) return std::nullopt;
    return after;
}

std::optional<CommonInputData> EnterCommonNumber(const CommonInputData& common, CommonFieldId field, double value) {
    const CommonField& entry = commonField(field);
    if (entry.kind != CommonFieldKind::Number) return std::nullopt;
    const std::optional<double> taken = FieldEntryValue(*entry.format, value);
    if (!taken) return std::nullopt;
    CommonInputData after = common;
    entry.set(after, *taken);
    if (after == common) return std::nullopt;
    return after;
}

} // namespace tarvo
