#pragma once
// The subcommands of tarvo-posts, runnable without a window.
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvo::cli {

// Runs the command line `args` (without the program name). Returns the
// process exit status. `programDir` is the folder of the program, where the
// settings file lives.
int runCommandLine(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
                   std::ostream& err);

void printUsage(std::ostream& out);

// True when `args` ask for the window rather than a subcommand: no
// arguments at all, or one argument that names a project file to open.
[[nodiscard]] bool opensWindow(const std::vector<std::string>& args);

} // namespace tarvo::cli
