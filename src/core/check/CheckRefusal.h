#pragma once
// What the window's message line says about an item that cannot be checked:
// the message of its result code or, for the codes that mean an entry is
// still missing (no section, no buckling length, no axial force), which
// entry that is, so that every refused item says why.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/project/ColumnMember.h"

namespace tarvo {

// The message for `item` refused with `code`; empty for a checked item.
[[nodiscard]] std::string CheckRefusalMessage(const MemberInputData& item, std::int32_t code);

// Why an item refused with `code` could not be checked, without the item at
// hand (the summary, the command line's table, the section design): the
// message of its code, or the entry that is missing.
[[nodiscard]] std::string_view CheckRefusalReason(std::int32_t code);

} // namespace tarvo
