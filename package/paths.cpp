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

std::filesystem::path filePath(std::string_view name) {
    // A char8_t sequence is UTF-8 to the library: converted to wide characters where the system
    // wants them, passed on byte for byte where it names files in bytes.
    return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(name.data()),
                                                    name.size()));
}

std::string bareFileName(std::string_view fullPath) {
    const std::size_t last = fullPath.find_last_of(kSeparator);
    return std::string(last == std::string_view::npos ? fullPath : fullPath.substr(last + 1));
}

}  // namespace glint::package
