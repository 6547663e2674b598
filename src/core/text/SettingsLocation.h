#pragma once
// Where the program keeps the files it writes for the user: the settings file
// Tarvo.ini, the recent-file history Tarvo_File.history and the LaTeX header
// LatexHeader.txt. All three always live in one folder.
//
// The rule: when a Tarvo.ini sits beside the program, the program is used
// portably and keeps all three files there (a folder copied from a Windows
// installation keeps working). Otherwise they live in the user's
// configuration folder, $XDG_CONFIG_HOME/tarvo-posts, by default
// ~/.config/tarvo-posts, because an installed program's folder cannot be
// written. That folder is made on the first write, not before; reading a
// file that is not there yet gives the built-in defaults.
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace tarvo {

inline constexpr std::string_view kSettingsFileName = "Tarvo.ini";
inline constexpr std::string_view kHistoryFileName = "Tarvo_File.history";
inline constexpr std::string_view kLatexHeaderFile = "LatexHeader.txt";
// The window's size, position and preview zoom: the user's, never shared.
inline constexpr std::string_view kWindowStateFileName = "Window.ini";
// The name of the program's own folder under the configuration folder.
inline constexpr std::string_view kConfigFolderName = "tarvo-posts";

// What the rule needs from the process environment, as the platform adapter
// reads it. Empty means not set.
struct SettingsEnvironment {
    std::string xdgConfigHome; // $XDG_CONFIG_HOME
    std::string home;          // $HOME, else the home folder of the user's account
};

class SettingsLocation {
public:
    // Every file beside the program in `programDir` (portable use).
    static SettingsLocation besideProgram(std::filesystem::path programDir);

    // The rule itself, without touching the environment: `settingsBesideProgram`
    // tells whether a Tarvo.ini exists in `programDir`. A configuration folder
    // must be absolute to count; with neither an absolute $XDG_CONFIG_HOME nor
    // an absolute home folder there is no user folder, and the files stay
    // beside the program.
    static SettingsLocation choose(const std::filesystem::path& programDir, bool settingsBesideProgram,
                                   const SettingsEnvironment& environment);

    // The rule applied to the running program: looks for Tarvo.ini in
    // `programDir` and reads the environment.
    static SettingsLocation find(const std::filesystem::path& programDir);

    [[nodiscard]] const std::filesystem::path& programDir() const { return programDir_; }
    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }
    // True when the files live beside the program.
    [[nodiscard]] bool portable() const { return folder_ == programDir_; }

    [[nodiscard]] std::filesystem::path settingsFile() const { return folder_ / kSettingsFileName; }
    [[nodiscard]] std::filesystem::path historyFile() const { return folder_ / kHistoryFileName; }
    [[nodiscard]] std::filesystem::path latexHeaderFile() const { return folder_ / kLatexHeaderFile; }
    // The state of the window (Window.ini) lives in the user's configuration
    // folder even in portable use, where the other files are shared by
    // everyone who starts the program; beside the program only when there
    // is no user folder.
    [[nodiscard]] std::filesystem::path windowStateFile() const;

private:
    SettingsLocation(std::filesystem::path programDir, std::filesystem::path folder)
        : programDir_(std::move(programDir)), folder_(std::move(folder)) {}

    std::filesystem::path programDir_;
    std::filesystem::path folder_;
    std::filesystem::path userFolder_; // empty: none
};

// The environment of the running process (platform adapter).
SettingsEnvironment readSettingsEnvironment();

// Makes the folder `file` is about to be written into, with any missing
// folders above it, readable by the user alone as the configuration folders
// are. True when the folder exists afterwards. Writers of the three files call
// it before they write, so the configuration folder appears with the first
// file saved. On failure `reason`, when given, receives the system's error.
bool createFolderFor(const std::filesystem::path& file, std::error_code* reason = nullptr);

} // namespace tarvo
