#pragma once

#include <windows.h>

#include "platform/text_metrics.h"
#include "platform/win32/ui_font.h"

namespace glint::platform::win32 {

// Measures captions in the windows' default font, as a label draws them: one line, "&" as it
// stands.
class Win32TextMetrics : public TextMetrics {
public:
    Win32TextMetrics();
    ~Win32TextMetrics() override;
    Win32TextMetrics(const Win32TextMetrics&) = delete;
    Win32TextMetrics& operator=(const Win32TextMetrics&) = delete;

    TextSize measure(const std::string& utf8Text) const override;

private:
    Font m_font;
    HDC m_dc;
};

}  // namespace glint::platform::win32
