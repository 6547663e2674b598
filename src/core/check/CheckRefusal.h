#pragma once
// What the window's message line says about an item that cannot be checked:
// the message of its result code or, for the codes that mean an entry is
// still missing (no section, no buckling length, no axial force), which
// entry that is, so that every refused item says why.
#include <cstdint>
#include <string>

#include "core/project/ColumnMember.h"

namespace tarvo {

// The message for `item` refused with `code`; empty for a checked item.
[[nodiscard]] std::string CheckRefusalMessage(const MemberInputData& item, std::int32_t code);

} // namespace tarvo
