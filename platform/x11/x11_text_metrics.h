#pragma once

#include "platform/text_metrics.h"
#include "platform/x11/xft_font_set.h"

namespace glint::platform::x11 {

// Measures captions in the font the show's window draws them in.
class X11TextMetrics : public TextMetrics {
public:
    explicit X11TextMetrics(const XftFontSet& font) : m_font(font) {}
    TextSize measure(const std::string& utf8Text) const override {
        return m_font.measure(utf8Text);
    }

private:
    const XftFontSet& m_font;
};

}  // namespace glint::platform::x11
