#pragma once

#include "platform/image.h"
#include "platform/pixel_surface.h"
#include "platform/rect.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

namespace glint::platform::x11 {

// A window's client area as it is composed in the program's memory: the form's pixel surface
// copied in, region by region, with the drawn pictures over it, then sent to a drawable of the
// server. Shared with the server (MIT-SHM) where it offers that, so a region goes without being
// copied through the connection; an ordinary image otherwise (a remote display).
//
// A TrueColor visual of 32 bits a pixel in the host's byte order with 8-bit channels (what every
// X server of today gives) takes the surface's rows as they stand; any other is converted pixel by
// pixel.
class FrameBuffer {
public:
    FrameBuffer(Display* display, Visual* visual, int depth, bool shm);
    ~FrameBuffer();
    FrameBuffer(const FrameBuffer&) = delete;
    FrameBuffer& operator=(const FrameBuffer&) = delete;

    // A new frame of this size, every pixel black.
    void resize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }
    bool shared() const { return m_shared; }

    // Copies the surface's pixels inside the rectangle; where the rectangle reaches beyond the
    // surface, the frame shows the colour.
    void copySurface(const PixelSurface& surface, const Rect& r, Rgb outside);
    // Paints the part of the rectangle inside the clip in one colour.
    void fill(const Rect& r, Rgb color, const Rect& clip);
    // Paints the picture with its top-left corner at (x, y), inside the clip; kNoColor pixels
    // paint nothing.
    void drawImage(const Image& image, int x, int y, const Rect& clip);

    // Sends the rectangle of the frame to the same place on the drawable.
    void put(Drawable target, GC gc, const Rect& r);

    // The visual's pixel value for a colour.
    unsigned long pixelOf(Rgb color) const;

private:
    void release();
    // Waits until the server has read what was last sent from shared memory, before the frame
    // is written again.
    void settle();
    void setPixel(int x, int y, Rgb color);
    std::uint32_t* row(int y) {
        return reinterpret_cast<std::uint32_t*>(m_image->data +
                                                static_cast<long>(y) * m_image->bytes_per_line);
    }

    Display* m_display;
    Visual* m_visual;
    int m_depth;
    bool m_shmOffered;
    bool m_shared = false;
    bool m_direct = false;
    std::uint32_t m_opaque = 0;
    XImage* m_image = nullptr;
    XShmSegmentInfo m_segment{};
    bool m_inFlight = false;
    int m_width = 0;
    int m_height = 0;
    int m_redShift = 0, m_greenShift = 0, m_blueShift = 0;
    int m_redBits = 0, m_greenBits = 0, m_blueBits = 0;
};

}  // namespace glint::platform::x11
