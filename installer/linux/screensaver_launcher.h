#pragma once

// The program the desktop's idle machinery (XScreenSaver, xss-lock, swayidle) starts: a small
// shell script beside the installed player that starts it in its place, with no arguments, as
// glint.scr does on Windows. It takes the script's process (exec), so a signal sent to what the
// idle machinery started reaches the player itself, and the player's environment
// (XSCREENSAVER_WINDOW among it) is the script's.

#include <string>

namespace glint::installer {

// The launcher's file name in an installed folder.
inline constexpr const char* kLauncherName = "glint-screensaver";

// The launcher's text. Whatever arguments it is given ("--root" from XScreenSaver) stay with it.
std::string launcherScript();

}  // namespace glint::installer
