#pragma once
// `tarvo-posts pdf FILE.tvp -o OUT.pdf [--items LIST]`: writes the printed
// report as a PDF file (A4 portrait, 600 dpi, fonts embedded) with the
// layout of the settings file. Needs the GUI build.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/text/SettingsLocation.h"

namespace tarvo::cli {

// Exit codes as the report command: 0 written, 2 nothing written.
int runPdfCommand(const std::vector<std::string>& args, const SettingsLocation& settings, std::ostream& out,
                  std::ostream& err);

} // namespace tarvo::cli
