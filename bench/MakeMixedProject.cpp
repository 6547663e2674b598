// Writes a generated project of COUNT items, a mix of every product kind
// with wind, for timing the subcommands as whole processes
// (bench/time-commands.sh).
#include <charconv>
#include <iostream>
#include <string_view>

#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "samples/SampleProjects.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Usage: tarvo_make_mixed_project COUNT OUT.tvp\n";
        return 2;
    }
    const std::string_view countText = argv[1];
    int count = 0;
    const auto [end, ec] = std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (ec != std::errc() || end != countText.data() + countText.size() || count < 1) {
        std::cerr << "tarvo_make_mixed_project: COUNT must be a positive whole number\n";
        return 2;
    }
    tarvo::CommonData common;
    tarvo::ColumnsData columns;
    tarvo::samples::buildMixedProject(count, common, columns);
    tarvo::RecordingMessageSink messages;
    if (tarvo::SaveProject(argv[2], common, columns, messages) != 0) {
        for (const auto& entry : messages.entries)
            std::cerr << entry.text << '\n';
        return 1;
    }
    return 0;
}
