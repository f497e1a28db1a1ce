#pragma once

#include <cstddef>
#include <cstdint>
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

// A decoded picture: width x height colours, row by row from the top-left corner.
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill = 0);

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

    const std::vector<Rgb>& pixels() const { return m_pixels; }
    std::vector<Rgb>& pixels() { return m_pixels; }

    bool operator==(const Image&) const = default;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<Rgb> m_pixels;
};

}  // namespace glint::platform
