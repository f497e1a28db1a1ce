#pragma once

// What Windows asks of a screensaver program by its first argument: "/s" to show it, "/p <window>"
// to draw a preview into the settings dialog, "/c" or "/c:<window>" to configure it, "/a <window>"
// to change its password (older systems). The letter comes in either case, after "/" or "-".

#include <string>
#include <vector>

namespace glint::installer {

// Whether the show is asked for: "/s", or no argument at all (the file started by itself). The
// player has no preview and nothing to configure, so every other request is answered by ending.
bool showRequested(const std::vector<std::string>& arguments);

}  // namespace glint::installer
