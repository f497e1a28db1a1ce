#include "platform/win32/win32_text_metrics.h"

#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {

Win32TextMetrics::Win32TextMetrics() : m_font(defaultFont()), m_dc(CreateCompatibleDC(nullptr)) {
    SelectObject(m_dc, m_font.handle());
}

Win32TextMetrics::~Win32TextMetrics() {
    DeleteDC(m_dc);
}

TextSize Win32TextMetrics::measure(const std::string& utf8Text) const {
    if (utf8Text.empty()) return {0, 0};
    const std::wstring text = widen(utf8Text);
    RECT extent{0, 0, 0, 0};
    DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    return {extent.right - extent.left, extent.bottom - extent.top};
}

}  // namespace glint::platform::win32
