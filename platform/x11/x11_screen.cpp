#include "platform/x11/x11_screen.h"

namespace glint::platform::x11 {

Rect X11Screen::area() const {
    if (m_embedded != None) {
        XWindowAttributes attributes{};
        ErrorTrap trap(m_connection.display());
        if (XGetWindowAttributes(m_connection.display(), m_embedded, &attributes) &&
            !trap.failed()) {
            return {0, 0, attributes.width, attributes.height};
        }
    }
    return m_connection.primaryMonitor();
}

}  // namespace glint::platform::x11
