#include "platform/qt/qt_input.h"

#include <cmath>

namespace glint::platform::qt {

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    int shift = kNoShift;
    if (modifiers & Qt::ShiftModifier) shift |= kShiftKey;
    if (modifiers & Qt::ControlModifier) shift |= kCtrlKey;
    if (modifiers & Qt::AltModifier) shift |= kAltKey;
    return shift;
}

int buttonsOf(Qt::MouseButtons buttons) {
    int result = kNoButton;
    if (buttons & Qt::LeftButton) result |= kLeftButton;
    if (buttons & Qt::RightButton) result |= kRightButton;
    if (buttons & Qt::MiddleButton) result |= kMiddleButton;
    return result;
}

RawMouse toRawMouse(const QMouseEvent& event, RawMouse::Kind kind) {
    RawMouse raw;
    raw.kind = kind;
    raw.x = static_cast<int>(std::floor(event.position().x()));
    raw.y = static_cast<int>(std::floor(event.position().y()));
    raw.button = buttonsOf(kind == RawMouse::Kind::Move ? event.buttons() : event.button());
    raw.shift = shiftStateOf(event.modifiers());
    return raw;
}

KeyEvent toKeyEvent(const QKeyEvent& event) {
    int shift = shiftStateOf(event.modifiers());
    switch (event.key()) {
        case Qt::Key_Shift:
            shift |= kShiftKey;
            break;
        case Qt::Key_Control:
            shift |= kCtrlKey;
            break;
        case Qt::Key_Alt:
            shift |= kAltKey;
            break;
        default:
            break;
    }
    return {event.key(), shift};
}

}  // namespace glint::platform::qt
