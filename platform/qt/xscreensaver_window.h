#pragma once

// The show inside XScreenSaver. The daemon starts a display mode with $XSCREENSAVER_WINDOW naming
// the window it is to draw into, one process for each monitor; it handles the input itself and
// ends the mode with SIGTERM. Outside XScreenSaver none of this applies and the player covers the
// screen with a window of its own (and covers the other monitors); inside it, the daemon's window
// for this process's monitor is the whole screen.

#include <QSize>
#include <QWidget>
#include <functional>

namespace glint::platform::qt {

// The window named by $XSCREENSAVER_WINDOW; 0 outside XScreenSaver.
WId embeddedWindowFromEnvironment();

// A window id as XScreenSaver writes it ("0x1a00007", or decimal); 0 for anything else.
WId parseWindowId(const char* text);

// The size of the daemon's window in pixels; invalid outside XScreenSaver or when the X server
// does not answer.
QSize embeddedWindowSize();

// Inside XScreenSaver: puts the window into the daemon's, at its corner and of its size, tells
// `resized` each size it takes in the daemon's (device) pixels, at once and whenever the daemon's
// window changes, and makes SIGTERM end the program at once with status 0. `ratio` is the device
// pixels per pixel of the window's own. Outside: false, and the window is left as is.
bool showInEmbeddedWindow(QWidget& window, double ratio,
                          const std::function<void(QSize)>& resized);

}  // namespace glint::platform::qt
