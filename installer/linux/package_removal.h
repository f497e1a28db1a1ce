#pragma once

// Removing an installed show: withdrawn first wherever it is the screensaver, then its folder
// and last its menu entry, so that while anything of it is left the menu still offers to remove
// it. Nothing else of the user's is touched.

#include <string>
#include <vector>

#include "installer/linux/screensaver_registration.h"

namespace glint::installer {

// Removes the show installed in this folder (laid out by install) and returns what is left of
// it, each a line to show the user; empty when everything is gone.
std::vector<std::string> removeInstalled(const std::string& folder, const UserFolders& folders,
                                         WatcherProcesses& processes);

}  // namespace glint::installer
