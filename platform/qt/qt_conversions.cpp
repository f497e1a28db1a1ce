#include "platform/qt/qt_conversions.h"

#include <QPaintEngine>
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

QImage toQImage(const Image& picture, const QRect& part) {
    const auto stride = static_cast<std::size_t>(picture.width());
    const Rgb* first = picture.pixels().data() + static_cast<std::size_t>(part.y()) * stride +
                       static_cast<std::size_t>(part.x());
    bool holes = false;
    for (int y = 0; y < part.height() && !holes; ++y) {
        const Rgb* row = first + static_cast<std::size_t>(y) * stride;
        holes = std::find(row, row + part.width(), kNoColor) != row + part.width();
    }
    QImage image(part.size(), holes ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < part.height(); ++y) {
        const Rgb* from = first + static_cast<std::size_t>(y) * stride;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            to[x] = from[x] == kNoColor ? 0u : (from[x] | 0xFF000000u);
        }
    }
    return image;
}

QImage pixelsOf(const Image& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels().data()), picture.width(),
                  picture.height(), static_cast<qsizetype>(picture.width()) * 4,
                  QImage::Format_RGB32);
}

void mendAlpha(QPainter& painter, const QRegion& drawn) {
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image ||
        static_cast<const QImage*>(device)->format() != QImage::Format_ARGB32_Premultiplied) {
        return;
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    for (const QRect& rect : drawn) painter.fillRect(rect, Qt::black);
    painter.restore();
}

bool hasNoColor(const Image& picture) {
    // Rows at a time, each without an early exit, which the compiler turns into vector
    // instructions: a 24-megapixel photo is read in a few milliseconds.
    const auto& pixels = picture.pixels();
    const std::size_t width = static_cast<std::size_t>(std::max(picture.width(), 1));
    for (std::size_t start = 0; start < pixels.size(); start += width) {
        unsigned found = 0;
        for (std::size_t i = start; i < start + width; ++i) found |= pixels[i] == kNoColor;
        if (found) return true;
    }
    return false;
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
