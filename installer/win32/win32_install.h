#pragma once

// Installs a built screensaver package for the current user on Windows: the player, its lists and
// its media are copied into a folder of their own, the launcher that starts the show as a
// screensaver is written beside them, and a Start-menu shortcut to the launcher is added. An
// installed package is never overwritten: each installation gets a new folder. Paths are UTF-8.

#include <string>
#include <string_view>

#include "installer/install_plan.h"
#include "platform/files.h"

namespace glint::installer::win32 {

// The launcher's file name in an installed folder; Windows starts screensavers by this extension.
inline constexpr const char* kLauncherName = "glint.scr";
// The installer's copy in an installed folder, which removes the show.
inline constexpr const char* kUninstallerName = "uninstall.exe";

struct InstallTarget {
    std::string root;      // the folder that holds the installed packages, made when missing
    std::string programs;  // the Start menu's programs folder, where the shortcut goes
};

struct WindowsInstalled {
    std::string folder;    // root\screensaver-N
    std::string launcher;  // folder\glint.scr
    std::string shortcut;  // programs\<name>.lnk
    std::string menuName;  // the shortcut's name as the Start menu shows it
};

// The target for the current user: %LOCALAPPDATA%\Glint\Screensavers and the user's Start menu
// programs folder. Throws InstallError when Windows does not name them.
InstallTarget userTarget();

// Where a show that travels in the installer's own file is unpacked before it is installed:
// %LOCALAPPDATA%\Glint\Incoming. Throws InstallError when Windows does not name it.
std::string userIncomingFolder();

// The shortcut's name for a package: its caption (or "Glint 屏保" without one) and the number of
// its folder, with what Windows does not allow in a file name replaced, shortened to a length
// the Start menu shows whole.
std::string menuNameFor(const std::string& caption, int number);

// Copies the package into the first free folder root\screensaver-N whose shortcut name is free
// too, writes the launcher's bytes there as glint.scr, copies setupProgram there as the show's
// uninstaller (uninstall.exe) and adds the shortcut, the last step. On a failure the new folder
// is removed again and InstallError is thrown.
WindowsInstalled install(const std::string& packageFolder, const InstallPlan& plan,
                         std::string_view launcherImage, const std::string& setupProgram,
                         const InstallTarget& target, platform::Files& files);

}  // namespace glint::installer::win32
