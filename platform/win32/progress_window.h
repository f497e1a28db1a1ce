#pragma once

// The desktop's progress window on Windows: a small window in front of its owner with the text
// and the cancel button. It answers in the task's event passes, which dispatch its messages.

#include <windows.h>

#include <string>

#include "platform/desktop.h"
#include "platform/win32/ui_font.h"

namespace glint::platform::win32 {

class Win32Progress : public ProgressWindow {
public:
    // Shown at once, centred over the owner (on the screen without one). Texts are UTF-8.
    Win32Progress(HWND owner, const std::string& title, const std::string& cancelButton);
    ~Win32Progress() override;
    Win32Progress(const Win32Progress&) = delete;
    Win32Progress& operator=(const Win32Progress&) = delete;

    void update(const std::string& text, int done, int total) override;
    bool cancelRequested() const override { return m_cancelled; }

    HWND handle() const { return m_window; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Font m_font;
    HWND m_window = nullptr;
    HWND m_text = nullptr;
    bool m_cancelled = false;
};

}  // namespace glint::platform::win32
