#include "core/text/SettingsLocation.h"

#include <system_error>
#include <vector>

namespace tarvo {

namespace {

// An absolute folder named by an environment value, or empty: the base
// directory rules ignore relative values.
std::filesystem::path absoluteFolder(const std::string& value) {
    if (value.empty()) return {};
    std::filesystem::path folder(value);
    return folder.is_absolute() ? folder : std::filesystem::path{};
}

} // namespace

SettingsLocation SettingsLocation::besideProgram(std::filesystem::path programDir) {
    std::filesystem::path folder = programDir;
    return SettingsLocation(std::move(programDir), std::move(folder));
}

std::filesystem::path SettingsLocation::windowStateFile() const {
    return (userFolder_.empty() ? folder_ : userFolder_) / kWindowStateFileName;
}

SettingsLocation SettingsLocation::choose(const std::filesystem::path& programDir, bool settingsBesideProgram,
                                          const SettingsEnvironment& environment) {
    std::filesystem::path configHome = absoluteFolder(environment.xdgConfigHome);
    if (configHome.empty()) {
        const std::filesystem::path home = absoluteFolder(environment.home);
        if (!home.empty()) configHome = home / ".config";
    }
    if (configHome.empty()) return besideProgram(programDir);
    SettingsLocation location = settingsBesideProgram ? besideProgram(programDir)
                                                      : SettingsLocation(programDir, configHome / kConfigFolderName);
    // The window's own state belongs to the user, also in portable use.
    location.userFolder_ = configHome / kConfigFolderName;
    return location;
}

SettingsLocation SettingsLocation::find(const std::filesystem::path& programDir) {
    std::error_code error;
    const bool beside = std::filesystem::is_regular_file(programDir / kSettingsFileName, error);
    return choose(programDir, beside, readSettingsEnvironment());
}

bool createFolderFor(const std::filesystem::path& file, std::error_code* reason) {
    const std::filesystem::path folder = file.parent_path();
    if (folder.empty()) return true; // the working folder
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return true;
    const auto fail = [reason](std::error_code why) {
        if (reason != nullptr) *reason = why ? why : std::make_error_code(std::errc::not_a_directory);
        return false;
    };

    // The missing folders, outermost first.
    std::vector<std::filesystem::path> missing;
    for (std::filesystem::path step = folder; !step.empty(); step = step.parent_path()) {
        if (std::filesystem::exists(step, error)) break;
        missing.push_back(step);
        if (step == step.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (!std::filesystem::create_directory(*it, error) && error) return fail(error);
        std::filesystem::permissions(*it, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace,
                                     error);
    }
    // A step that exists but is no folder (a regular file in the way).
    if (!std::filesystem::is_directory(folder, error)) return fail(error);
    return true;
}

} // namespace tarvo
