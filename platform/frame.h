#pragma once

// A frame: a rectangle with an optional caption around a group of controls. The controls inside
// are placed in the window's coordinates; a frame only draws.

#include "platform/control.h"

namespace glint::platform {

class Frame : public Control {
public:
    Frame(std::string name, std::string caption)
        : Control(std::move(name)), m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    using Control::setPixelSize;

private:
    std::string m_caption;
};

}  // namespace glint::platform
