#include "package/paths.h"

#include <algorithm>

namespace glint::package {

std::string ownFolderPath(std::string_view ownFolder, std::string_view literal) {
    std::string path(ownFolder);
    const std::size_t start = path.size();
    path += literal;
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(start), path.end(), '\\', kSeparator);
    return path;
}

std::string namedPath(std::string_view ownFolder, std::string_view name) {
    std::string path(ownFolder);
    path += kSeparator;
    path += name;
    return path;
}

std::string bareFileName(std::string_view fullPath) {
    const std::size_t last = fullPath.find_last_of(kSeparator);
    return std::string(last == std::string_view::npos ? fullPath : fullPath.substr(last + 1));
}

}  // namespace glint::package
