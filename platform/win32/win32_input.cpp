#include "platform/win32/win32_input.h"

#include <windowsx.h>

namespace glint::platform::win32 {
namespace {

bool held(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

int buttonsOf(WPARAM flags) {
    int buttons = kNoButton;
    if (flags & MK_LBUTTON) buttons |= kLeftButton;
    if (flags & MK_RBUTTON) buttons |= kRightButton;
    if (flags & MK_MBUTTON) buttons |= kMiddleButton;
    return buttons;
}

}  // namespace

int currentShiftState() {
    int shift = kNoShift;
    if (held(VK_SHIFT)) shift |= kShiftKey;
    if (held(VK_CONTROL)) shift |= kCtrlKey;
    if (held(VK_MENU)) shift |= kAltKey;
    return shift;
}

bool isMouseMessage(UINT message) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

RawMouse toRawMouse(UINT message, WPARAM wParam, LPARAM lParam, bool altHeld) {
    RawMouse raw;
    raw.x = GET_X_LPARAM(lParam);
    raw.y = GET_Y_LPARAM(lParam);
    if (wParam & MK_SHIFT) raw.shift |= kShiftKey;
    if (wParam & MK_CONTROL) raw.shift |= kCtrlKey;
    if (altHeld) raw.shift |= kAltKey;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            raw.kind = RawMouse::Kind::Press;
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            raw.kind = RawMouse::Kind::Release;
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            raw.kind = RawMouse::Kind::DoubleClick;
            break;
        default:
            raw.kind = RawMouse::Kind::Move;
            raw.button = buttonsOf(wParam);
            return raw;
    }
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            raw.button = kLeftButton;
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            raw.button = kRightButton;
            break;
        default:
            raw.button = kMiddleButton;
            break;
    }
    return raw;
}

KeyEvent toKeyEvent(WPARAM virtualKey, int shift) {
    int code = static_cast<int>(virtualKey);
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) {
        code = '0' + static_cast<int>(virtualKey - VK_NUMPAD0);
    }
    switch (virtualKey) {
        case VK_SHIFT:
        case VK_LSHIFT:
        case VK_RSHIFT:
            shift |= kShiftKey;
            break;
        case VK_CONTROL:
        case VK_LCONTROL:
        case VK_RCONTROL:
            shift |= kCtrlKey;
            break;
        case VK_MENU:
        case VK_LMENU:
        case VK_RMENU:
            shift |= kAltKey;
            break;
        default:
            break;
    }
    return {code, shift};
}

}  // namespace glint::platform::win32
