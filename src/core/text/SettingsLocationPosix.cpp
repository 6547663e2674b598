// Platform adapter of the settings location: the environment variables and,
// when HOME is not set, the home folder of the user's account.
#include "core/text/SettingsLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace tarvo {

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string accountHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    if (size <= 0) size = 16384;
    std::vector<char> buffer(static_cast<std::size_t>(size));
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr)
        return {};
    return found->pw_dir;
}

} // namespace

SettingsEnvironment readSettingsEnvironment() {
    SettingsEnvironment environment;
    environment.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    environment.home = environmentValue("HOME");
    if (environment.home.empty()) environment.home = accountHome();
    return environment;
}

} // namespace tarvo
