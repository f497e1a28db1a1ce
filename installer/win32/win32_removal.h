#pragma once

// Removing a show installed on Windows: withdrawn as the screensaver when SCRNSAVE.EXE names its
// launcher, its shortcut deleted, its folder deleted, and last its entry in the list of installed
// programs, so that while anything of it is left the list still offers to remove it. Nothing else
// of the user's settings is touched. Paths are UTF-8.

#include <windows.h>

#include <string>
#include <vector>

namespace glint::installer::win32 {

// Removes the show installed in the folder, given the user's Control Panel\Desktop key and the
// Uninstall key, and returns what is left of it, a line each; empty when everything is gone.
// The folder is tried for a few seconds: the program that handed the removal over may still be
// ending.
std::vector<std::string> removeInstalled(HKEY desktop, HKEY uninstall, const std::string& folder);

// The same under the current user's keys.
std::vector<std::string> removeUsersInstalled(const std::string& folder);

}  // namespace glint::installer::win32
