#include "platform/image.h"

#include <stdexcept>

namespace glint::platform {

Image::Image(int width, int height, Rgb fill) : m_width(width), m_height(height) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative image size");
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

Image::Image(int width, int height, Unset) : m_width(width), m_height(height) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative image size");
    m_pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}

}  // namespace glint::platform
