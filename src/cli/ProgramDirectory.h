#pragma once
// The folder the running program lives in: a Tarvo.ini there makes the
// program keep its settings beside itself (see SettingsLocation).
#include <filesystem>

namespace tarvo::cli {

// `argv0` is used when the platform cannot tell the program's own path.
std::filesystem::path programDirectory(const char* argv0);

} // namespace tarvo::cli
