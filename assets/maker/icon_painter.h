#pragma once

// The two small transparent pictures: the window icon (the program's mark) and the pointing-hand
// cursor shown over the buttons.

#include <QImage>
#include <QPoint>

namespace glint::assets {

class IconPainter {
public:
    // 32 x 32.
    QImage windowIcon() const;
    QImage handCursor() const;

    // The pixel of the hand cursor that clicks: the tip of the pointing finger.
    static QPoint handHotSpot() { return {12, 1}; }
};

}  // namespace glint::assets
