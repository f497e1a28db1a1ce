#include "platform/qt/qt_conversions.h"

#include <algorithm>
#include <cstring>

#include "package/text_encoding.h"

namespace glint::platform::qt {

QColor toQColor(Rgb color) {
    return QColor::fromRgb(static_cast<QRgb>(color | 0xFF000000u));
}

QRect toQRect(const Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

QImage toQImage(const Image& picture) {
    const auto& pixels = picture.pixels();
    const bool holes = std::find(pixels.begin(), pixels.end(), kNoColor) != pixels.end();
    QImage image(picture.width(), picture.height(),
                 holes ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const Rgb* from = pixels.data();
    for (int y = 0; y < picture.height(); ++y) {
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width(); ++x, ++from) {
            to[x] = *from == kNoColor ? 0u : (*from | 0xFF000000u);
        }
    }
    return image;
}

Image toImage(const QImage& decoded, Alpha alpha) {
    const bool keepAlpha = alpha == Alpha::AsNoColor && decoded.hasAlphaChannel();
    const QImage converted =
        decoded.convertToFormat(keepAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    Image image(converted.width(), converted.height());
    const auto width = static_cast<std::size_t>(converted.width());
    Rgb* out = image.pixels().data();
    for (int y = 0; y < converted.height(); ++y, out += width) {
        std::memcpy(out, converted.constScanLine(y), width * sizeof(Rgb));
        for (std::size_t x = 0; x < width; ++x) {
            // The scan line holds 0xAARRGGBB; our colours carry no alpha byte.
            out[x] = keepAlpha && qAlpha(out[x]) < 128 ? kNoColor : (out[x] & 0x00FFFFFFu);
        }
    }
    return image;
}

QString displayString(const std::string& bytes) {
    return QString::fromStdString(package::displayText(bytes));
}

}  // namespace glint::platform::qt
