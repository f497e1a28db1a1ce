#pragma once

#include <string>

namespace glint::platform::win32 {

// Starts the program file as a process of its own in a normal window, without arguments, and
// returns at once. The path (UTF-8) names the file as it stands, whatever its extension: it is
// never read as a command line, where spaces would split it. The program's first argument is the
// path. Throws std::runtime_error("Cannot start program: " + path) when it cannot be started.
void startProgramFile(const std::string& path);

}  // namespace glint::platform::win32
