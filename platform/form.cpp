#include "platform/form.h"

namespace glint::platform {

Form::Form(std::string name, std::string title)
    : Control(std::move(name)), m_title(std::move(title)) {}

void Form::setClientSize(int width, int height) {
    setPixelRect({pixelRect().x, pixelRect().y, width, height});
    m_surface.resize(width, height, m_backColor);
}

}  // namespace glint::platform
