#include "image_files.h"

#include <QFile>
#include <QImageWriter>

namespace glint::assets {
namespace {

bool write(QImageWriter& writer, const QImage& picture, QString& failure) {
    if (writer.write(picture)) return true;
    failure = writer.fileName() + QStringLiteral(": ") + writer.errorString();
    return false;
}

}  // namespace

bool saveJpeg(const QImage& picture, const QString& path, int quality, QString& failure) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    // Optimised Huffman tables: smaller files, same pixels.
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(false);
    return write(writer, picture.convertToFormat(QImage::Format_RGB32), failure);
}

bool savePng(const QImage& picture, const QString& path, QString& failure) {
    QImageWriter writer(path, "png");
    // For PNG the "quality" selects the zlib level: 0 is the smallest file, same pixels.
    writer.setQuality(0);
    return write(writer, picture.convertToFormat(QImage::Format_ARGB32), failure);
}

bool saveBytes(const QByteArray& bytes, const QString& path, QString& failure) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size()) {
        return true;
    }
    failure = path + QStringLiteral(": ") + file.errorString();
    return false;
}

}  // namespace glint::assets
