#pragma once

// The small transparent pictures: the window icon (the program's mark), the pointing-hand cursor
// shown over the buttons, and the question bubble of the dialog that asks before a new production.

#include <QImage>
#include <QPoint>

namespace glint::assets {

class IconPainter {
public:
    // 32 x 32.
    QImage windowIcon() const;
    // The same mark at any size: the desktop's icon theme wants it from 16 to 256 pixels.
    QImage appIcon(int side) const;
    QImage handCursor() const;
    // A white question mark in a speech bubble of the mark's colours, for a light dialog.
    QImage questionBubble() const;

    // The pixel of the hand cursor that clicks: the tip of the pointing finger.
    static QPoint handHotSpot() { return {12, 1}; }
};

}  // namespace glint::assets
