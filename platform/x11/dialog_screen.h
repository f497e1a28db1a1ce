#pragma once

// What the dialogs ask of the desktop: its scale and where its primary monitor is.

#include <X11/Xlib.h>

#include "platform/x11/dialog_layout.h"

namespace glint::platform::x11 {

// The desktop's dots per inch (the Xft.dpi resource), 96 where it is not set.
double desktopDpi(Display* display);

// The primary monitor as RandR reports it (libXrandr is loaded where the system has it), or the
// first monitor; the whole screen where RandR says nothing.
Box primaryMonitor(Display* display);

}  // namespace glint::platform::x11
