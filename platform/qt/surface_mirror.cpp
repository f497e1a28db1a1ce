#include "platform/qt/surface_mirror.h"

#include "platform/qt/qt_conversions.h"

namespace glint::platform::qt {

QRegion SurfaceMirror::update(PixelSurface& surface) {
    const std::vector<Rect> dirty = surface.takeDirty();
    const Image& pixels = surface.image();
    const QRect whole(0, 0, pixels.width(), pixels.height());
    if (m_surface != &surface || m_pixels != pixels.pixels().data() || m_width != pixels.width() ||
        m_height != pixels.height()) {
        m_surface = &surface;
        m_pixels = pixels.pixels().data();
        m_width = pixels.width();
        m_height = pixels.height();
        return whole;
    }
    QRegion changed;
    for (const Rect& r : dirty) changed += QRect(r.x, r.y, r.width, r.height) & whole;
    return changed;
}

QImage SurfaceMirror::frame() const {
    // Wrapped anew at every paint: a surface resized since the last update has new pixels.
    return m_surface ? pixelsOf(m_surface->image()) : QImage();
}

}  // namespace glint::platform::qt
