#pragma once

// A one-line text box. The backend writes what the user types back into the text.

#include "platform/control.h"

namespace glint::platform {

struct FontSpec {
    std::string family;  // empty: the default font
    float pointSize = 0;  // 0: the default size
};

class TextBox : public Control {
public:
    TextBox(std::string name, std::string text) : Control(std::move(name)), m_text(std::move(text)) {}

    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }
    const FontSpec& font() const { return m_font; }
    void setFont(FontSpec font) { m_font = std::move(font); }
    using Control::setPixelSize;

private:
    std::string m_text;
    FontSpec m_font;
};

}  // namespace glint::platform
