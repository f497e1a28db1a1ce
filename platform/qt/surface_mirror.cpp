#include "platform/qt/surface_mirror.h"

#include "platform/qt/qt_conversions.h"

namespace glint::platform::qt {

QRegion SurfaceMirror::update(PixelSurface& surface) {
    const std::vector<Rect> dirty = surface.takeDirty();
    const Image& pixels = surface.image();
    if (m_frame.constBits() != reinterpret_cast<const uchar*>(pixels.pixels().data()) ||
        m_frame.width() != pixels.width() || m_frame.height() != pixels.height()) {
        m_frame = pixelsOf(pixels);
        return QRegion(m_frame.rect());
    }
    QRegion changed;
    for (const Rect& r : dirty) changed += QRect(r.x, r.y, r.width, r.height) & m_frame.rect();
    return changed;
}

}  // namespace glint::platform::qt
