#pragma once

// The installed show in the user's list of installed programs ("Apps" / "Programs and Features"):
// a key of its own under HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall
// whose UninstallString starts the installer's copy uninstall.exe in the installed folder. The
// key also keeps where the show's shortcut is, for the removal. Paths are UTF-8.

#include <windows.h>

#include <optional>
#include <string>

#include "installer/win32/win32_install.h"

namespace glint::installer::win32 {

// What asks the installer's copy in an installed folder to remove the show.
inline constexpr const char* kUninstallRequest = "/uninstall";
inline constexpr const wchar_t* kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// The show's key name under the Uninstall key: "Glint " and the installed folder's name.
std::string uninstallKeyName(const std::string& folder);

// Writes the show's key under the Uninstall key given. Throws InstallError.
void writeUninstallEntry(HKEY uninstall, const WindowsInstalled& installed);

// The shortcut the show's key names; nothing when there is no key for this folder.
std::optional<std::string> shortcutOf(HKEY uninstall, const std::string& folder);

// Removes the show's key; true when it is gone (or was never there).
bool deleteUninstallEntry(HKEY uninstall, const std::string& folder);

}  // namespace glint::installer::win32
