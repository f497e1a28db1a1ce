#pragma once

// Real windows of the Windows backend in a test: a runtime of their own, event passes until
// something has happened, and the pixels the window shows.

#include <windows.h>

#include <functional>

#include "platform/image.h"
#include "platform/timer_scheduler.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_runtime.h"

namespace glint::platform::win32::testing {

struct WindowFixture {
    Win32Clock clock;
    TimerScheduler timers{clock};
    Win32Runtime runtime{timers};

    // Event passes until the condition holds; false when it still does not after the time.
    bool passUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
        const std::int64_t end = clock.nowMs() + timeoutMs;
        while (!condition()) {
            if (clock.nowMs() > end) return false;
            runtime.doEvents();
            Sleep(2);
        }
        return true;
    }

    // A few passes, for messages that leave nothing to wait for.
    void settle() {
        for (int pass = 0; pass < 5; ++pass) {
            runtime.doEvents();
            Sleep(5);
        }
    }
};

// The colour the window shows at the pixel of its client area.
inline Rgb shownPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return rgb(GetRValue(color), GetGValue(color), GetBValue(color));
}

inline LPARAM at(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)),
                      static_cast<WORD>(static_cast<SHORT>(y)));
}

}  // namespace glint::platform::win32::testing
