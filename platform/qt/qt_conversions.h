#pragma once

// The platform's value types as Qt's, and back.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QString>
#include <string>

#include "platform/image.h"
#include "platform/rect.h"

namespace glint::platform::qt {

QColor toQColor(Rgb color);
QRect toQRect(const Rect& r);

// The part of the picture (within it) as a QImage of its own: kNoColor pixels become fully
// transparent; a part without them stays opaque (RGB32).
QImage toQImage(const Image& picture, const QRect& part);

// The picture's own pixels seen as an opaque QImage (RGB32), nothing copied: to draw at once,
// while the picture stays as it is. Drawn onto an RGB32 target it shows exactly what toQImage
// shows of a picture without kNoColor pixels; onto a target with an alpha channel Qt carries the
// colours' empty top byte along, which would read as transparency there.
QImage pixelsOf(const Image& picture);

// Makes the region opaque again after pixelsOf was drawn there, where the painter's target keeps
// premultiplied alpha (a window's backing store on X11, even for an opaque window): black drawn
// behind leaves each pixel's colour and makes exactly those of alpha 0 opaque.
void mendAlpha(QPainter& painter, const QRegion& drawn);

// Whether any pixel of the picture is kNoColor.
bool hasNoColor(const Image& picture);

// What becomes of a decoded picture's alpha channel: dropped (every pixel shows its colour, as
// the picture loader gives photos), or a pixel less than half opaque read as kNoColor, which
// paints nothing.
enum class Alpha { Drop, AsNoColor };
Image toImage(const QImage& decoded, Alpha alpha);

// A caption or text the logic holds as bytes, decoded for display.
QString displayString(const std::string& bytes);

}  // namespace glint::platform::qt
