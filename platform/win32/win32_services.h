#pragma once

#include <string>

#include "platform/services.h"
#include "platform/timer_scheduler.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_cursor.h"
#include "platform/win32/win32_media_player.h"
#include "platform/win32/win32_picture_loader.h"
#include "platform/win32/win32_runtime.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_text_metrics.h"

namespace glint::platform::win32 {

// Everything a program's logic asks of the platform, on Windows, for a program whose own folder
// is given: made in the order they need each other and handed out as one Services value.
class Win32Services {
public:
    explicit Win32Services(std::string ownFolder);
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    Services& services() { return m_services; }
    Win32Runtime& runtime() { return m_runtime; }

private:
    Win32Clock m_clock;
    TimerScheduler m_timers{m_clock};
    Win32Screen m_screen;
    Win32TextMetrics m_textMetrics;
    Win32PictureLoader m_pictures;
    Win32MediaPlayer m_media;
    Win32Cursor m_cursor;
    Win32Runtime m_runtime{m_timers};
    Services m_services;
};

}  // namespace glint::platform::win32
