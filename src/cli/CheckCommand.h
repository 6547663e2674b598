#pragma once
// `tarvo-posts check FILE.tvp [--json]`: loads a project, checks every item
// once in list order with its inputs as stored, and prints the verdicts as a
// table or as JSON.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/text/SettingsLocation.h"

namespace tarvo::cli {

// Exit status of the check command.
enum CheckExit : int {
    kCheckExitAllOk = 0,          // items were checked and no checked verdict is NG
    kCheckExitSomeNg = 1,         // at least one checked verdict is NG
    kCheckExitNothingChecked = 1, // no item could be checked at all
    kCheckExitUnreadable = 2,     // the file could not be read (or bad usage)
};

// `args` are the words after "check".
int runCheckCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                    std::ostream& err);

} // namespace tarvo::cli
