#pragma once

// The show as one file per system, written by generate beside setup.exe in the package folder, so
// that a show is given away as one file: "屏幕保护-Windows.exe" is the Windows installer followed
// by the show, "屏幕保护-Linux.run" a shell header, the Linux installer and the show (show_file.h).
// Each carries its own system's player as pb.cc. The authoring program finds its own system's
// player and installer beside it (pb.sys, sp.sys) and the other system's in a subfolder named
// after that system ("windows", "linux").

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace glint::maker {

inline constexpr const char* kWindowsShowFileName = "屏幕保护-Windows.exe";
inline constexpr const char* kLinuxShowFileName = "屏幕保护-Linux.run";

// One system's programs, where the authoring program finds them.
struct SystemPrograms {
    std::string system;        // the name the user knows it by
    std::string showFileName;  // the single file for that system
    std::string player;        // pb.sys
    std::string installer;     // sp.sys
    bool shellHeader = false;  // the file begins with the Linux shell header
};

// Both systems' programs, this system's first.
std::vector<SystemPrograms> systemPrograms(std::string_view ownFolder);

// Writes both single files into the package folder from the show it holds. Returns the one
// message for the user: empty when both were written; otherwise why none was written (no build
// yet, a named file missing), or which could not be made and why (that system's programs are
// missing, a file could not be read or written). A file not written leaves no part behind.
std::string writeSingleFiles(platform::Files& files, std::string_view ownFolder);

// Removes both from the package folder: after a build they would hold an older show. One that
// cannot be removed stays.
void removeSingleFiles(std::string_view ownFolder);

}  // namespace glint::maker
