#pragma once

// Installs a built screensaver package for the current user: the player, its lists and its media
// are copied from the package folder into a folder of their own under the user's data folder, and
// a menu entry that starts the player is added. An installed package is never overwritten: each
// installation gets a new folder.

#include <string>

#include "installer/install_plan.h"
#include "platform/files.h"

namespace glint::installer {

struct Installed {
    std::string folder;     // where the package now lives
    std::string menuEntry;  // the desktop entry file that starts it
    std::string menuName;   // the name shown in the menu
};

// The user's data folder: $XDG_DATA_HOME, or $HOME/.local/share.
std::string userDataFolder();

// Copies the package into the first free folder dataFolder/glint/screensavers/screensaver-N and
// adds dataFolder/applications/glint-screensaver-N.desktop. On a failure the new folder is
// removed again and InstallError is thrown.
Installed install(const std::string& packageFolder, const InstallPlan& plan,
                  const std::string& dataFolder, platform::Files& files);

// The text of a desktop entry that starts the player at this path.
std::string desktopEntry(const std::string& name, const std::string& playerPath,
                         const std::string& folder);

}  // namespace glint::installer
