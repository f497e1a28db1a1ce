#pragma once

// The colours of the authoring program's artwork, in one place so that the background, the button
// pictures and the icons keep one theme: deep navy with teal light and a warm yellow accent that
// matches the yellow captions the window draws itself.

#include <QColor>

namespace glint::assets {

struct Palette {
    // Title strip and banner.
    QColor titleTop{0x15, 0x30, 0x4b};
    QColor titleBottom{0x0b, 0x1d, 0x30};
    QColor bannerTop{0x0f, 0x2c, 0x48};
    QColor bannerBottom{0x07, 0x17, 0x28};
    QColor windowEdge{0x2a, 0x5e, 0x7c};

    // Work area.
    QColor panelTop{0x0b, 0x1c, 0x2d};
    QColor panelBottom{0x05, 0x0d, 0x16};
    QColor panelLine{0x1f, 0x4d, 0x66};
    // Where a label of the window paints its own opaque box: the window's colour, black.
    QColor labelBand{0x00, 0x00, 0x00};

    // Light and text.
    QColor teal{0x2f, 0xb8, 0xc6};
    QColor cyan{0x8f, 0xee, 0xf5};
    QColor yellow{0xff, 0xd6, 0x5c};
    QColor textBright{0xea, 0xf5, 0xfa};
    QColor textSoft{0xb4, 0xcb, 0xd8};
    QColor textDim{0x7a, 0x93, 0xa5};

    // Buttons: normal and highlighted faces.
    QColor faceTop{0x1f, 0x68, 0x86};
    QColor faceBottom{0x11, 0x3c, 0x57};
    QColor faceEdge{0x3a, 0x93, 0xb0};
    QColor hotTop{0x38, 0xb4, 0xcf};
    QColor hotBottom{0x1a, 0x74, 0x95};
    QColor hotEdge{0xb8, 0xf6, 0xff};
    QColor closeHot{0xd9, 0x3a, 0x40};
};

}  // namespace glint::assets
