#include "platform/headless/scripted_fitting.h"

#include <fstream>

#include "package/file_error.h"
#include "package/paths.h"

namespace glint::platform::headless {

void ScriptedFitting::writeFittedCopy(const Image& picture, PixelSize size,
                                      const std::string& path) {
    m_writes.push_back({path, size});
    std::ofstream file;
    if (!failWrites) file.open(package::filePath(path), std::ios::binary);
    if (!file) throw package::FileError("Cannot write file", path);
    file << "fitted " << size.width << " x " << size.height;
    file.close();
    if (!file) throw package::FileError("Cannot write file", path);

    Image scaled(size.width, size.height);
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const int fromX =
                static_cast<int>((2LL * x + 1) * picture.width() / (2LL * size.width));
            const int fromY =
                static_cast<int>((2LL * y + 1) * picture.height() / (2LL * size.height));
            scaled.setPixel(x, y, picture.pixel(fromX, fromY));
        }
    }
    m_pictures.add(path, std::move(scaled), PictureFormat::Jpeg);
}

}  // namespace glint::platform::headless
