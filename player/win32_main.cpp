// glintsaver: the picture show, on Windows. Command-line arguments are ignored: whatever a
// launcher passes, the show starts.

#include <windows.h>

#include <string>

#include "platform/services.h"
#include "platform/timer_scheduler.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_cursor.h"
#include "platform/win32/win32_media_player.h"
#include "platform/win32/win32_picture_loader.h"
#include "platform/win32/win32_runtime.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_text_metrics.h"
#include "player/form1.h"

namespace {

// The folder of the running executable, as UTF-8, without a separator at its end.
std::string executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L'\\');
    path.resize(separator == std::wstring::npos ? 0 : separator);
    return glint::platform::win32::narrow(path);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    namespace win32 = glint::platform::win32;
    win32::Win32Clock clock;
    glint::platform::TimerScheduler timers(clock);
    win32::Win32Screen screen;
    win32::Win32TextMetrics textMetrics;
    win32::Win32PictureLoader pictures;
    win32::Win32MediaPlayer media;
    win32::Win32Cursor cursor;
    win32::Win32Runtime runtime(timers);
    // The package lies beside the executable.
    glint::platform::Services services{executableFolder(), timers, runtime, screen, textMetrics,
                                       pictures,           media,  cursor,  runtime};

    glint::player::Form1 form(services);
    return runtime.run(form);
}
