#include "platform/form.h"

namespace glint::platform {

Form::Form(std::string name, std::string title)
    : Control(std::move(name)), m_title(std::move(title)) {}

void Form::setClientSize(int width, int height) {
    setPixelRect({pixelRect().x, pixelRect().y, width, height});
    m_surface.resize(width, height, m_backColor);
    refresh();
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
