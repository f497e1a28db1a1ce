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

    // The surface's pixels as of the last update; drawn from, they need their alpha mended where
    // the target keeps one (mendAlpha).
    const QImage& frame() const { return m_frame; }

private:
    QImage m_frame;
};

}  // namespace glint::platform::qt
