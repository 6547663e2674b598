#pragma once
// Fonts and PDF output need a QGuiApplication. Command-line use has no
// window system, so one is made on the offscreen platform when the process
// has none yet.
#include <memory>

class QGuiApplication;

namespace tarvo::gui {

class HeadlessGuiApplication {
public:
    // Creates an application only when none exists; the offscreen platform
    // is chosen unless QT_QPA_PLATFORM says otherwise.
    HeadlessGuiApplication();
    ~HeadlessGuiApplication();
    HeadlessGuiApplication(const HeadlessGuiApplication&) = delete;
    HeadlessGuiApplication& operator=(const HeadlessGuiApplication&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace tarvo::gui
