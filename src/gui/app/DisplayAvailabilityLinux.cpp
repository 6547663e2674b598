// Platform adapter: a Linux desktop session names its display in the
// environment; QT_QPA_PLATFORM (offscreen, vnc, ...) chooses another target.
#include "gui/app/DisplayAvailability.h"

#include <cstdlib>

namespace tarvo::gui {
namespace {

bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

bool displayAvailable() {
    return named("QT_QPA_PLATFORM") || named("DISPLAY") || named("WAYLAND_DISPLAY");
}

} // namespace tarvo::gui
