#pragma once

// Shortcut files (.lnk), written through the shell's own link object. Paths are UTF-8.

#include <string>

namespace glint::installer::win32 {

struct Shortcut {
    std::string target;         // the program it starts
    std::string arguments;      // its command line after the program
    std::string workingFolder;  // the folder it starts in
    std::string description;    // the tip the shell shows over it
};

// Writes the shortcut file, replacing one of that name. Throws InstallError naming the file.
void saveShortcut(const std::string& linkPath, const Shortcut& shortcut);

}  // namespace glint::installer::win32
