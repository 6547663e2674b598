#pragma once
// Whether the window can be shown at all, asked before Qt starts: Qt ends the
// program with a core dump when it finds no display to connect to.

namespace tarvo::gui {

// False only when it is certain that no window can be shown (on Linux: no
// X11 or Wayland display named and no Qt platform chosen).
bool displayAvailable();

} // namespace tarvo::gui
