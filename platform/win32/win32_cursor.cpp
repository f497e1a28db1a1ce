#include "platform/win32/win32_cursor.h"

#include <windows.h>

namespace glint::platform::win32 {

void Win32Cursor::showCursor(bool show) {
    if (show != m_hidden) return;
    ShowCursor(show ? TRUE : FALSE);
    m_hidden = !show;
}

}  // namespace glint::platform::win32
