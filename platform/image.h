#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

namespace glint::platform {

// A colour as 0x00RRGGBB.
using Rgb = std::uint32_t;

// What a pixel read gives outside a picture. Writing it paints nothing.
inline constexpr Rgb kNoColor = 0xFFFFFFFFu;

inline constexpr Rgb rgb(int red, int green, int blue) {
    return (static_cast<Rgb>(red & 0xFF) << 16) | (static_cast<Rgb>(green & 0xFF) << 8) |
           static_cast<Rgb>(blue & 0xFF);
}

// Memory for pixels, from the system's own allocator for them (platform/posix or platform/win32):
// where the system has huge pages, large blocks are aligned for them and advised to use them.
void* allocatePixelBlock(std::size_t bytes);
void freePixelBlock(void* block, std::size_t bytes) noexcept;

// Where pictures keep their pixels. Blocks of camera size are asked to be backed by huge pages
// where the system has them: a 24-megapixel photo then costs a few dozen page faults instead of
// tens of thousands. Growing without a value leaves the new elements unset (Image::painted uses
// that); Image fills its pixels in every other case.
template <class T>
struct PixelAllocator {
    using value_type = T;

    PixelAllocator() = default;
    template <class U>
    PixelAllocator(const PixelAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(allocatePixelBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept {
        freePixelBlock(block, count * sizeof(T));
    }
    template <class U>
    void construct(U* at) noexcept {
        ::new (static_cast<void*>(at)) U;
    }
    template <class U, class... Args>
    void construct(U* at, Args&&... args) {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const PixelAllocator<U>&) const noexcept {
        return true;
    }
};

// A decoded picture: width x height colours, row by row from the top-left corner.
class Image {
public:
    using Pixels = std::vector<Rgb, PixelAllocator<Rgb>>;

    Image() = default;
    Image(int width, int height, Rgb fill = 0);

    // For decoders: a picture whose pixels paint(Rgb* pixels) sets, every one of them, row by
    // row from the top-left corner. They are not cleared first (a photo is hundreds of
    // megabytes, which the decoder writes anyway), and the picture exists only once paint has
    // returned: when it throws, nothing is kept.
    template <class Paint>
    static Image painted(int width, int height, Paint&& paint) {
        Image image(width, height, Unset{});
        std::forward<Paint>(paint)(image.m_pixels.data());
        return image;
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_width == 0 || m_height == 0; }

    // The colour at (x, y), or kNoColor outside the picture. Inline, as the sweeps call both for
    // every pixel.
    Rgb pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kNoColor;
        return m_pixels[index(x, y)];
    }
    void setPixel(int x, int y, Rgb color) {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
        m_pixels[index(x, y)] = color;
    }

    const Pixels& pixels() const { return m_pixels; }
    Pixels& pixels() { return m_pixels; }

    bool operator==(const Image&) const = default;

private:
    struct Unset {};
    Image(int width, int height, Unset);

    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    Pixels m_pixels;
};

}  // namespace glint::platform
