#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code ec;
    auto self = std::filesystem::canonical("/proc/self/exe", ec);
    const std::string programDir = ec ? std::filesystem::current_path().string() : self.parent_path().string();
    return tarvo::cli::runCommandLine(args, programDir, std::cout, std::cerr);
}
