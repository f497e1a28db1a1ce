#pragma once

// The platform's value types as Qt's, and back.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <string>

#include "platform/image.h"
#include "platform/rect.h"

namespace glint::platform::qt {

QColor toQColor(Rgb color);
QRect toQRect(const Rect& r);

// kNoColor pixels become fully transparent; a picture without them stays opaque (RGB32).
QImage toQImage(const Image& picture);

// What becomes of a decoded picture's alpha channel: dropped (every pixel shows its colour, as
// the picture loader gives photos), or a pixel less than half opaque read as kNoColor, which
// paints nothing.
enum class Alpha { Drop, AsNoColor };
Image toImage(const QImage& decoded, Alpha alpha);

// A caption or text the logic holds as bytes, decoded for display.
QString displayString(const std::string& bytes);

}  // namespace glint::platform::qt
