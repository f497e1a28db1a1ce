#pragma once

#include "platform/text_metrics.h"

namespace glint::platform::qt {

// Measures captions in the font the windows draw them in (the application's default font): the
// width the text advances, and the font's line height. An empty text measures 0 x 0.
class QtTextMetrics : public TextMetrics {
public:
    TextSize measure(const std::string& utf8Text) const override;
};

}  // namespace glint::platform::qt
