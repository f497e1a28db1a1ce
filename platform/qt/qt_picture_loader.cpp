#include "platform/qt/qt_picture_loader.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "package/file_error.h"
#include "platform/qt/qt_conversions.h"

namespace glint::platform::qt {

QtPictureLoader::QtPictureLoader() {
    QImageReader::setAllocationLimit(kAllocationLimitMb);
}

Image QtPictureLoader::load(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw package::FileError("File not found", path);
    }
    // Opened by its bytes, so a name in any encoding is found as the system gives it.
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw package::FileError("Cannot open file", path);
    QFile device;
    if (!device.open(file.get(), QIODevice::ReadOnly)) {
        throw package::FileError("Cannot open file", path);
    }
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull()) throw PictureError(path);
    return toImage(decoded, Alpha::Drop);
}

}  // namespace glint::platform::qt
