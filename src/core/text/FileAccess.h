#pragma once
// Whether a file may be written in place. The rule is the one the safe
// replacement applies before it replaces a file, so that a command can tell
// in advance that saving over a file would be refused.
#include <filesystem>

namespace tarvo {

// True when `name` is not empty and the file cannot be written: it is
// missing (or cannot be inspected), it is not a regular file, its owner's
// write permission bit is clear, or the current user may not write it.
// An empty name names no file and is never protected.
bool IsWriteProtected(const std::filesystem::path& name);

} // namespace tarvo
