#pragma once
// Names what an edit changed, for the undo and redo entries ("Lkx の変更").
// An edit often changes more than the field the user touched: the check
// derives the tenon, Lky, Lb and Cf, and a size code sets b and D. The name
// is that of the first changed field in the order below, which puts every
// field the user enters before the fields derived from it.
#include <string>

#include "core/project/ColumnMember.h"
#include "core/project/CommonInputData.h"

namespace tarvo {

// Empty when nothing differs.
[[nodiscard]] std::string DescribeItemChange(const MemberInputData& before, const MemberInputData& after);
[[nodiscard]] std::string DescribeCommonChange(const CommonInputData& before, const CommonInputData& after);

} // namespace tarvo
