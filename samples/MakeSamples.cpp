// Writes the sample projects into the folder given on the command line.
#include <filesystem>
#include <iostream>

#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "samples/SampleProjects.h"

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
    tarvo::RecordingMessageSink messages;
    int failures = 0;
    for (const auto& project : tarvo::samples::buildSampleProjects()) {
        const auto path = folder / project.fileName;
        if (tarvo::SaveProject(path.string(), project.common, project.columns, messages) != 0) {
            std::cerr << "failed: " << path << '\n';
            ++failures;
        } else {
            std::cout << path.string() << '\n';
        }
    }
    return failures == 0 ? 0 : 1;
}
