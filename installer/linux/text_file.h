#pragma once

// The user's settings files, read whole and replaced whole: a new text goes to a temporary file
// beside the old one and is renamed over it, so a failure never leaves a file half written.

#include <optional>
#include <string>

namespace glint::installer {

// The file's bytes; nothing when it does not exist. Throws InstallError when it exists and
// cannot be read.
std::optional<std::string> readTextFile(const std::string& path);

// Puts the text in place of the file (made when missing, its permissions kept otherwise). A
// link is followed, so a settings file kept elsewhere stays where it is. Throws InstallError.
void replaceTextFile(const std::string& path, const std::string& text);

}  // namespace glint::installer
