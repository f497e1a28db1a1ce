#pragma once

#include "platform/qt/screen_use.h"
#include "platform/text_metrics.h"

namespace glint::platform::qt {

// Measures captions in the font the windows draw them in (the application's default font, at its
// physical size in the logic's pixels): the width the text advances, and the font's line height.
// An empty text measures 0 x 0.
class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(ScreenUse use = ScreenUse::Scaled) : m_use(use) {}
    TextSize measure(const std::string& utf8Text) const override;

private:
    ScreenUse m_use;
};

}  // namespace glint::platform::qt
