#pragma once

// Making an installed package the user's screensaver: Windows reads the program to start from
// HKEY_CURRENT_USER\Control Panel\Desktop, value SCRNSAVE.EXE, and starts it with "/s" after the
// idle time while ScreenSaveActive is "1". Paths are UTF-8.

#include <windows.h>

#include <string>

namespace glint::installer::win32 {

// The path Windows is given for the launcher: its short (8.3) form when the full path holds a
// space, since the value is read as a command line; the full path otherwise, or when the volume
// keeps no short names.
std::string screensaverPath(const std::string& launcher);

// Writes SCRNSAVE.EXE (screensaverPath of the launcher) and ScreenSaveActive = "1" under the key.
// Throws InstallError when a value cannot be written.
void writeScreensaverSetting(HKEY desktop, const std::string& launcher);

// The same under the current user's HKEY_CURRENT_USER\Control Panel\Desktop.
void makeUsersScreensaver(const std::string& launcher);

}  // namespace glint::installer::win32
