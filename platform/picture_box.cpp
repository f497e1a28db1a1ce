#include "platform/picture_box.h"

namespace glint::platform {

PictureBox::PictureBox(std::string name) : Control(std::move(name)) {
    setPixelSize(2 * kBorderPixels, 2 * kBorderPixels);
}

void PictureBox::setPicture(Image picture) {
    m_picture = std::move(picture);
    if (!m_picture.isNull()) {
        setPixelSize(m_picture.width() + 2 * kBorderPixels,
                     m_picture.height() + 2 * kBorderPixels);
    }
}

}  // namespace glint::platform
