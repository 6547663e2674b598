#pragma once
// A number entered into a field of the field tables, as its entry field
// takes it: rounded to the field's digits, 0 replaced by the field's value
// for an empty field. A number the field refuses (not finite, negative,
// beyond the field's limits) changes nothing; nothing is held to a limit.
#include <optional>

#include "core/project/ColumnFieldFormats.h"
#include "core/project/CommonFields.h"
#include "core/project/ItemFields.h"

namespace tarvo {

// The value a field of `format` takes for `value`, or nothing when it refuses it.
[[nodiscard]] std::optional<double> FieldEntryValue(const NumberFieldFormat& format, double value);

// `item` with `value` entered into its numeric field `field`; nothing for a
// field that is no number, a refused value or a value the item already holds.
[[nodiscard]] std::optional<MemberInputData> EnterItemNumber(const MemberInputData& item, ItemFieldId field,
                                                             double value);

// The same for a numeric field of the common conditions.
[[nodiscard]] std::optional<CommonInputData> EnterCommonNumber(const CommonInputData& common, CommonFieldId field,
                                                               double value);

} // namespace tarvo
