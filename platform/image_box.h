#pragma once

// An image control: a picture shown stretched to the control's own size, proportions not kept.

#include "platform/control.h"
#include "platform/image.h"

namespace glint::platform {

class ImageBox : public Control {
public:
    explicit ImageBox(std::string name) : Control(std::move(name)) {}

    // A null picture leaves the control empty: it then shows nothing.
    void setPicture(Image picture) { m_picture = std::move(picture); }
    const Image& picture() const { return m_picture; }

    void setPixelSize(int width, int height) { Control::setPixelSize(width, height); }

private:
    Image m_picture;
};

}  // namespace glint::platform
