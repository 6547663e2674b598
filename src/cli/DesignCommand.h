#pragma once
// `tarvo-posts design FILE.tvp [--items LIST] [--all-pairs] [--json]
// [-o OUT.tvp]`: the section design of the items (every item, or those of
// LIST in its order), printed as a table or as JSON; with -o the project is
// written with the proposed sections.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/text/SettingsLocation.h"

namespace tarvo::cli {

enum DesignExit : int {
    kDesignExitAllPassed = 0,  // every designed item got a passing section
    kDesignExitSomeFailed = 1, // some item got none (and keeps its section)
    kDesignExitFailed = 2,     // the project could not be read or written, or bad usage
};

// `args` are the words after "design".
int runDesignCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                     std::ostream& err);

} // namespace tarvo::cli
