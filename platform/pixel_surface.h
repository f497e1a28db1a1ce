#pragma once

// A window's drawing surface for single-pixel writes. It is not retained: a refresh paints it
// over with the window's background colour. The presenter shows the regions written since it
// last looked, so a sweep reaches the screen pass by pass without repainting the whole window.

#include <vector>

#include "platform/image.h"
#include "platform/rect.h"

namespace glint::platform {

struct PixelWrite {
    int x;
    int y;
    Rgb color;
    bool operator==(const PixelWrite&) const = default;
};

class PixelSurface {
public:
    void resize(int width, int height, Rgb fill);
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // Paints the whole surface in one colour.
    void fill(Rgb color);

    // Paints a picture with its top-left corner at (x, y), clipped to the surface.
    void drawImage(const Image& image, int x, int y);

    // Paints one pixel. Positions outside the surface and kNoColor paint nothing. Inline where the
    // pixel lies in the one region already painted, as most of a sweep's pixels do.
    void setPixel(int x, int y, Rgb color) {
        if (!m_log && color != kNoColor && m_dirty.size() == 1 && m_dirty.front().contains(x, y)) {
            m_image.setPixel(x, y, color);
            return;
        }
        setPixelAndMarkDirty(x, y, color);
    }
    Rgb pixel(int x, int y) const { return m_image.pixel(x, y); }
    const Image& image() const { return m_image; }

    // The regions painted since the last call, then forgets them.
    std::vector<Rect> takeDirty();

    // Every setPixel call from now on is appended to the log, painted or not; null stops it.
    void recordWritesInto(std::vector<PixelWrite>* log) { m_log = log; }

private:
    void setPixelAndMarkDirty(int x, int y, Rgb color);
    void markDirty(const Rect& r);

    Image m_image;
    std::vector<Rect> m_dirty;
    std::vector<PixelWrite>* m_log = nullptr;
};

}  // namespace glint::platform
