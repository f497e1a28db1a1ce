#include "platform/qt/qt_picture_loader.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "package/file_error.h"

namespace glint::platform::qt {
namespace {

Image toImage(const QImage& decoded) {
    const QImage rgb = decoded.convertToFormat(QImage::Format_RGB32);
    Image image(rgb.width(), rgb.height());
    const auto width = static_cast<std::size_t>(rgb.width());
    Rgb* out = image.pixels().data();
    for (int y = 0; y < rgb.height(); ++y, out += width) {
        std::memcpy(out, rgb.constScanLine(y), width * sizeof(Rgb));
        // Format_RGB32 holds 0xFFRRGGBB; our colours carry no alpha byte.
        for (std::size_t x = 0; x < width; ++x) out[x] &= 0x00FFFFFFu;
    }
    return image;
}

}  // namespace

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
    return toImage(decoded);
}

}  // namespace glint::platform::qt
