#pragma once
// `tarvo-posts latex FILE.tvp [-o OUT.tex] [--compile] [--view]`: writes the
// calculation report of a project as a LaTeX document for pLaTeX with the
// settings of Tarvo.ini and the header file (the LaTeX tools, the print layout),
// and on request compiles it and opens the viewer.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/text/SettingsLocation.h"

namespace tarvo::cli {

enum LatexExit : int {
    kLatexExitOk = 0,
    kLatexExitNoData = 1,        // no item passes its check; nothing written
    kLatexExitWriteFailed = 2,   // the project could not be read, the .tex file not written (or bad usage)
    kLatexExitCompileFailed = 3, // no compiler, or the compile left no DVI file
};

// `args` are the words after "latex".
int runLatexCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                    std::ostream& err);

} // namespace tarvo::cli
