#pragma once
// Start-up of the window: the application object, the window font, the main
// window with a new project or with the project named on the command line.
#include <filesystem>
#include <string>

namespace tarvo::gui {

// Runs the window until it is closed; returns the exit status. An empty
// `projectPath` starts with a new project.
int runWindow(int& argc, char** argv, const std::filesystem::path& programDir, const std::string& projectPath);

} // namespace tarvo::gui
