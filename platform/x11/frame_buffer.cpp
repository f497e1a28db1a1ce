#include "platform/x11/frame_buffer.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/win32/rect_list.h"
#include "platform/x11/x11_connection.h"

namespace glint::platform::x11 {
namespace {

using win32::intersection;

void channel(unsigned long mask, int& shift, int& bits) {
    shift = mask ? std::countr_zero(mask) : 0;
    bits = std::popcount(mask);
}

unsigned long scaled(Rgb value, int bits, int shift) {
    if (bits <= 0) return 0;
    const unsigned long v = value & 0xFF;
    const unsigned long wide = bits >= 8 ? v << (bits - 8) : v >> (8 - bits);
    return wide << shift;
}

}  // namespace

FrameBuffer::FrameBuffer(Display* display, Visual* visual, int depth, bool shm)
    : m_display(display), m_visual(visual), m_depth(depth), m_shmOffered(shm) {
    channel(visual->red_mask, m_redShift, m_redBits);
    channel(visual->green_mask, m_greenShift, m_greenBits);
    channel(visual->blue_mask, m_blueShift, m_blueBits);
    // A visual with an alpha channel shows what its pixels' top byte says: opaque.
    m_opaque = depth == 32 ? 0xFF000000u : 0u;
}

FrameBuffer::~FrameBuffer() {
    release();
}

void FrameBuffer::release() {
    if (!m_image) return;
    settle();
    if (m_shared) {
        XShmDetach(m_display, &m_segment);
        XSync(m_display, False);
        m_image->data = nullptr;
        XDestroyImage(m_image);
        shmdt(m_segment.shmaddr);
    } else {
        XDestroyImage(m_image);  // frees the pixels too
    }
    m_image = nullptr;
    m_shared = false;
    m_width = m_height = 0;
}

void FrameBuffer::resize(int width, int height) {
    release();
    if (width <= 0 || height <= 0) return;
    if (m_shmOffered) {
        m_image = XShmCreateImage(m_display, m_visual, static_cast<unsigned>(m_depth), ZPixmap,
                                  nullptr, &m_segment, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height));
    }
    if (m_image) {
        const std::size_t bytes = static_cast<std::size_t>(m_image->bytes_per_line) * height;
        m_segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        void* at = m_segment.shmid >= 0 ? shmat(m_segment.shmid, nullptr, 0) : nullptr;
        bool attached = false;
        if (at && at != reinterpret_cast<void*>(-1)) {
            m_segment.shmaddr = m_image->data = static_cast<char*>(at);
            m_segment.readOnly = False;
            ErrorTrap trap(m_display);
            XShmAttach(m_display, &m_segment);
            attached = !trap.failed();
            if (!attached) shmdt(at);
        }
        // Gone with the last of the two to let go of it, the server or this process.
        if (m_segment.shmid >= 0) shmctl(m_segment.shmid, IPC_RMID, nullptr);
        if (attached) {
            m_shared = true;
        } else {
            // A server on another machine, or no shared memory to be had.
            m_image->data = nullptr;
            XDestroyImage(m_image);
            m_image = nullptr;
            m_shmOffered = false;
        }
    }
    if (!m_image) {
        m_image =
            XCreateImage(m_display, m_visual, static_cast<unsigned>(m_depth), ZPixmap, 0, nullptr,
                         static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
        if (!m_image) throw std::bad_alloc();
        m_image->data = static_cast<char*>(std::calloc(
            static_cast<std::size_t>(m_image->bytes_per_line), static_cast<std::size_t>(height)));
        if (!m_image->data) {
            XDestroyImage(m_image);
            m_image = nullptr;
            throw std::bad_alloc();
        }
    } else {
        std::memset(m_image->data, 0, static_cast<std::size_t>(m_image->bytes_per_line) * height);
    }
    m_width = width;
    m_height = height;
    const int hostOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    m_direct = m_image->bits_per_pixel == 32 && m_image->byte_order == hostOrder &&
               m_visual->red_mask == 0xFF0000 && m_visual->green_mask == 0xFF00 &&
               m_visual->blue_mask == 0xFF;
}

unsigned long FrameBuffer::pixelOf(Rgb color) const {
    if (m_direct) return (color & 0xFFFFFFu) | m_opaque;
    return scaled(color >> 16, m_redBits, m_redShift) |
           scaled(color >> 8, m_greenBits, m_greenShift) | scaled(color, m_blueBits, m_blueShift);
}

void FrameBuffer::settle() {
    if (!m_inFlight) return;
    XSync(m_display, False);
    m_inFlight = false;
}

void FrameBuffer::setPixel(int x, int y, Rgb color) {
    if (m_direct) {
        row(y)[x] = color | m_opaque;
    } else {
        XPutPixel(m_image, x, y, pixelOf(color));
    }
}

void FrameBuffer::copySurface(const PixelSurface& surface, const Rect& r, Rgb outside) {
    const Rect area = intersection(r, bounds());
    if (area.isEmpty()) return;
    settle();
    const Rect inside = intersection(area, {0, 0, surface.width(), surface.height()});
    const Rgb* pixels = surface.image().pixels().data();
    for (int y = area.y; y < area.bottom(); ++y) {
        const bool rowInside = !inside.isEmpty() && y >= inside.y && y < inside.bottom();
        const int from = rowInside ? inside.x : area.right();
        const int to = rowInside ? inside.right() : area.right();
        for (int x = area.x; x < from; ++x) setPixel(x, y, outside);
        const Rgb* source = pixels + static_cast<std::size_t>(y) * surface.width();
        if (m_direct) {
            std::uint32_t* target = row(y);
            for (int x = from; x < to; ++x) target[x] = source[x] | m_opaque;
        } else {
            for (int x = from; x < to; ++x) setPixel(x, y, source[x]);
        }
        for (int x = to; x < area.right(); ++x) setPixel(x, y, outside);
    }
}

void FrameBuffer::fill(const Rect& r, Rgb color, const Rect& clip) {
    const Rect area = intersection(intersection(r, clip), bounds());
    if (area.isEmpty()) return;
    settle();
    for (int y = area.y; y < area.bottom(); ++y) {
        for (int x = area.x; x < area.right(); ++x) setPixel(x, y, color);
    }
}

void FrameBuffer::drawImage(const Image& image, int x, int y, const Rect& clip) {
    const Rect area =
        intersection(intersection({x, y, image.width(), image.height()}, clip), bounds());
    if (area.isEmpty()) return;
    settle();
    const Rgb* pixels = image.pixels().data();
    for (int row = area.y; row < area.bottom(); ++row) {
        const Rgb* from = pixels + static_cast<std::size_t>(row - y) * image.width() - x;
        for (int column = area.x; column < area.right(); ++column) {
            const Rgb color = from[column];
            if (color != kNoColor) setPixel(column, row, color);
        }
    }
}

void FrameBuffer::put(Drawable target, GC gc, const Rect& r) {
    const Rect area = intersection(r, bounds());
    if (area.isEmpty()) return;
    const auto w = static_cast<unsigned>(area.width);
    const auto h = static_cast<unsigned>(area.height);
    if (m_shared) {
        XShmPutImage(m_display, target, gc, m_image, area.x, area.y, area.x, area.y, w, h, False);
        m_inFlight = true;
    } else {
        XPutImage(m_display, target, gc, m_image, area.x, area.y, area.x, area.y, w, h);
    }
}

}  // namespace glint::platform::x11
