#pragma once
// Start-up of the window: the application object, the window font, the main
// window with a new project or with the project named on the command line.
#include <filesystem>
#include <string>

#include "core/text/SettingsLocation.h"

namespace tarvo::gui {

// Runs the window until it is closed; returns the exit status. An empty
// `projectPath` starts with a new project. `settings` tells where the
// settings, the history and the LaTeX header are kept.
int runWindow(int& argc, char** argv, const SettingsLocation& settings, const std::string& projectPath);

} // namespace tarvo::gui
