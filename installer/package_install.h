#pragma once

// Installs a built screensaver package for the current user: the player, its lists and its media
// are copied from the package folder into a folder of their own under the user's data folder, and
// a menu entry that starts the player is added. An installed package is never overwritten: each
// installation gets a new folder.

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/files.h"

namespace glint::installer {

// A package that cannot be installed, or an installation that failed. The message says what.
class InstallError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct InstallPlan {
    std::string caption;             // the package's corner caption, as UTF-8
    std::vector<std::string> files;  // the names to copy from the package folder, each once
};

struct Installed {
    std::string folder;     // where the package now lives
    std::string menuEntry;  // the desktop entry file that starts it
    std::string menuName;   // the name shown in the menu
};

// Reads what the package folder holds and what of it must be copied. Throws InstallError when a
// file of the package is missing or a listed name is not a plain file name in that folder.
InstallPlan planInstall(const std::string& packageFolder);

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
