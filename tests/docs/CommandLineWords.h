#pragma once
// The subcommands and options a text names, for comparing the program's
// usage text with the documents that describe it.
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/CommandLine.h"

namespace tarvo::test {

using Words = std::set<std::string>;

// The program's own usage text.
inline std::string usageText() {
    std::ostringstream out;
    cli::printUsage(out);
    return out.str();
}

// Options written as "--word" or "-x" after a blank, a bracket, a comma or a
// quote ("tarvo-posts" and "5-7" are none).
inline Words optionsIn(const std::string& text) {
    Words options;
    static const std::regex option(R"((?:^|[\s\[(,"|])(--[a-z]+|-[a-z])(?![a-z0-9-]))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        options.insert((*it)[1].str());
    return options;
}

// The subcommands of the usage text: the words after "tarvo-posts " in its
// usage lines, and the commands its description lists without a file ("help").
inline Words subcommandsOfUsage(const std::string& usage) {
    Words commands;
    static const std::regex usageLine(R"((?:Usage:|^) +tarvo-posts ([a-z]+)\b)");
    static const std::regex listed(R"(^  ([a-z]+)[ ,])");
    std::istringstream lines(usage);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_search(line, m, usageLine) || std::regex_search(line, m, listed)) commands.insert(m[1].str());
    }
    return commands;
}

} // namespace tarvo::test
