#pragma once

// Things a package folder or a working list can hold besides plain readable files: a pipe, links
// that point at each other, links to a device or to a file whose reads fail.

#include <string>

namespace glint::reliability {

// A file the system opens for anyone who may see it but whose every read fails.
inline constexpr const char* kFileWhoseReadsFail = "/proc/self/mem";

// A named pipe with nobody writing to it: opening it for reading waits for a writer.
void makePipe(const std::string& path);

// path -> path + "~" -> path: following either never ends.
void makeLinkLoop(const std::string& path);

// Takes every permission away from the file, and tells whether that keeps this process from
// reading it (it does not for root).
bool revokeReading(const std::string& path);

}  // namespace glint::reliability
