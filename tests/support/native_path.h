#pragma once

// Test paths are written the POSIX way; the programs join and split paths with the system's own
// separator. native() writes a test path with that separator. And lists hold the system's code
// page: stored() gives the bytes a list holds for a text.

#include <algorithm>
#include <string>

#include "package/list_text.h"
#include "package/paths.h"

namespace glint::testing {

inline std::string native(std::string path) {
    std::replace(path.begin(), path.end(), '/', package::kSeparator);
    return path;
}

inline std::string stored(const std::string& text) {
    return package::toListText(text);
}

}  // namespace glint::testing
