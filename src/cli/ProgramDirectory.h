#pragma once
// The folder the running program lives in; the settings file and the
// history file sit beside the program.
#include <filesystem>

namespace tarvo::cli {

// `argv0` is used when the platform cannot tell the program's own path.
std::filesystem::path programDirectory(const char* argv0);

} // namespace tarvo::cli
