#include "platform/x11/x11_input.h"

#include <X11/keysym.h>

#include <cstdint>
#include <cstdlib>

namespace glint::platform::x11 {

int shiftStateOf(unsigned int state) {
    int shift = kNoShift;
    if (state & ShiftMask) shift |= kShiftKey;
    if (state & ControlMask) shift |= kCtrlKey;
    if (state & Mod1Mask) shift |= kAltKey;
    return shift;
}

int buttonsHeldIn(unsigned int state) {
    int buttons = kNoButton;
    if (state & Button1Mask) buttons |= kLeftButton;
    if (state & Button2Mask) buttons |= kMiddleButton;
    if (state & Button3Mask) buttons |= kRightButton;
    return buttons;
}

std::optional<int> buttonOf(unsigned int xButton) {
    switch (xButton) {
        case Button1:
            return kLeftButton;
        case Button2:
            return kMiddleButton;
        case Button3:
            return kRightButton;
        case Button4:
        case Button5:
        case 6:
        case 7:
            return std::nullopt;
        default:
            return kNoButton;
    }
}

KeyEvent toKeyEvent(unsigned long keysym, unsigned int state) {
    int shift = shiftStateOf(state);
    int code = static_cast<int>(keysym);
    if (keysym >= XK_a && keysym <= XK_z) {
        code = 'A' + static_cast<int>(keysym - XK_a);
    } else if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
        code = '0' + static_cast<int>(keysym - XK_KP_0);
    }
    switch (keysym) {
        case XK_Shift_L:
        case XK_Shift_R:
            shift |= kShiftKey;
            break;
        case XK_Control_L:
        case XK_Control_R:
            shift |= kCtrlKey;
            break;
        case XK_Alt_L:
        case XK_Alt_R:
        case XK_Meta_L:
        case XK_Meta_R:
            shift |= kAltKey;
            break;
        default:
            break;
    }
    return {code, shift};
}

RawMouse::Kind DoubleClicks::press(int button, int x, int y, Time time) {
    // The server's time wraps around after 49 days: the difference does too.
    const bool second = m_armed && button == m_button &&
                        static_cast<std::uint32_t>(time - m_time) < kIntervalMs &&
                        std::abs(x - m_x) <= kDistance && std::abs(y - m_y) <= kDistance;
    m_armed = !second;
    m_button = button;
    m_x = x;
    m_y = y;
    m_time = time;
    return second ? RawMouse::Kind::DoubleClick : RawMouse::Kind::Press;
}

}  // namespace glint::platform::x11
