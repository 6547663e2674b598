#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ProgramDirectory.h"
#if defined(TARVO_WITH_WINDOW)
#include "gui/app/GuiMain.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto programDir = tarvo::cli::programDirectory(argc > 0 ? argv[0] : nullptr);
    // Tarvo.ini beside the program: portable use; otherwise the user's
    // configuration folder.
    const auto settings = tarvo::SettingsLocation::find(programDir);
#if defined(TARVO_WITH_WINDOW)
    // No arguments, or a project file alone: the window. Everything else is
    // a subcommand, which needs no display.
    if (tarvo::cli::opensWindow(args)) return tarvo::gui::runWindow(argc, argv, settings, args.empty() ? "" : args[0]);
#endif
    return tarvo::cli::runCommandLine(args, settings, std::cout, std::cerr);
}
