#include "platform/win32/win32_screen.h"

#include <windows.h>

namespace glint::platform::win32 {

int Win32Screen::widthPixels() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int Win32Screen::heightPixels() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

}  // namespace glint::platform::win32
