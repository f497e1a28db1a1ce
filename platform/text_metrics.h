#pragma once

#include <string>

namespace glint::platform {

struct TextSize {
    int width = 0;
    int height = 0;
};

// Measures a caption in the default font, in pixels. Backends provide it.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // The size of the text as a label shows it; the text is UTF-8.
    virtual TextSize measure(const std::string& utf8Text) const = 0;
};

}  // namespace glint::platform
