#pragma once
// The subcommands of tarvo-posts, runnable without a window.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/text/SettingsLocation.h"

namespace tarvo::cli {

// Runs the command line `args` (without the program name). Returns the
// process exit status. `settings` tells where Tarvo.ini and the LaTeX header
// file are read from.
int runCommandLine(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                   std::ostream& err);

void printUsage(std::ostream& out);
// "tarvo-posts" and the program's version, one line.
void printVersion(std::ostream& out);

// True when `args` ask for the window rather than a subcommand: no
// arguments at all, or one argument that names a project file to open.
[[nodiscard]] bool opensWindow(const std::vector<std::string>& args);

} // namespace tarvo::cli
