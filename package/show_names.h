#pragma once

// The names inside a show file, as its reader and writer compare and report them (which names
// may be stored at all: isStorableName in show_file.h).

#include <string>

namespace glint::package {

// The name with ASCII letters in lower case: two names are one file on Windows when these agree.
std::string sameFileKey(const std::string& name);

// The name fit to show in a message: valid UTF-8 without control characters, every other byte
// written as \xHH, so a hostile name cannot garble the message that refuses it.
std::string printableName(const std::string& name);

}  // namespace glint::package
