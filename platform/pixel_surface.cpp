#include "platform/pixel_surface.h"

#include <algorithm>

namespace glint::platform {
namespace {

// Beyond this many separate regions they are merged into one, which bounds the bookkeeping.
constexpr std::size_t kMaxDirtyRegions = 8;

bool touches(const Rect& r, int x, int y) {
    return x >= r.x - 1 && x <= r.right() && y >= r.y - 1 && y <= r.bottom();
}

}  // namespace

void PixelSurface::resize(int width, int height, Rgb fill) {
    m_image = Image(width, height, fill);
    m_dirty.clear();
    markDirty({0, 0, width, height});
}

void PixelSurface::fill(Rgb color) {
    std::fill(m_image.pixels().begin(), m_image.pixels().end(), color);
    m_dirty.clear();
    markDirty({0, 0, width(), height()});
}

void PixelSurface::drawImage(const Image& image, int x, int y) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + image.width(), width());
    const int bottom = std::min(y + image.height(), height());
    if (left >= right || top >= bottom) return;
    for (int row = top; row < bottom; ++row) {
        const Rgb* from = &image.pixels()[static_cast<std::size_t>(row - y) * image.width() +
                                          static_cast<std::size_t>(left - x)];
        Rgb* to = &m_image.pixels()[static_cast<std::size_t>(row) * width() + left];
        std::copy(from, from + (right - left), to);
    }
    markDirty({left, top, right - left, bottom - top});
}

void PixelSurface::setPixelAndMarkDirty(int x, int y, Rgb color) {
    if (m_log) m_log->push_back({x, y, color});
    if (color == kNoColor || x < 0 || y < 0 || x >= width() || y >= height()) return;
    m_image.setPixel(x, y, color);
    for (Rect& r : m_dirty) {
        if (r.contains(x, y)) return;
        if (touches(r, x, y)) {
            r = r.united({x, y, 1, 1});
            return;
        }
    }
    markDirty({x, y, 1, 1});
}

void PixelSurface::markDirty(const Rect& r) {
    if (r.isEmpty()) return;
    m_dirty.push_back(r);
    if (m_dirty.size() > kMaxDirtyRegions) {
        Rect all;
        for (const Rect& d : m_dirty) all = all.united(d);
        m_dirty.assign(1, all);
    }
}

std::vector<Rect> PixelSurface::takeDirty() {
    std::vector<Rect> dirty;
    dirty.swap(m_dirty);
    return dirty;
}

}  // namespace glint::platform
