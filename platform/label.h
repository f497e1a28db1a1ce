#pragma once

// A windowless label: a caption drawn on its window's surface, optionally sizing itself to its
// text. The caption is kept as the bytes it was given; it is shown decoded for display.

#include <string>

#include "platform/control.h"
#include "platform/image.h"
#include "platform/text_metrics.h"

namespace glint::platform {

class Label : public Control {
public:
    // A label that sizes itself to its text measures it with metrics.
    Label(std::string name, std::string caption, const TextMetrics* autoSizeMetrics = nullptr);

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    // The caption as UTF-8 for display.
    std::string displayCaption() const;

    Rgb foreColor() const { return m_foreColor; }
    void setForeColor(Rgb color) { m_foreColor = color; }
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent) { m_transparent = transparent; }
    // A label that does not size itself: its text wraps within its width.
    bool wordWrap() const { return m_metrics == nullptr; }
    using Control::setPixelSize;

private:
    std::string m_caption;
    const TextMetrics* m_metrics;
    Rgb m_foreColor = 0;
    bool m_transparent = false;
};

}  // namespace glint::platform
