#pragma once

#include <string>

#include "platform/rect.h"
#include "platform/x11/x11_connection.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xlib.h>

namespace glint::platform::x11 {

// A window of the show over a whole monitor: no frame, full screen and above the others, as a
// window manager that follows the desktop's conventions (EWMH) makes it, and at the monitor's
// place and size where none runs; otherwise a window without a frame at the area given. A window
// that does not take the focus (a monitor's cover) is never given the keyboard by the window
// manager.
Window createShowWindow(const X11Connection& connection, const Rect& area, const std::string& title,
                        bool takesFocus, unsigned long background, long eventMask,
                        bool fullScreen = true);

}  // namespace glint::platform::x11
