#include "platform/image.h"

#include <stdexcept>

namespace glint::platform {

Image::Image(int width, int height, Rgb fill) : m_width(width), m_height(height) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative image size");
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

Rgb Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kNoColor;
    return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                    static_cast<std::size_t>(x)];
}

void Image::setPixel(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
             static_cast<std::size_t>(x)] = color;
}

}  // namespace glint::platform
