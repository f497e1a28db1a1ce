#include "image_files.h"

#include <QFile>
#include <QImageWriter>
#include <algorithm>

namespace glint::assets {
namespace {

bool write(QImageWriter& writer, const QImage& picture, QString& failure) {
    if (writer.write(picture)) return true;
    failure = writer.fileName() + QStringLiteral(": ") + writer.errorString();
    return false;
}

// Straight (not premultiplied) alpha, computed here with exact integer arithmetic: Qt's own
// conversion picks a vector routine by processor, and those round differently, so the committed
// pictures would not come out byte for byte the same on every machine.
QImage straightAlpha(const QImage& picture) {
    QImage premultiplied = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage straight(premultiplied.size(), QImage::Format_ARGB32);
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(straight.scanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha == 0) {
                out[x] = 0;
                continue;
            }
            auto channel = [alpha](int value) {
                return std::min(255, (value * 255 + alpha / 2) / alpha);
            };
            out[x] =
                qRgba(channel(qRed(in[x])), channel(qGreen(in[x])), channel(qBlue(in[x])), alpha);
        }
    }
    return straight;
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
    return write(writer, straightAlpha(picture), failure);
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
