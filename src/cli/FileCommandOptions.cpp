#include "cli/FileCommandOptions.h"

#include <ostream>

namespace tarvo::cli {

bool parseFileCommandOptions(const std::vector<std::string>& args, const char* command, const char* usage,
                             bool allowInto, FileCommandOptions& options, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o" || (allowInto && arg == "--into")) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                err << "tarvo-posts " << command << ": " << arg << " needs a file\n" << usage << '\n';
                return false;
            }
            (arg == "-o" ? options.output : options.into) = args[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            err << "tarvo-posts " << command << ": unknown option \"" << arg << "\"\n" << usage << '\n';
            return false;
        } else if (options.input.empty()) {
            options.input = arg;
        } else {
            err << "tarvo-posts " << command << ": only one input file at a time\n" << usage << '\n';
            return false;
        }
    }
    if (options.input.empty() || options.output.empty()) {
        err << usage << '\n';
        return false;
    }
    return true;
}

void printMessages(const RecordingMessageSink& messages, const std::string& fallback, std::ostream& err) {
    for (const auto& entry : messages.entries)
        err << entry.text << '\n';
    if (messages.entries.empty()) err << fallback << '\n';
}

} // namespace tarvo::cli
