#pragma once

#include <QImage>
#include <QRegion>

#include "platform/pixel_surface.h"

namespace glint::platform::qt {

// A window's pixel surface as Qt draws it: the surface's own pixels seen as an image (pixelsOf,
// nothing copied), and the regions painted on it since the last look: a sweep's pass brings one
// column or row to the screen, never the whole window.
class SurfaceMirror {
public:
    // Where the surface was painted since the last call (everything after a resize).
    QRegion update(PixelSurface& surface);

    // The pixels of the surface last updated, as they are now (a resize since then included);
    // drawn from, they need their alpha mended where the target keeps one (mendAlpha).
    QImage frame() const;

private:
    const PixelSurface* m_surface = nullptr;
    const Rgb* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace glint::platform::qt
