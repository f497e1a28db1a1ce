#pragma once

// The window XScreenSaver gives a display mode to draw into. The daemon names it in
// $XSCREENSAVER_WINDOW; some launchers pass it as an argument ("-window-id ID") instead. Every
// backend and device of the show asks the same question: is the show inside XScreenSaver?

namespace glint::platform::posix {

// A window id as XScreenSaver writes it ("0x1a00007", or decimal); 0 for anything else.
unsigned long parseWindowId(const char* text);

// The window named by $XSCREENSAVER_WINDOW; 0 outside XScreenSaver.
unsigned long embeddedWindowFromEnvironment();

// The window named by "-window-id ID", "--window-id ID" or "--window-id=ID" among the
// arguments; 0 when none names one.
unsigned long windowIdFromArguments(int argc, const char* const* argv);

}  // namespace glint::platform::posix
