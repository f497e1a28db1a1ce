#pragma once

#include <windows.h>

#include "platform/image.h"
#include "platform/pixel_surface.h"
#include "platform/rect.h"

namespace glint::platform::win32 {

// A window's client area as it is shown: a DIB section that the form's pixel surface is copied
// into, region by region, with the drawn controls painted over it. The window's paint copies it
// to the screen.
//
// Its pixels are 0x00RRGGBB like the surface's (the DIB's blue, green, red, unused byte order), so
// rows are copied as they stand. The direct writes here wait for GDI's pending drawing first.
class FrameBuffer {
public:
    FrameBuffer();
    ~FrameBuffer();
    FrameBuffer(const FrameBuffer&) = delete;
    FrameBuffer& operator=(const FrameBuffer&) = delete;

    // A new frame of this size, every pixel black.
    void resize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }

    // A memory device context that draws on the frame.
    HDC dc() const { return m_dc; }

    // Copies the surface's pixels inside the rectangle; where the rectangle reaches beyond the
    // surface, the frame shows the colour.
    void copySurface(const PixelSurface& surface, const Rect& r, Rgb outside);
    // Paints the part of the rectangle inside the clip in one colour.
    void fill(const Rect& r, Rgb color, const Rect& clip);
    // Paints the picture with its top-left corner at (x, y), inside the clip; kNoColor pixels
    // paint nothing.
    void drawImage(const Image& image, int x, int y, const Rect& clip);

    // Copies the rectangle of the frame to the same place on the device.
    void show(HDC target, const RECT& r) const;

private:
    Rgb* row(int y) { return m_bits + static_cast<std::size_t>(y) * m_width; }

    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_initialBitmap = nullptr;
    Rgb* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace glint::platform::win32
