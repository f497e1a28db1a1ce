#include "platform/win32/frame_buffer.h"

#include <algorithm>
#include <new>

#include "platform/win32/rect_list.h"

namespace glint::platform::win32 {

FrameBuffer::FrameBuffer() : m_dc(CreateCompatibleDC(nullptr)) {}

FrameBuffer::~FrameBuffer() {
    if (m_initialBitmap) SelectObject(m_dc, m_initialBitmap);
    if (m_bitmap) DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

void FrameBuffer::resize(int width, int height) {
    if (width == m_width && height == m_height) return;
    GdiFlush();
    if (m_initialBitmap) SelectObject(m_dc, m_initialBitmap);
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_initialBitmap = nullptr;
    m_bits = nullptr;
    m_width = 0;
    m_height = 0;
    if (width <= 0 || height <= 0) return;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    // Negative: rows from the top, as the surface holds them.
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_bitmap || !bits) throw std::bad_alloc();
    m_initialBitmap = SelectObject(m_dc, m_bitmap);
    m_bits = static_cast<Rgb*>(bits);
    m_width = width;
    m_height = height;
}

void FrameBuffer::copySurface(const PixelSurface& surface, const Rect& r, Rgb outside) {
    const Rect area = intersection(r, bounds());
    if (area.isEmpty()) return;
    GdiFlush();
    const Rect inside = intersection(area, {0, 0, surface.width(), surface.height()});
    const Rgb* source = surface.image().pixels().data();
    for (int y = area.y; y < area.bottom(); ++y) {
        Rgb* to = row(y);
        if (inside.isEmpty() || y < inside.y || y >= inside.bottom()) {
            std::fill(to + area.x, to + area.right(), outside);
            continue;
        }
        const Rgb* from = source + static_cast<std::size_t>(y) * surface.width();
        std::fill(to + area.x, to + inside.x, outside);
        std::copy(from + inside.x, from + inside.right(), to + inside.x);
        std::fill(to + inside.right(), to + area.right(), outside);
    }
}

void FrameBuffer::fill(const Rect& r, Rgb color, const Rect& clip) {
    const Rect area = intersection(intersection(r, clip), bounds());
    if (area.isEmpty()) return;
    GdiFlush();
    for (int y = area.y; y < area.bottom(); ++y) {
        std::fill(row(y) + area.x, row(y) + area.right(), color);
    }
}

void FrameBuffer::drawImage(const Image& image, int x, int y, const Rect& clip) {
    const Rect area =
        intersection(intersection({x, y, image.width(), image.height()}, clip), bounds());
    if (area.isEmpty()) return;
    GdiFlush();
    for (int line = area.y; line < area.bottom(); ++line) {
        const Rgb* from = &image.pixels()[static_cast<std::size_t>(line - y) * image.width() +
                                          static_cast<std::size_t>(area.x - x)];
        Rgb* to = row(line) + area.x;
        for (int i = 0; i < area.width; ++i) {
            if (from[i] != kNoColor) to[i] = from[i];
        }
    }
}

void FrameBuffer::show(HDC target, const RECT& r) const {
    GdiFlush();
    BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, m_dc, r.left, r.top, SRCCOPY);
}

}  // namespace glint::platform::win32
