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

QByteArray icoFile(const QImage& picture) {
    const QImage straight = straightAlpha(picture);
    const int width = straight.width();
    const int height = straight.height();
    // The mask: one bit a pixel, each row padded to four bytes.
    const int maskRowBytes = (width + 31) / 32 * 4;
    const int imageBytes = 40 + width * height * 4 + maskRowBytes * height;
    QByteArray bytes;
    const auto put = [&bytes](quint32 value, int size) {
        for (int i = 0; i < size; ++i) bytes.append(static_cast<char>(value >> (8 * i) & 0xFF));
    };
    // The directory of one picture, then the picture as a bitmap without its file header.
    put(0, 2);
    put(1, 2);  // an icon
    put(1, 2);
    put(width >= 256 ? 0 : width, 1);
    put(height >= 256 ? 0 : height, 1);
    put(0, 2);  // no palette
    put(1, 2);  // planes
    put(32, 2);
    put(imageBytes, 4);
    put(6 + 16, 4);
    put(40, 4);
    put(width, 4);
    put(height * 2, 4);  // the colours and the mask, one above the other
    put(1, 2);
    put(32, 2);
    put(0, 4);
    put(imageBytes - 40, 4);
    put(0, 16);
    // Rows from the bottom up: blue, green, red, alpha.
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = 0; x < width; ++x) put(row[x], 4);
    }
    // Set where the picture is clear, for the systems that draw with the mask.
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        QByteArray mask(maskRowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) == 0) mask[x / 8] = static_cast<char>(mask[x / 8] | 0x80 >> x % 8);
        }
        bytes.append(mask);
    }
    return bytes;
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
