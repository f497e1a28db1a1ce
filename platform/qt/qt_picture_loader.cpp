#include "platform/qt/qt_picture_loader.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "package/file_error.h"
#include "platform/pictures/jpeg_picture.h"
#include "platform/pictures/picture_file.h"
#include "platform/qt/heif_picture.h"
#include "platform/qt/qt_conversions.h"

namespace glint::platform::qt {

namespace {

// The format Qt's reader names.
PictureFormat formatNamed(const QByteArray& name) {
    if (name == "bmp") return PictureFormat::Bmp;
    if (name == "jpeg" || name == "jpg") return PictureFormat::Jpeg;
    if (name == "png") return PictureFormat::Png;
    return PictureFormat::Other;
}

}  // namespace

QtPictureLoader::QtPictureLoader(int allocationLimitMb)
    : m_limitBytes(static_cast<std::size_t>(allocationLimitMb) << 20) {
    QImageReader::setAllocationLimit(allocationLimitMb);
}

Image QtPictureLoader::load(const std::string& path) {
    return loadWithFormat(path).picture;
}

LoadedPicture QtPictureLoader::loadWithFormat(const std::string& path) {
    // Recognised by content, whatever the name says: a JPEG by its first 3 bytes, an HEIF file
    // by its first box, 12 bytes at least.
    const pictures::PictureFile picture = pictures::openPictureFile(path);
    FILE* file = picture.file.get();
    const unsigned char* start = picture.start;
    const std::size_t got = picture.got;
    if (pictures::jpeg::looksLikeJpeg(start, got)) {
        return {pictures::jpeg::decode(file, path, m_limitBytes), PictureFormat::Jpeg};
    }
    if (heif::looksLikeHeif(start, got)) {
        return {heif::decode(file, path, m_limitBytes), PictureFormat::Other};
    }
    return readWithQt(file, path);
}

LoadedPicture QtPictureLoader::readWithQt(FILE* file, const std::string& path) const {
    QFile device;
    if (!device.open(file, QIODevice::ReadOnly)) {
        throw package::FileError("Cannot open file", path);
    }
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    const PictureFormat format = formatNamed(reader.format());
    // The reader decodes into the picture's own pixels where its format allows, so a large
    // picture is never held twice; otherwise its result is converted.
    const QSize size = reader.size();
    Image image;
    if (size.isValid() && !size.isEmpty()) image = Image(size.width(), size.height());
    QImage decoded = wrap(image);
    if (!reader.read(&decoded) || decoded.isNull()) throw PictureError(path);
    if (!image.isNull() && decoded.constBits() == wrap(image).constBits() &&
        decoded.size() == size && decoded.format() == QImage::Format_RGB32) {
        // The scan lines hold 0xFFRRGGBB; our colours carry no alpha byte.
        for (Rgb& color : image.pixels()) color &= 0x00FFFFFFu;
        return {std::move(image), format};
    }
    image = Image();
    return {toImage(decoded, Alpha::Drop), format};
}

QImage QtPictureLoader::wrap(Image& image) {
    if (image.isNull()) return {};
    return QImage(reinterpret_cast<uchar*>(image.pixels().data()), image.width(), image.height(),
                  static_cast<qsizetype>(image.width()) * static_cast<qsizetype>(sizeof(Rgb)),
                  QImage::Format_RGB32);
}

}  // namespace glint::platform::qt
