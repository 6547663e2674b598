#pragma once
// The options of the subcommands that read one file and write another
// (`export`, `results`, `import`): the input file, "-o OUT" and, where the
// command takes it, "--into EXISTING.tvp".
#include <iosfwd>
#include <string>
#include <vector>

#include "core/text/MessageSink.h"

namespace tarvo::cli {

struct FileCommandOptions {
    std::string input;
    std::string output;
    std::string into; // empty: not given
};

// Reads `args` (the words after the command's name). False, with the usage
// line on `err`, when the input or "-o" is missing, an option is unknown or
// lacks its value, or more than one input is named.
bool parseFileCommandOptions(const std::vector<std::string>& args, const char* command, const char* usage,
                             bool allowInto, FileCommandOptions& options, std::ostream& err);

// Writes each recorded message on its own line, or `fallback` when there is none.
void printMessages(const RecordingMessageSink& messages, const std::string& fallback, std::ostream& err);

} // namespace tarvo::cli
