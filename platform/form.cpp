#include "platform/form.h"

namespace glint::platform {

Form::Form(std::string name, std::string title)
    : Control(std::move(name)), m_title(std::move(title)) {}

void Form::setClientSize(int width, int height) {
    setPixelRect({pixelRect().x, pixelRect().y, width, height});
    // A window system reports the same size more than once while a window is first shown; a
    // full-screen surface is 8 MB, so it is made (and painted) only when the size changes.
    if (width == m_surface.width() && height == m_surface.height()) {
        refresh();
        return;
    }
    // Made in the background colour: only the picture is left to draw.
    m_surface.resize(width, height, m_backColor);
    m_surface.drawImage(m_picture, 0, 0);
}

void Form::setPicture(Image picture) {
    m_picture = std::move(picture);
    refresh();
}

void Form::refresh() {
    m_surface.fill(m_backColor);
    m_surface.drawImage(m_picture, 0, 0);
}

}  // namespace glint::platform
