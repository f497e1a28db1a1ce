#pragma once

// What the dialogs ask of the desktop: its scale and where its primary monitor is.

#include <X11/Xlib.h>

#include "platform/x11/dialog_layout.h"

namespace glint::platform::x11 {

// The desktop's dots per inch (the Xft.dpi resource), 96 where it is not set.
double desktopDpi(Display* display);

// The area a dialog is centred in: the whole screen (see dialog_screen.cpp for why not the
// primary monitor's).
Box primaryMonitor(Display* display);

}  // namespace glint::platform::x11
