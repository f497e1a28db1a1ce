#include "platform/picture_box.h"

#include <algorithm>

namespace glint::platform {

PictureBox::PictureBox(std::string name, Border border)
    : Control(std::move(name)), m_border(border == Border::FixedSingle ? kBorderPixels : 0) {
    setPixelSize(2 * m_border, 2 * m_border);
}

void PictureBox::setPicture(Image picture) {
    m_picture = std::move(picture);
    m_pictureOpaque =
        std::find(m_picture.pixels().begin(), m_picture.pixels().end(), kNoColor) ==
        m_picture.pixels().end();
    if (!m_picture.isNull()) {
        setPixelSize(m_picture.width() + 2 * m_border, m_picture.height() + 2 * m_border);
    }
}

}  // namespace glint::platform
