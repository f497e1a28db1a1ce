#pragma once

#include "platform/services.h"

namespace glint::platform::win32 {

// The pointer over the program's windows, through the system's display count: hiding twice and
// showing once shows it again, as the logic expects of a switch.
class Win32Cursor : public Cursor {
public:
    void showCursor(bool show) override;

private:
    bool m_hidden = false;
};

}  // namespace glint::platform::win32
