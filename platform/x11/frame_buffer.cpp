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

// A band's pixels: 256 KB, 34 rows of a window 1920 wide.
constexpr int kBandPixels = 64 * 1024;

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
    if (m_shared) {
        // Served after every put from the segment, so nothing reads it once this returns.
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
    for (Slot& slot : m_slots) slot = {};
    m_slotCount = 1;
    m_slot = m_top = m_bandRows = m_width = m_height = 0;
}

void FrameBuffer::resize(int width, int height) {
    release();
    if (width <= 0 || height <= 0) return;
    const int rows = std::clamp(kBandPixels / width, 1, height);
    if (m_shmOffered) {
        m_image = XShmCreateImage(m_display, m_visual, static_cast<unsigned>(m_depth), ZPixmap,
                                  nullptr, &m_segment, static_cast<unsigned>(width),
                                  static_cast<unsigned>(2 * rows));
    }
    if (m_image) {
        // A new segment comes zeroed: every pixel black.
        const std::size_t bytes = static_cast<std::size_t>(m_image->bytes_per_line) * 2 * rows;
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
            m_slotCount = 2;
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
                         static_cast<unsigned>(width), static_cast<unsigned>(rows), 32, 0);
        if (!m_image) throw std::bad_alloc();
        m_image->data = static_cast<char*>(std::calloc(
            static_cast<std::size_t>(m_image->bytes_per_line), static_cast<std::size_t>(rows)));
        if (!m_image->data) {
            XDestroyImage(m_image);
            m_image = nullptr;
            throw std::bad_alloc();
        }
    }
    m_width = width;
    m_height = height;
    m_bandRows = rows;
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

void FrameBuffer::startBand(int top) {
    m_top = std::clamp(top, 0, std::max(0, m_height - 1));
    m_slot = (m_slot + 1) % m_slotCount;
    settle();
}

void FrameBuffer::settle() {
    Slot& slot = m_slots[m_slot];
    if (!slot.inFlight) return;
    slot.inFlight = false;
    // The server serves a client's requests in turn: an answer to any later one tells that the
    // band was read.
    if (LastKnownRequestProcessed(m_display) > slot.request) return;
    XSync(m_display, False);
    for (Slot& other : m_slots) other.inFlight = false;
}

void FrameBuffer::setPixel(int x, int y, Rgb color) {
    if (m_direct) {
        row(y)[x] = color | m_opaque;
    } else {
        XPutPixel(m_image, x, imageRow(y), pixelOf(color));
    }
}

void FrameBuffer::fillRow(int y, int from, int to, Rgb color) {
    if (m_direct) {
        std::fill(row(y) + from, row(y) + to, color | m_opaque);
    } else {
        for (int x = from; x < to; ++x) setPixel(x, y, color);
    }
}

void FrameBuffer::copySurface(const PixelSurface& surface, const Rect& r, Rgb outside,
                              const Rect& covered) {
    const Rect area = intersection(r, band());
    if (area.isEmpty()) return;
    settle();
    const Rect inside = intersection(area, {0, 0, surface.width(), surface.height()});
    const Rect skipped = intersection(covered, area);
    const Rgb* pixels = surface.image().pixels().data();
    for (int y = area.y; y < area.bottom(); ++y) {
        const bool rowInside = !inside.isEmpty() && y >= inside.y && y < inside.bottom();
        const int left = rowInside ? inside.x : area.right();
        const int right = rowInside ? inside.right() : area.right();
        const Rgb* source = pixels + static_cast<std::size_t>(y) * surface.width();
        if (!skipped.isEmpty() && y >= skipped.y && y < skipped.bottom()) {
            copySurfaceRow(source, y, area.x, skipped.x, left, right, outside);
            copySurfaceRow(source, y, skipped.right(), area.right(), left, right, outside);
        } else {
            copySurfaceRow(source, y, area.x, area.right(), left, right, outside);
        }
    }
}

void FrameBuffer::copyPixels(std::uint32_t* __restrict target, const Rgb* __restrict source,
                             int count) const {
    if (count <= 0) return;
    // Where the visual has no alpha bits the colours are the pixel values as they stand.
    if (m_opaque == 0) {
        std::memcpy(target, source, static_cast<std::size_t>(count) * sizeof(Rgb));
        return;
    }
    const std::uint32_t opaque = m_opaque;
    for (int x = 0; x < count; ++x) target[x] = source[x] | opaque;
}

void FrameBuffer::copySurfaceRow(const Rgb* source, int y, int from, int to, int left, int right,
                                 Rgb outside) {
    const int start = std::clamp(left, from, to);
    const int end = std::clamp(right, start, to);
    fillRow(y, from, start, outside);
    if (m_direct) {
        copyPixels(row(y) + start, source + start, end - start);
    } else {
        for (int x = start; x < end; ++x) setPixel(x, y, source[x]);
    }
    fillRow(y, end, to, outside);
}

void FrameBuffer::fill(const Rect& r, Rgb color, const Rect& clip) {
    const Rect area = intersection(intersection(r, clip), band());
    if (area.isEmpty()) return;
    settle();
    for (int y = area.y; y < area.bottom(); ++y) fillRow(y, area.x, area.right(), color);
}

void FrameBuffer::drawImage(const Image& image, int x, int y, const Rect& clip, bool opaque) {
    const Rect area =
        intersection(intersection({x, y, image.width(), image.height()}, clip), band());
    if (area.isEmpty()) return;
    settle();
    const Rgb* pixels = image.pixels().data();
    const std::uint32_t alpha = m_opaque;
    for (int row = area.y; row < area.bottom(); ++row) {
        const Rgb* from = pixels + static_cast<std::size_t>(row - y) * image.width() - x;
        if (m_direct && opaque) {
            copyPixels(this->row(row) + area.x, from + area.x, area.width);
        } else if (m_direct) {
            // Written whole, the kept pixels as they were: a loop the compiler can vectorise.
            std::uint32_t* target = this->row(row);
            for (int column = area.x; column < area.right(); ++column) {
                const Rgb color = from[column];
                target[column] = color != kNoColor ? color | alpha : target[column];
            }
        } else {
            for (int column = area.x; column < area.right(); ++column) {
                const Rgb color = from[column];
                if (color != kNoColor) setPixel(column, row, color);
            }
        }
    }
}

void FrameBuffer::put(Drawable target, GC gc, const Rect& r) {
    const Rect area = intersection(r, band());
    if (area.isEmpty()) return;
    const auto w = static_cast<unsigned>(area.width);
    const auto h = static_cast<unsigned>(area.height);
    const int from = imageRow(area.y);
    if (m_shared) {
        Slot& slot = m_slots[m_slot];
        slot.request = NextRequest(m_display);
        XShmPutImage(m_display, target, gc, m_image, area.x, from, area.x, area.y, w, h, False);
        slot.inFlight = true;
    } else {
        XPutImage(m_display, target, gc, m_image, area.x, from, area.x, area.y, w, h);
    }
}

}  // namespace glint::platform::x11
