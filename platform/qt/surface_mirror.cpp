#include "platform/qt/surface_mirror.h"

namespace glint::platform::qt {

QRegion SurfaceMirror::update(PixelSurface& surface) {
    const std::vector<Rect> dirty = surface.takeDirty();
    if (m_frame.width() != surface.width() || m_frame.height() != surface.height()) {
        m_frame = QImage(surface.width(), surface.height(), QImage::Format_RGB32);
        const QRect whole(0, 0, surface.width(), surface.height());
        copy(surface, whole);
        return whole;
    }
    QRegion changed;
    const QRect bounds = m_frame.rect();
    for (const Rect& r : dirty) {
        const QRect region = QRect(r.x, r.y, r.width, r.height).intersected(bounds);
        if (region.isEmpty()) continue;
        copy(surface, region);
        changed += region;
    }
    return changed;
}

void SurfaceMirror::copy(const PixelSurface& surface, const QRect& region) {
    if (region.isEmpty()) return;
    const Rgb* source = surface.image().pixels().data();
    const auto width = static_cast<std::size_t>(surface.width());
    for (int y = region.top(); y <= region.bottom(); ++y) {
        const Rgb* from = source + static_cast<std::size_t>(y) * width;
        auto* to = reinterpret_cast<QRgb*>(m_frame.scanLine(y));
        // The screen format wants an opaque alpha byte; the surface's colours have none.
        for (int x = region.left(); x <= region.right(); ++x) to[x] = from[x] | 0xFF000000u;
    }
}

}  // namespace glint::platform::qt
