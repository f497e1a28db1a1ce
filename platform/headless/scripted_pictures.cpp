#include "platform/headless/scripted_pictures.h"

#include <filesystem>

#include "package/file_error.h"
#include "package/paths.h"

namespace glint::platform::headless {

LoadedPicture ScriptedPictures::loadWithFormat(const std::string& path) {
    ++m_loads;
    if (beforeLoad) beforeLoad(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(package::filePath(path), error))
        throw package::FileError("File not found", path);
    const auto found = m_pictures.find(path);
    if (found == m_pictures.end()) throw PictureError(path);
    return found->second;
}

}  // namespace glint::platform::headless
