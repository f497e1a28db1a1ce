#pragma once

// Installs a built screensaver package for the current user: the player, its lists and its media
// are copied from the package folder into a folder of their own under the user's data folder, and
// a menu entry that starts the player is added. Beside the player go the launcher the desktop's
// screensaver starts (glint-screensaver) and a copy of this installer (glint-setup), which the
// menu entry's actions start to make the show the screensaver or to remove it. An installed
// package is never overwritten: each installation gets a new folder.

#include <string>

#include "installer/install_plan.h"
#include "platform/files.h"

namespace glint::installer {

// The installer's copy in an installed folder, and its two requests.
inline constexpr const char* kSetupName = "glint-setup";
inline constexpr const char* kMakeScreensaverRequest = "--make-screensaver";
inline constexpr const char* kRemoveRequest = "--uninstall";

struct Installed {
    std::string folder;     // where the package now lives
    std::string launcher;   // what the desktop's screensaver starts
    std::string menuEntry;  // the desktop entry file that starts it
    std::string menuName;   // the name shown in the menu, in the language in use
};

// The user's data folder: $XDG_DATA_HOME, or $HOME/.local/share.
std::string userDataFolder();

// Copies the package into the first free folder dataFolder/glint/screensavers/screensaver-N and
// adds dataFolder/applications/glint-screensaver-N.desktop; setupProgram is copied as
// glint-setup. On a failure the new folder is removed again and InstallError is thrown.
Installed install(const std::string& packageFolder, const InstallPlan& plan,
                  const std::string& dataFolder, const std::string& setupProgram,
                  platform::Files& files);

// The text of a desktop entry that starts the player in this folder, with the actions "设为屏幕保护
// 程序" and "卸载" that start its glint-setup, their names and its comment in English and Chinese.
// Named name, and chineseName on Chinese desktops where that is given and differs.
std::string desktopEntry(const std::string& name, const std::string& folder,
                         const std::string& chineseName = "");

// The menu entry of the show installed in this folder (dataFolder/glint/screensavers/
// screensaver-N gives dataFolder/applications/glint-screensaver-N.desktop); empty for a folder
// not laid out so.
std::string menuEntryOf(const std::string& folder);

}  // namespace glint::installer
