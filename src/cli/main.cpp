#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ProgramDirectory.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto programDir = tarvo::cli::programDirectory(argc > 0 ? argv[0] : nullptr);
    return tarvo::cli::runCommandLine(args, programDir.string(), std::cout, std::cerr);
}
