#pragma once

#include <algorithm>

#include "platform/image.h"
#include "platform/pixel_surface.h"
#include "platform/rect.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

namespace glint::platform::x11 {

// A window's client area as it is composed in the program's memory, one band of rows at a time:
// the form's pixel surface copied in, with the drawn pictures over it, then sent to a drawable of
// the server. A band spans the window's width and holds a fixed number of pixels (a few dozen
// rows of a full-screen window), so the frame costs a small part of what the window would.
// Every position is in the window's coordinates; what lies outside the band is left alone.
//
// Shared with the server (MIT-SHM) where it offers that, so a band goes without being copied
// through the connection; then two bands take turns, one written while the server reads the
// other. An ordinary image otherwise (a remote display), which Xlib copies as it is sent.
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

    // A new frame for a window of this size; its band starts at the top.
    void resize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }
    bool shared() const { return m_shared; }

    // The most rows a band holds.
    int bandRows() const { return m_bandRows; }
    // Moves the band to start at this row of the window (cut at its bottom), on memory the
    // server has finished reading; its pixels are unknown until written.
    void startBand(int top);
    // The window's rows the band holds now.
    Rect band() const { return {0, m_top, m_width, std::min(m_bandRows, m_height - m_top)}; }

    // Copies the surface's pixels inside the rectangle, but for the part under covered (which is
    // painted over whole afterwards); where the rectangle reaches beyond the surface, the frame
    // shows the colour.
    void copySurface(const PixelSurface& surface, const Rect& r, Rgb outside,
                     const Rect& covered = {});
    // Paints the part of the rectangle inside the clip in one colour.
    void fill(const Rect& r, Rgb color, const Rect& clip);
    // Paints the picture with its top-left corner at (x, y), inside the clip; kNoColor pixels
    // paint nothing, unless the caller knows there are none (opaque).
    void drawImage(const Image& image, int x, int y, const Rect& clip, bool opaque = false);

    // Sends the rectangle of the band to the same place on the drawable.
    void put(Drawable target, GC gc, const Rect& r);

    // The visual's pixel value for a colour.
    unsigned long pixelOf(Rgb color) const;

private:
    // Bands in the image, one below the other: two to take turns when shared, one otherwise.
    struct Slot {
        bool inFlight = false;
        unsigned long request = 0;  // the serial number of the last put from it
    };

    void release();
    // Waits until the server has read what was last sent from the band's memory.
    void settle();
    // One row of copySurface: the columns [from, to) of the surface's row y, the colour where
    // they leave the surface's columns [left, right).
    void copySurfaceRow(const Rgb* source, int y, int from, int to, int left, int right,
                        Rgb outside);
    // Colours straight into the frame's row (m_direct), made opaque.
    void copyPixels(std::uint32_t* __restrict target, const Rgb* __restrict source,
                    int count) const;
    // The image's row holding the window's row y of the band.
    int imageRow(int y) const { return m_slot * m_bandRows + y - m_top; }
    void setPixel(int x, int y, Rgb color);
    // Paints columns [from, to) of the window's row y in one colour.
    void fillRow(int y, int from, int to, Rgb color);
    std::uint32_t* row(int y) {
        return reinterpret_cast<std::uint32_t*>(m_image->data + static_cast<long>(imageRow(y)) *
                                                                    m_image->bytes_per_line);
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
    Slot m_slots[2];
    int m_slotCount = 1;
    int m_slot = 0;
    int m_bandRows = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    int m_redShift = 0, m_greenShift = 0, m_blueShift = 0;
    int m_redBits = 0, m_greenBits = 0, m_blueBits = 0;
};

}  // namespace glint::platform::x11
