#include "platform/label.h"

#include "package/text_encoding.h"

namespace glint::platform {

Label::Label(std::string name, std::string caption, const TextMetrics* autoSizeMetrics)
    : Control(std::move(name)), m_metrics(autoSizeMetrics) {
    setCaption(std::move(caption));
}

void Label::setCaption(std::string caption) {
    m_caption = std::move(caption);
    if (m_metrics) {
        const TextSize size = m_metrics->measure(displayCaption());
        setPixelSize(size.width, size.height);
    }
}

std::string Label::displayCaption() const { return package::displayText(m_caption); }

}  // namespace glint::platform
