#pragma once

// Where the authoring window's controls sit, in pixels of its 701 x 407 client area. The background
// leaves these places free (or, for the two title buttons, draws the glyphs they cover), and every
// button picture is made to the exact size of its control.

#include <QRect>
#include <QSize>
#include <array>

namespace glint::assets {

struct WindowLayout {
    QSize window{701, 407};

    QRect close{665, 13, 15, 11};
    QRect minimise{647, 13, 15, 11};
    QRect help{648, 40, 34, 44};
    QRect newProduction{488, 53, 139, 28};
    // The four numbered steps, top to bottom.
    std::array<QRect, 4> steps{QRect{272, 128, 139, 28}, QRect{272, 187, 139, 28},
                               QRect{272, 245, 139, 28}, QRect{272, 304, 139, 28}};
    QRect preview{8, 124, 153, 204};
    // The sample photograph the preview shows at start; the preview stretches it to its own size.
    QSize samplePhoto{151, 198};

    // Labels that paint an opaque box in the window's colour (black) behind their text.
    QRect previewCaption{56, 336, 48, 12};
    QRect version{256, 72, 24, 12};
    // Sized 78 wide in the form, but it grows to its text: about 160 pixels.
    QRect webAddress{40, 104, 160, 12};

    // The title strip and the banner, from the top; the work area lies below the banner.
    int titleHeight = 28;
    int bannerBottom = 92;
};

}  // namespace glint::assets
