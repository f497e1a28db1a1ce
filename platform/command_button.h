#pragma once

// A push button: a caption and a click, by mouse, or by Enter or Space while it has the focus.

#include "platform/control.h"

namespace glint::platform {

class CommandButton : public Control {
public:
    CommandButton(std::string name, std::string caption)
        : Control(std::move(name)), m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { m_caption = std::move(caption); }
    using Control::setPixelSize;

private:
    std::string m_caption;
};

}  // namespace glint::platform
