#pragma once

#include <QImage>
#include <QRegion>

#include "platform/pixel_surface.h"

namespace glint::platform::qt {

// A copy of a window's pixel surface in the format the screen takes, brought up to date region
// by region: a sweep's pass copies one column or row, never the whole window.
class SurfaceMirror {
public:
    // Copies what was painted on the surface since the last call (everything after a resize)
    // and returns where that is.
    QRegion update(PixelSurface& surface);

    const QImage& frame() const { return m_frame; }

private:
    void copy(const PixelSurface& surface, const QRect& region);

    QImage m_frame;
};

}  // namespace glint::platform::qt
