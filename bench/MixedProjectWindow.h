#pragma once
// The main window on a saved mixed project of a given size, for the window
// benchmarks. Each benchmark file keeps its files in a folder of its own.
#include <QApplication>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/MixedProject.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "gui/app/FileCommands.h"
#include "gui/app/MainForm.h"

namespace tarvo::bench {

inline std::filesystem::path benchFolder(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(folder);
    return folder;
}

// The mixed project of `items` items saved in `folder`, written once.
inline std::filesystem::path savedMixedProject(const std::filesystem::path& folder, int items) {
    const auto path = folder / ("mixed-" + std::to_string(items) + ".tvp");
    if (!std::filesystem::exists(path)) {
        MixedProject project(items);
        NullMessageSink messages;
        SaveProject(path, project.common, project.columns, messages);
    }
    return path;
}

// A shown window (its settings in `folder`) with that project open.
inline std::unique_ptr<gui::MainForm> openMixedProjectWindow(const std::filesystem::path& folder, int items) {
    auto window = std::make_unique<gui::MainForm>(folder);
    window->show();
    window->fileCommands().OpenProjectFile(savedMixedProject(folder, items));
    QApplication::processEvents();
    return window;
}

} // namespace tarvo::bench
